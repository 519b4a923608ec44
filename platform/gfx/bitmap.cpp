#include "platform/gfx/bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace gfx {

namespace {
int ClampDimension(int v) {
  return std::clamp(v, 0, Bitmap::kMaxDimension);
}
}  // namespace

Bitmap::Bitmap(int width, int height, Argb fill) {
  Allocate(ClampDimension(width), ClampDimension(height));
  Fill(fill);
}

Bitmap::Bitmap(const vb::PixelBuffer& pixels) {
  Allocate(ClampDimension(pixels.width), ClampDimension(pixels.height));
  for (int y = 0; y < height_; ++y) {
    std::memcpy(row(y), pixels.pixels.data() + static_cast<std::size_t>(y) * pixels.width,
                static_cast<std::size_t>(width_) * sizeof(Argb));
  }
}

Bitmap::~Bitmap() {
  if (image_) pixman_image_unref(image_);
  std::free(data_);
}

void Bitmap::Allocate(int width, int height) {
  width_ = width;
  height_ = height;
  stride_ = std::max(width, 1);
  const std::size_t count = static_cast<std::size_t>(stride_) * std::max(height, 1);
  // 64-byte alignment keeps rows friendly to pixman's vector paths.
  const std::size_t bytes = (count * sizeof(Argb) + 63) / 64 * 64;
  data_ = static_cast<Argb*>(std::aligned_alloc(64, bytes));
  if (!data_) throw std::bad_alloc();
  image_ = pixman_image_create_bits(PIXMAN_a8r8g8b8, std::max(width, 1), std::max(height, 1), data_,
                                    stride_ * static_cast<int>(sizeof(Argb)));
  if (!image_) throw std::bad_alloc();
}

void Bitmap::Fill(Argb value) {
  if (width_ == 0 || height_ == 0) return;
  // pixman_fill works in 32-bit words and is the fastest plain fill it offers.
  pixman_fill(reinterpret_cast<uint32_t*>(data_), stride_, 32, 0, 0, width_, height_, value);
}

void Bitmap::Resize(int width, int height, Argb fill) {
  width = ClampDimension(width);
  height = ClampDimension(height);
  if (width == width_ && height == height_) return;
  Bitmap next(width, height, fill);
  const int w = std::min(width, width_);
  const int h = std::min(height, height_);
  for (int y = 0; y < h; ++y) {
    std::memcpy(next.row(y), row(y), static_cast<std::size_t>(w) * sizeof(Argb));
  }
  std::swap(width_, next.width_);
  std::swap(height_, next.height_);
  std::swap(stride_, next.stride_);
  std::swap(data_, next.data_);
  std::swap(image_, next.image_);
}

std::unique_ptr<Bitmap> Bitmap::Clone() const {
  auto copy = std::make_unique<Bitmap>(width_, height_);
  for (int y = 0; y < height_; ++y) {
    std::memcpy(copy->row(y), row(y), static_cast<std::size_t>(width_) * sizeof(Argb));
  }
  return copy;
}

}  // namespace gfx
