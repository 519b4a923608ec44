#include "platform/vb/picture/dib.h"

#include <algorithm>
#include <bit>

#include "platform/vb/error.h"

namespace vb::picture {

void Fail(const char* format, const std::string& reason) {
  throw Error(kInvalidPicture, std::string(format) + ": " + reason);
}

void CheckPictureSize(std::int64_t width, std::int64_t height, const char* format) {
  if (width <= 0 || height <= 0) {
    Fail(format, "empty picture (" + std::to_string(width) + " x " + std::to_string(height) + ")");
  }
  if (width > kMaxPictureDimension || height > kMaxPictureDimension ||
      width * height > kMaxPicturePixels) {
    Fail(format,
         "picture too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
  }
}

PixelBuffer MakeBuffer(int width, int height, std::uint32_t fill) {
  PixelBuffer buffer;
  buffer.width = width;
  buffer.height = height;
  buffer.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
  return buffer;
}

void Premultiply(PixelBuffer& buffer) {
  bool transparent = false;
  for (std::uint32_t& pixel : buffer.pixels) {
    const std::uint32_t a = pixel >> 24;
    if (a == 255) continue;
    transparent = true;
    auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    pixel = a << 24 | scale((pixel >> 16) & 0xFF) << 16 | scale((pixel >> 8) & 0xFF) << 8 |
            scale(pixel & 0xFF);
  }
  buffer.has_transparency = transparent;
}

std::uint8_t Bytes::U8(std::size_t offset) const {
  if (!Has(offset, 1)) Fail(format_, "data truncated");
  return data_[offset];
}

std::uint16_t Bytes::U16(std::size_t offset) const {
  if (!Has(offset, 2)) Fail(format_, "data truncated");
  return static_cast<std::uint16_t>(data_[offset] | data_[offset + 1] << 8);
}

std::uint32_t Bytes::U32(std::size_t offset) const {
  if (!Has(offset, 4)) Fail(format_, "data truncated");
  return static_cast<std::uint32_t>(data_[offset]) |
         static_cast<std::uint32_t>(data_[offset + 1]) << 8 |
         static_cast<std::uint32_t>(data_[offset + 2]) << 16 |
         static_cast<std::uint32_t>(data_[offset + 3]) << 24;
}

std::span<const std::uint8_t> Bytes::Sub(std::size_t offset, std::size_t count,
                                         const char* what) const {
  if (!Has(offset, count)) Fail(format_, std::string(what) + " truncated");
  return data_.subspan(offset, count);
}

DibInfo ParseDibHeader(const Bytes& dib, DibKind kind, std::optional<std::size_t> bits_offset) {
  const char* format = dib.format();
  DibInfo info;
  info.header_size = dib.U32(0);
  const bool core = info.header_size == 12;
  switch (info.header_size) {
    case 12:
    case 40:
    case 52:
    case 56:
    case 108:
    case 124:
      break;
    default:
      Fail(format, "unsupported bitmap header size " + std::to_string(info.header_size));
  }
  dib.Sub(0, info.header_size, "bitmap header");

  std::int64_t width, height;
  std::uint32_t colors_used = 0;
  if (core) {
    width = dib.U16(4);
    height = dib.U16(6);
    info.bpp = dib.U16(10);
  } else {
    width = dib.I32(4);
    height = dib.I32(8);
    info.bpp = dib.U16(14);
    info.compression = dib.U32(16);
    colors_used = dib.U32(32);
  }
  info.top_down = height < 0;
  if (height < 0) height = -height;
  if (kind == DibKind::kIcon) height /= 2;
  CheckPictureSize(width, height, format);
  info.width = static_cast<int>(width);
  info.height = static_cast<int>(height);

  const int bpp = info.bpp;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
    Fail(format, "unsupported bit depth " + std::to_string(bpp));
  }
  if (core && bpp == 16) Fail(format, "unsupported bit depth 16");
  switch (info.compression) {
    case kBiRgb:
      break;
    case kBiRle8:
    case kBiRle4:
      if (bpp != (info.compression == kBiRle8 ? 8 : 4)) {
        Fail(format, "run-length compression does not match the bit depth");
      }
      if (kind == DibKind::kIcon) Fail(format, "compressed icon image");
      if (info.top_down) Fail(format, "run-length compressed bitmap stored top down");
      break;
    case kBiBitfields:
    case kBiAlphaBitfields:
      if (bpp != 16 && bpp != 32) Fail(format, "bit fields need 16 or 32 bits per pixel");
      break;
    default:
      Fail(format, "unsupported compression " + std::to_string(info.compression));
  }

  // Channel masks: after a 40-byte header for the bit-field compressions, inside the larger
  // headers, and fixed otherwise.
  std::size_t pos = info.header_size;
  if (info.compression == kBiBitfields || info.compression == kBiAlphaBitfields) {
    std::size_t at = 40;
    if (info.header_size == 40) {
      pos += info.compression == kBiAlphaBitfields ? 16 : 12;
    }
    info.red_mask = dib.U32(at);
    info.green_mask = dib.U32(at + 4);
    info.blue_mask = dib.U32(at + 8);
    if (info.header_size >= 56 ||
        (info.header_size == 40 && info.compression == kBiAlphaBitfields)) {
      info.alpha_mask = dib.U32(at + 12);
    }
  } else if (bpp == 16) {
    info.red_mask = 0x7C00;
    info.green_mask = 0x03E0;
    info.blue_mask = 0x001F;
  } else if (bpp == 32) {
    info.red_mask = 0x00FF0000;
    info.green_mask = 0x0000FF00;
    info.blue_mask = 0x000000FF;
    if (info.header_size >= 56) info.alpha_mask = dib.U32(52);
  }
  if (kind == DibKind::kIcon && bpp == 32 && info.alpha_mask == 0) info.alpha_mask = 0xFF000000;

  // Colour table: palette entries for indexed pixels; deeper pixels may carry an optional
  // table that only needs skipping.
  const std::size_t entry_size = core ? 3 : 4;
  if (bpp <= 8) {
    const std::uint32_t max_entries = 1u << bpp;
    if (colors_used > 256) Fail(format, "colour table too large");
    std::size_t entries = colors_used ? colors_used : max_entries;
    if (bits_offset && *bits_offset >= pos) {
      entries = std::min(entries, (*bits_offset - pos) / entry_size);
    }
    const std::size_t used = std::min<std::size_t>(entries, max_entries);
    auto table = dib.Sub(pos, entries * entry_size, "colour table");
    info.palette.reserve(used);
    for (std::size_t i = 0; i < used; ++i) {
      const std::uint8_t* e = table.data() + i * entry_size;
      info.palette.push_back(0xFF000000u | static_cast<std::uint32_t>(e[2]) << 16 |
                             static_cast<std::uint32_t>(e[1]) << 8 | e[0]);
    }
    pos += entries * entry_size;
  } else {
    pos += static_cast<std::size_t>(colors_used) * entry_size;
  }
  info.table_end = pos;
  return info;
}

std::size_t DibRowBytes(int width, int bpp) {
  return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bpp) + 31) / 32 * 4;
}

