#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/vb/object.h"
#include "platform/vb/pixel_buffer.h"

namespace vb {

// Picture types as the engine numbers them.
enum PictureType : std::int16_t {
  vbPicTypeNone = 0,
  vbPicTypeBitmap = 1,
  vbPicTypeMetafile = 2,
  vbPicTypeIcon = 3,
};

// The container's picture object: a bitmap or an icon with its decoded pixels. Pictures are
// shared by reference like fonts; the pixels themselves are immutable and shared as well.
class StdPicture : public Object {
 public:
  StdPicture(PictureType type, std::shared_ptr<const PixelBuffer> pixels);
  ~StdPicture() override;
  StdPicture(const StdPicture&) = delete;
  StdPicture& operator=(const StdPicture&) = delete;

  PictureType Type() const { return type_; }
  // A process-unique nonzero handle standing for the picture's GDI object.
  std::uint32_t Handle() const { return handle_; }
  // Size in HIMETRIC at the display's DPI when the picture was made.
  long Width() const { return width_himetric_; }
  long Height() const { return height_himetric_; }

  int PixelWidth() const { return pixels_->width; }
  int PixelHeight() const { return pixels_->height; }
  const std::shared_ptr<const PixelBuffer>& Pixels() const { return pixels_; }

 private:
  PictureType type_;
  std::shared_ptr<const PixelBuffer> pixels_;
  std::uint32_t handle_;
  long width_himetric_;
  long height_himetric_;
};

using PictureRef = std::shared_ptr<StdPicture>;

// The live picture a handle stands for (as the platform finds a GDI object by its handle),
// or null once the picture is gone or for a handle that never was one.
PictureRef FindPicture(std::uint32_t handle);

// True for a picture property that holds no picture.
inline bool IsEmpty(const PictureRef& picture) {
  return !picture || picture->Type() == vbPicTypeNone;
}

// Loads a picture from a file or from memory: PNG, BMP, GIF (first frame), JPEG or ICO/CUR
// (the largest image). GIF and JPEG load as bitmaps. An empty path gives an empty picture
// (no object). A file that cannot be opened is error 53 (File not found); truncated,
// corrupt, unknown or oversized data is error 481 (Invalid picture).
PictureRef LoadPicture(const std::string& path);
PictureRef LoadPictureFromMemory(std::span<const std::uint8_t> data);

// Decoding by format, used by LoadPicture; each throws Error(481) on bad data.
PixelBuffer DecodePng(std::span<const std::uint8_t> data);
PixelBuffer DecodeBmp(std::span<const std::uint8_t> data);
PixelBuffer DecodeGif(std::span<const std::uint8_t> data);
PixelBuffer DecodeJpeg(std::span<const std::uint8_t> data);
PixelBuffer DecodeIco(std::span<const std::uint8_t> data);

// Makes a bitmap picture from pixels the program drew itself.
PictureRef MakeBitmapPicture(PixelBuffer pixels);

}  // namespace vb
