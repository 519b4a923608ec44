#include "platform/host/form_file/picture_encoding.h"

#include <png.h>

#include <algorithm>

#include "platform/vb/error.h"

namespace host::formfile {

namespace {

std::uint8_t Unpremultiply(std::uint32_t channel, std::uint32_t alpha) {
  if (alpha == 0) return 0;
  if (alpha == 255) return static_cast<std::uint8_t>(channel);
  return static_cast<std::uint8_t>(
      std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha));
}

std::vector<std::uint8_t> EncodePng(const vb::PixelBuffer& pixels) {
  if (pixels.width <= 0 || pixels.height <= 0 ||
      pixels.pixels.size() != static_cast<std::size_t>(pixels.width) * pixels.height) {
    throw vb::Error(vb::kInvalidPicture, "picture without pixels");
  }
  std::vector<std::uint8_t> rgba(pixels.pixels.size() * 4);
  for (std::size_t i = 0; i < pixels.pixels.size(); ++i) {
    const std::uint32_t p = pixels.pixels[i];
    const std::uint32_t a = p >> 24;
    rgba[i * 4 + 0] = Unpremultiply((p >> 16) & 0xFF, a);
    rgba[i * 4 + 1] = Unpremultiply((p >> 8) & 0xFF, a);
    rgba[i * 4 + 2] = Unpremultiply(p & 0xFF, a);
    rgba[i * 4 + 3] = static_cast<std::uint8_t>(a);
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(pixels.width);
  image.height = static_cast<png_uint_32>(pixels.height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    throw vb::Error(vb::kInvalidPicture, "cannot encode the picture as PNG");
  }
  std::vector<std::uint8_t> out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    throw vb::Error(vb::kInvalidPicture, "cannot encode the picture as PNG");
  }
  out.resize(size);
  return out;
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

}  // namespace

std::vector<std::uint8_t> EncodePicture(const vb::StdPicture& picture) {
  const vb::PixelBuffer& pixels = *picture.Pixels();
  std::vector<std::uint8_t> png = EncodePng(pixels);
  if (picture.Type() != vb::vbPicTypeIcon || pixels.width > 256 || pixels.height > 256) return png;
  std::vector<std::uint8_t> ico;
  PutU16(ico, 0);                                                 // reserved
  PutU16(ico, 1);                                                 // icon
  PutU16(ico, 1);                                                 // one image
  ico.push_back(static_cast<std::uint8_t>(pixels.width & 0xFF));  // 0 stands for 256
  ico.push_back(static_cast<std::uint8_t>(pixels.height & 0xFF));
  ico.push_back(0);  // no palette
  ico.push_back(0);
  PutU16(ico, 1);   // planes
  PutU16(ico, 32);  // bits per pixel
  const auto size = static_cast<std::uint32_t>(png.size());
  PutU16(ico, size & 0xFFFF);
  PutU16(ico, size >> 16);
  PutU16(ico, 22);  // image offset: right after this directory
  PutU16(ico, 0);
  ico.insert(ico.end(), png.begin(), png.end());
  return ico;
}

}  // namespace host::formfile
