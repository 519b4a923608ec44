#pragma once

#include <pixman.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/vb/pixel_buffer.h"

namespace gfx {

// A premultiplied 0xAARRGGBB pixel value.
using Argb = std::uint32_t;

// 0x00BBGGRR (the platform's COLORREF) to an opaque pixel, and back (alpha dropped).
constexpr Argb ArgbFromColorref(std::uint32_t c) {
  return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr std::uint32_t ColorrefFromArgb(Argb p) {
  return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

// A 32-bit pixel surface backed by a pixman image. Window surfaces are opaque; pictures may
// carry transparency.
class Bitmap {
 public:
  static constexpr int kMaxDimension = vb::kMaxPictureDimension;

  // A width x height bitmap filled with `fill`; sizes are clamped to [0, kMaxDimension].
  Bitmap(int width, int height, Argb fill = 0xFFFFFFFFu);
  // A copy of decoded picture pixels.
  explicit Bitmap(const vb::PixelBuffer& pixels);
  ~Bitmap();
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  int stride_pixels() const { return stride_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Argb* row(int y) { return data_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  const Argb* row(int y) const { return data_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  Argb pixel(int x, int y) const { return contains(x, y) ? row(y)[x] : 0; }
  void set_pixel(int x, int y, Argb value) {
    if (contains(x, y)) row(y)[x] = value;
  }

  pixman_image_t* image() const { return image_; }

  // Fills the whole bitmap.
  void Fill(Argb value);
  // Resizes, keeping the overlapping top-left part and filling the rest.
  void Resize(int width, int height, Argb fill = 0xFFFFFFFFu);
  std::unique_ptr<Bitmap> Clone() const;

 private:
  void Allocate(int width, int height);

  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  Argb* data_ = nullptr;
  pixman_image_t* image_ = nullptr;
};

// Writes a bitmap as an 8-bit RGBA PNG; false when the file cannot be written.
bool WritePng(const Bitmap& bitmap, const std::string& path);

}  // namespace gfx