namespace {

// One channel of a bit-field pixel, scaled to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (mask) {
      shift = std::countr_zero(mask);
      bits = std::bit_width(mask >> shift);
    }
  }
  std::uint32_t operator()(std::uint32_t pixel) const {
    if (!mask) return 0;
    const std::uint64_t value = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<std::uint32_t>(value >> (bits - 8));
    return static_cast<std::uint32_t>(value * 255 / ((1u << bits) - 1));
  }
};

std::uint32_t PaletteColor(const DibInfo& info, unsigned index) {
  // An index past the colour table shows black, as a zeroed bitmap would.
  return index < info.palette.size() ? info.palette[index] : 0xFF000000u;
}

PixelBuffer DecodeRle(const DibInfo& info, std::span<const std::uint8_t> bits, const char* format) {
  // Pixels the runs skip stay black, as in a freshly made bitmap.
  PixelBuffer out = MakeBuffer(info.width, info.height, 0xFF000000u);
  const Bytes data(bits, format);
  const bool rle8 = info.compression == kBiRle8;
  std::size_t pos = 0;
  std::int64_t x = 0, y = 0;  // y counts rows from the bottom
  auto put = [&](unsigned index) {
    if (x < info.width && y < info.height) {
      out.pixels[static_cast<std::size_t>(info.height - 1 - y) * info.width +
                 static_cast<std::size_t>(x)] = PaletteColor(info, index);
    }
    ++x;
  };
  while (y < info.height) {
    const std::uint8_t count = data.U8(pos);
    const std::uint8_t code = data.U8(pos + 1);
    pos += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i) {
        put(rle8 ? code : (i % 2 == 0 ? code >> 4 : code & 0x0F));
      }
    } else if (code == 0) {  // end of line
      x = 0;
      ++y;
    } else if (code == 1) {  // end of bitmap
      break;
    } else if (code == 2) {  // move right and up
      x += data.U8(pos);
      y += data.U8(pos + 1);
      pos += 2;
    } else {  // `code` literal pixels, padded to a 16-bit boundary
      const std::size_t bytes = rle8 ? code : (code + 1u) / 2;
      auto run = data.Sub(pos, bytes, "run-length data");
      for (unsigned i = 0; i < code; ++i) {
        put(rle8 ? run[i] : (i % 2 == 0 ? run[i / 2] >> 4 : run[i / 2] & 0x0F));
      }
      pos += (bytes + 1) & ~std::size_t{1};
    }
  }
  return out;
}

}  // namespace

