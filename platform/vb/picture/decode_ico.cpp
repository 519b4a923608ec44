#include <algorithm>
#include <optional>

#include "platform/vb/error.h"
#include "platform/vb/picture/dib.h"
#include "platform/vb/std_picture.h"

namespace vb {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// One image of the directory with the size and depth its own header gives; the directory's
// byte-sized fields cannot say 256 and hold the hot spot instead of the depth in cursors.
struct IconImage {
  std::span<const std::uint8_t> data;
  bool png = false;
  std::int64_t width = 0;
  std::int64_t height = 0;
  int depth = 0;
};

IconImage Inspect(std::span<const std::uint8_t> data) {
  const picture::Bytes image(data, "ico");
  if (data.size() >= 8 && std::equal(data.begin(), data.begin() + 8, kPngSignature)) {
    // The IHDR chunk comes first: length, type, width, height (big endian), depth, colour type.
    auto ihdr = image.Sub(8, 18, "embedded PNG header");
    // Clamped so that comparing areas cannot overflow; oversized images fail when decoded.
    auto be32 = [&](std::size_t at) {
      const std::int64_t value =
          std::int64_t{ihdr[at]} << 24 | ihdr[at + 1] << 16 | ihdr[at + 2] << 8 | ihdr[at + 3];
      return std::min<std::int64_t>(value, std::int64_t{kMaxPictureDimension} + 1);
    };
    const int channels_by_type[7] = {1, 0, 3, 1, 2, 0, 4};
    const int channels = ihdr[17] < 7 ? channels_by_type[ihdr[17]] : 0;
    return {data, true, be32(8), be32(12), ihdr[16] * channels};
  }
  const picture::DibInfo info = picture::ParseDibHeader(image, picture::DibKind::kIcon);
  return {data, false, info.width, info.height, info.bpp};
}

// A DIB icon image: the colour (XOR) bitmap, then a 1-bpp AND mask whose set bits are
// transparent. 32-bpp images with any alpha use that instead of the mask.
PixelBuffer DecodeIconDib(std::span<const std::uint8_t> data) {
  const picture::Bytes image(data, "ico");
  const picture::DibInfo info = picture::ParseDibHeader(image, picture::DibKind::kIcon);
  const std::size_t color_bytes =
      picture::DibRowBytes(info.width, info.bpp) * static_cast<std::size_t>(info.height);
  const std::size_t mask_row = picture::DibRowBytes(info.width, 1);
  auto color = image.Sub(info.table_end, color_bytes, "icon colour bitmap");
  auto mask = image.Sub(info.table_end + color_bytes,
                        mask_row * static_cast<std::size_t>(info.height), "icon mask");
  bool used_alpha = false;
  PixelBuffer pixels = picture::DecodeDibBits(info, color, "ico", &used_alpha);
  if (!used_alpha) {
    for (int r = 0; r < info.height; ++r) {
      const std::uint8_t* row = mask.data() + static_cast<std::size_t>(r) * mask_row;
      const int y = info.top_down ? r : info.height - 1 - r;
      std::uint32_t* dst = pixels.pixels.data() + static_cast<std::size_t>(y) * info.width;
      for (int x = 0; x < info.width; ++x) {
        if ((row[x / 8] >> (7 - x % 8)) & 1) dst[x] = 0;
      }
    }
  }
  picture::Premultiply(pixels);
  return pixels;
}

}  // namespace

// ICO and CUR files: a directory (reserved 0, type 1 or 2, count, then 16-byte entries whose
// last two fields are the image's size and offset); the largest image is decoded, and of
// equally large ones the deepest.
PixelBuffer DecodeIco(std::span<const std::uint8_t> data) {
  const picture::Bytes file(data, "ico");
  const std::uint16_t type = file.U16(2);
  if (file.U16(0) != 0 || (type != 1 && type != 2)) {
    picture::Fail("ico", "not an icon or cursor file");
  }
  const std::size_t count = file.U16(4);
  if (count == 0) picture::Fail("ico", "no images");
  file.Sub(6, count * 16, "icon directory");

  std::optional<IconImage> best;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + i * 16;
    const IconImage image =
        Inspect(file.Sub(file.U32(entry + 12), file.U32(entry + 8), "icon image"));
    if (!best || image.width * image.height > best->width * best->height ||
        (image.width * image.height == best->width * best->height && image.depth > best->depth)) {
      best = image;
    }
  }
  if (!best->png) return DecodeIconDib(best->data);
  try {
    return DecodePng(best->data);
  } catch (const Error& e) {
    picture::Fail("ico", "embedded image: " + e.Detail());
  }
}

}  // namespace vb
