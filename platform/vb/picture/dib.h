#pragma once

// Internal to the picture decoders: bounds-checked byte reading, the size limits and the final
// premultiply pass they all share, and the device-independent bitmap parsing that BMP files and
// icon images have in common.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/vb/pixel_buffer.h"

namespace vb::picture {

// Throws Error(kInvalidPicture, "<format>: <reason>").
[[noreturn]] void Fail(const char* format, const std::string& reason);

// Refuses sizes that are not positive, exceed kMaxPictureDimension or kMaxPicturePixels.
void CheckPictureSize(std::int64_t width, std::int64_t height, const char* format);

// Allocates a width x height buffer filled with `fill`; the size must have been checked.
PixelBuffer MakeBuffer(int width, int height, std::uint32_t fill);

// Turns straight 0xAARRGGBB pixels into premultiplied ones and sets has_transparency.
void Premultiply(PixelBuffer& buffer);

// Little-endian reads from a byte span; a read past the end throws "<format>: <what> truncated".
class Bytes {
 public:
  Bytes(std::span<const std::uint8_t> data, const char* format) : data_(data), format_(format) {}

  std::size_t size() const { return data_.size(); }
  const char* format() const { return format_; }
  std::span<const std::uint8_t> data() const { return data_; }

  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= data_.size() && count <= data_.size() - offset;
  }
  std::uint8_t U8(std::size_t offset) const;
  std::uint16_t U16(std::size_t offset) const;
  std::uint32_t U32(std::size_t offset) const;
  std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
  // The `count` bytes at `offset`; throws "<what> truncated" when they are not all there.
  std::span<const std::uint8_t> Sub(std::size_t offset, std::size_t count, const char* what) const;

 private:
  std::span<const std::uint8_t> data_;
  const char* format_;
};

// Compression codes of a bitmap info header.
enum : std::uint32_t {
  kBiRgb = 0,
  kBiRle8 = 1,
  kBiRle4 = 2,
  kBiBitfields = 3,
  kBiAlphaBitfields = 6,
};

enum class DibKind {
  kBitmap,  // a BMP file's bitmap
  kIcon,    // an icon or cursor image: doubled height (colour rows then the AND mask), and
            // 32-bpp pixels carry alpha in their top byte
};

struct DibInfo {
  std::uint32_t header_size = 0;
  int width = 0;
  int height = 0;  // rows of the colour bitmap (for icons, half the stored height)
  bool top_down = false;
  int bpp = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t red_mask = 0, green_mask = 0, blue_mask = 0, alpha_mask = 0;
  std::vector<std::uint32_t> palette;  // 0xFFRRGGBB
  std::size_t table_end = 0;           // offset just past the masks and colour table
};

// Parses the info header (12-byte core, 40-byte info, or the larger 52/56/108/124-byte forms)
// at the start of `dib`, with its masks and colour table, and checks the picture size.
// `bits_offset`, when known (BMP files), bounds the colour table so a short table that ends
// where the pixels start is accepted.
DibInfo ParseDibHeader(const Bytes& dib, DibKind kind,
                       std::optional<std::size_t> bits_offset = std::nullopt);

// Bytes in one stored row of `width` pixels at `bpp` bits, padded to 4 bytes.
std::size_t DibRowBytes(int width, int bpp);

// Decodes the colour bits into a straight (not premultiplied) ARGB buffer, rows top down.
// Pixels are opaque unless the info has an alpha mask and some decoded alpha is nonzero; then
// `*used_alpha` (if given) is set and the alpha channel is kept. Throws on truncated bits.
PixelBuffer DecodeDibBits(const DibInfo& info, std::span<const std::uint8_t> bits,
                          const char* format, bool* used_alpha = nullptr);

}  // namespace vb::picture
