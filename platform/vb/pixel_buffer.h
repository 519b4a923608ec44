#pragma once

#include <cstdint>
#include <vector>

namespace vb {

// Decoded picture pixels: premultiplied 0xAARRGGBB, rows top to bottom, no padding.
struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  // True when some pixel is not fully opaque (icons, GIF transparency, PNG alpha).
  bool has_transparency = false;

  std::uint32_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// Pictures larger than this in either direction are refused before any allocation.
constexpr int kMaxPictureDimension = 16384;
// ... and so are pictures with more pixels than this in all.
constexpr std::int64_t kMaxPicturePixels = 64LL * 1024 * 1024;

}  // namespace vb