PixelBuffer DecodeDibBits(const DibInfo& info, std::span<const std::uint8_t> bits,
                          const char* format, bool* used_alpha) {
  if (used_alpha) *used_alpha = false;
  if (info.compression == kBiRle8 || info.compression == kBiRle4) {
    return DecodeRle(info, bits, format);
  }
  const std::size_t row_bytes = DibRowBytes(info.width, info.bpp);
  const std::size_t width = static_cast<std::size_t>(info.width);
  auto data =
      Bytes(bits, format).Sub(0, row_bytes * static_cast<std::size_t>(info.height), "pixel data");
  PixelBuffer out = MakeBuffer(info.width, info.height, 0xFF000000u);
  const Channel red(info.red_mask), green(info.green_mask), blue(info.blue_mask),
      alpha(info.alpha_mask);
  bool alpha_seen = false;

  for (int r = 0; r < info.height; ++r) {
    const std::uint8_t* row = data.data() + static_cast<std::size_t>(r) * row_bytes;
    const int y = info.top_down ? r : info.height - 1 - r;
    std::uint32_t* dst = out.pixels.data() + static_cast<std::size_t>(y) * width;
    for (std::size_t x = 0; x < width; ++x) {
      switch (info.bpp) {
        case 1:
        case 4:
        case 8: {
          const std::size_t bit = x * static_cast<std::size_t>(info.bpp);
          const unsigned shift = 8 - info.bpp - static_cast<unsigned>(bit % 8);
          const unsigned index = (row[bit / 8] >> shift) & ((1u << info.bpp) - 1);
          dst[x] = PaletteColor(info, index);
          break;
        }
        case 24: {
          const std::uint8_t* p = row + x * 3;
          dst[x] = 0xFF000000u | static_cast<std::uint32_t>(p[2]) << 16 |
                   static_cast<std::uint32_t>(p[1]) << 8 | p[0];
          break;
        }
        default: {  // 16 or 32 bits through the channel masks
          const std::uint8_t* p = row + x * static_cast<std::size_t>(info.bpp / 8);
          std::uint32_t value = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1])
                                                                       << 8;
          if (info.bpp == 32) {
            value |= static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3])
                                                                  << 24;
          }
          const std::uint32_t a = info.alpha_mask ? alpha(value) : 255;
          if (info.alpha_mask && a != 0) alpha_seen = true;
          dst[x] = a << 24 | red(value) << 16 | green(value) << 8 | blue(value);
          break;
        }
      }
    }
  }
  // An alpha channel that is zero everywhere is unused, not a fully transparent picture.
  if (info.alpha_mask && !alpha_seen) {
    for (std::uint32_t& pixel : out.pixels) pixel |= 0xFF000000u;
  }
  if (used_alpha) *used_alpha = info.alpha_mask && alpha_seen;
  return out;
}

}  // namespace vb::picture
