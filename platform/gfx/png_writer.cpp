#include <png.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace gfx {

namespace {

std::uint8_t Unpremultiply(std::uint32_t channel, std::uint32_t alpha) {
  if (alpha == 0) return 0;
  if (alpha == 255) return static_cast<std::uint8_t>(channel);
  return static_cast<std::uint8_t>(
      std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha));
}

void ConvertRow(const Bitmap& bitmap, int y, int width, png_byte* line) {
  for (int x = 0; x < width; ++x) {
    const Argb p = bitmap.pixel(x, y);
    const std::uint32_t a = p >> 24;
    line[x * 4 + 0] = Unpremultiply((p >> 16) & 0xFF, a);
    line[x * 4 + 1] = Unpremultiply((p >> 8) & 0xFF, a);
    line[x * 4 + 2] = Unpremultiply(p & 0xFF, a);
    line[x * 4 + 3] = static_cast<png_byte>(a);
  }
}

// libpng reports errors by longjmp, so this function keeps only trivially destructible
// locals; the caller owns the file and the row buffer.
bool Encode(std::FILE* file, const Bitmap& bitmap, int width, int height, png_byte* line) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    ConvertRow(bitmap, y, width, line);
    png_write_row(png, line);
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

// Writes to a temporary file first and renames it, so a failed write never leaves a
// half-written picture under the final name.
bool WritePng(const Bitmap& bitmap, const std::string& path) {
  const std::string temp = path + ".tmp";
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (!file) return false;
  const int w = std::max(bitmap.width(), 1);
  const int h = std::max(bitmap.height(), 1);
  std::vector<png_byte> line(static_cast<std::size_t>(w) * 4);
  bool ok = Encode(file, bitmap, w, h, line.data());
  ok = (std::fclose(file) == 0) && ok;
  if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace gfx
