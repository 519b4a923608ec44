#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/vb/picture/dib.h"
#include "platform/vb/std_picture.h"

namespace vb {

namespace {

// libpng reports errors by longjmp. Every setjmp below sits in a small function that holds
// no object with a destructor, and the callbacks hold none either, so a jump never skips a
// destructor; the C++ caller owns all memory and checks the result.
struct PngSource {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t pos;
  char message[160];
};

void OnPngError(png_structp png, png_const_charp message) {
  auto* source = static_cast<PngSource*>(png_get_error_ptr(png));
  std::snprintf(source->message, sizeof source->message, "%s", message);
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void ReadPngData(png_structp png, png_bytep out, png_size_t count) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (count > source->size - source->pos) png_error(png, "data truncated");
  std::memcpy(out, source->data + source->pos, count);
  source->pos += count;
}

bool ReadInfo(png_structp png, png_infop info) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  return true;
}

// Expands every colour type and depth to 8-bit R, G, B, A bytes.
bool SetTransforms(png_structp png, png_infop info) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_expand(png);  // palette -> RGB, grey below 8 bits -> 8 bits, tRNS -> alpha
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  return true;
}

bool ReadImage(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

struct PngReadGuard {
  png_structp png;
  png_infop info;
  ~PngReadGuard() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

}  // namespace

PixelBuffer DecodePng(std::span<const std::uint8_t> data) {
  PngSource source{data.data(), data.size(), 0, {}};
  PngReadGuard guard{
      png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, OnPngError, OnPngWarning), nullptr};
  if (!guard.png) picture::Fail("png", "cannot start the decoder");
  guard.info = png_create_info_struct(guard.png);
  if (!guard.info) picture::Fail("png", "cannot start the decoder");
  png_set_read_fn(guard.png, &source, ReadPngData);

  if (!ReadInfo(guard.png, guard.info)) picture::Fail("png", source.message);
  const png_uint_32 width = png_get_image_width(guard.png, guard.info);
  const png_uint_32 height = png_get_image_height(guard.png, guard.info);
  picture::CheckPictureSize(width, height, "png");
  if (!SetTransforms(guard.png, guard.info)) picture::Fail("png", source.message);
  if (png_get_rowbytes(guard.png, guard.info) != std::size_t{width} * 4) {
    picture::Fail("png", "unexpected pixel layout");
  }

  PixelBuffer pixels = picture::MakeBuffer(static_cast<int>(width), static_cast<int>(height), 0);
  auto rows = std::make_unique<png_bytep[]>(height);
  for (png_uint_32 y = 0; y < height; ++y) {
    rows[y] = reinterpret_cast<png_bytep>(pixels.pixels.data() + std::size_t{y} * width);
  }
  if (!ReadImage(guard.png, rows.get())) picture::Fail("png", source.message);
  // The rows were written as R, G, B, A bytes into the pixel words; repack each as 0xAARRGGBB.
  for (std::uint32_t& pixel : pixels.pixels) {
    std::uint8_t c[4];
    std::memcpy(c, &pixel, 4);
    pixel = std::uint32_t{c[3]} << 24 | std::uint32_t{c[0]} << 16 | std::uint32_t{c[1]} << 8 | c[2];
  }
  picture::Premultiply(pixels);
  return pixels;
}

}  // namespace vb
