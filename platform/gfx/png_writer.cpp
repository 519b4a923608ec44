#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace gfx {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

std::uint8_t Unpremultiply(std::uint32_t channel, std::uint32_t alpha) {
  if (alpha == 0) return 0;
  if (alpha == 255) return static_cast<std::uint8_t>(channel);
  return static_cast<std::uint8_t>(
      std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha));
}

}  // namespace

bool WritePng(const Bitmap& bitmap, const std::string& path) {
  const std::string temp = path + ".tmp";
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(temp.c_str(), "wb"));
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  const int w = std::max(bitmap.width(), 1);
  const int h = std::max(bitmap.height(), 1);
  std::vector<png_byte> line(static_cast<std::size_t>(w) * 4);
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    file.reset();
    std::remove(temp.c_str());
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Argb p = bitmap.pixel(x, y);
      const std::uint32_t a = p >> 24;
      line[x * 4 + 0] = Unpremultiply((p >> 16) & 0xFF, a);
      line[x * 4 + 1] = Unpremultiply((p >> 8) & 0xFF, a);
      line[x * 4 + 2] = Unpremultiply(p & 0xFF, a);
      line[x * 4 + 3] = static_cast<png_byte>(a);
    }
    png_write_row(png, line.data());
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  if (std::fflush(file.get()) != 0) return false;
  file.reset();
  return std::rename(temp.c_str(), path.c_str()) == 0;
}

}  // namespace gfx
