#include "platform/vb/picture/dib.h"
#include "platform/vb/std_picture.h"

namespace vb {

// A BMP file: the 14-byte file header ("BM", size, reserved, pixel offset), then a device
// independent bitmap whose pixels start at the offset the file header gives.
PixelBuffer DecodeBmp(std::span<const std::uint8_t> data) {
  const picture::Bytes file(data, "bmp");
  if (file.size() < 2 || data[0] != 'B' || data[1] != 'M') picture::Fail("bmp", "not a BMP file");
  const std::size_t bits_offset = file.U32(10);  // also proves the file header is complete
  const picture::Bytes dib(data.subspan(14), "bmp");
  if (bits_offset < 14) picture::Fail("bmp", "pixel data offset inside the file header");
  const picture::DibInfo info =
      picture::ParseDibHeader(dib, picture::DibKind::kBitmap, bits_offset - 14);
  if (bits_offset - 14 < info.header_size) {
    picture::Fail("bmp", "pixel data offset inside the bitmap header");
  }
  if (bits_offset > file.size()) picture::Fail("bmp", "pixel data truncated");
  PixelBuffer pixels = picture::DecodeDibBits(info, data.subspan(bits_offset), "bmp");
  picture::Premultiply(pixels);
  return pixels;
}

}  // namespace vb
