#include "platform/gfx/blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace gfx {

PixelSource PixelSource::From(const Bitmap& bitmap, bool transparent) {
  return {bitmap.row(0), bitmap.width(), bitmap.height(), bitmap.stride_pixels(), transparent};
}

PixelSource PixelSource::From(const vb::PixelBuffer& pixels) {
  return {pixels.pixels.data(), pixels.width, pixels.height, pixels.width, pixels.has_transparency};
}

namespace {

// For each of `count` destination steps, the source coordinate it shows (or -1 when that
// lies outside the source): the source pixel under the destination pixel's centre.
std::vector<int> BuildMap(int count, int src_start, int src_size, int src_limit) {
  const int n = std::abs(src_size);
  const int step = src_size < 0 ? -1 : 1;
  std::vector<int> map(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const long long j = (2LL * i + 1) * n / (2LL * count);
    const long long s = src_start + step * j;
    map[static_cast<std::size_t>(i)] = (s >= 0 && s < src_limit) ? static_cast<int>(s) : -1;
  }
  return map;
}

inline Argb Over(Argb src, Argb dst) {
  const std::uint32_t a = src >> 24;
  if (a == 255) return src;
  if (a == 0) return dst;
  const std::uint32_t inv = 255 - a;
  auto channel = [&](int shift) {
    const std::uint32_t s = (src >> shift) & 0xFF;
    const std::uint32_t d = (dst >> shift) & 0xFF;
    return std::min<std::uint32_t>(255, s + (d * inv + 127) / 255) << shift;
  };
  return channel(24) | channel(16) | channel(8) | channel(0);
}

}  // namespace

bool StretchPixels(DeviceContext& dc, int x, int y, int w, int h, const PixelSource& source, int sx,
                   int sy, int sw, int sh, BlitOp op) {
  if (w == 0 || h == 0 || sw == 0 || sh == 0 || !source.data) return false;
  const int cols = std::abs(w);
  const int rows = std::abs(h);
  // Guard against absurd sizes: nothing beyond the bitmap can be seen anyway.
  if (cols > (1 << 24) || rows > (1 << 24)) return false;

  // Device rectangle covered: a negative size runs backwards from x (x, x - 1, ...).
  const win32::POINT origin = dc.ToDevice(x, y);
  const int left = w > 0 ? origin.x : origin.x - cols + 1;
  const int top = h > 0 ? origin.y : origin.y - rows + 1;
  const std::vector<win32::RECT> boxes = dc.ClipBoxes({left, top, left + cols, top + rows});
  if (boxes.empty()) return true;

  const std::vector<int> xmap = BuildMap(cols, sx, sw, source.width);
  const std::vector<int> ymap = BuildMap(rows, sy, sh, source.height);
  const bool identity_x = std::abs(sw) == cols && sw > 0 && w > 0;
  Bitmap& target = dc.target();

  // An opaque copy writes the same pixels for every destination row showing the same source
  // row, so such rows are copied from the one drawn just before.
  const bool opaque_copy = op == BlitOp::kCopy && !source.transparent;
  for (const win32::RECT& box : boxes) {
    // Reuse needs every column of the box to show a source pixel; a skipped column must keep
    // the destination's own pixels on each row.
    bool reuse_rows = opaque_copy;
    for (int px = box.left; reuse_rows && px < box.right; ++px) {
      const int j = w > 0 ? px - origin.x : origin.x - px;
      reuse_rows = xmap[static_cast<std::size_t>(j)] >= 0;
    }
    int previous_row = -1;
    for (int py = box.top; py < box.bottom; ++py) {
      const int i = h > 0 ? py - origin.y : origin.y - py;
      const int srow = ymap[static_cast<std::size_t>(i)];
      if (srow < 0) {
        previous_row = -1;
        continue;
      }
      if (reuse_rows && srow == previous_row) {
        std::memcpy(target.row(py) + box.left, target.row(py - 1) + box.left,
                    static_cast<std::size_t>(box.right - box.left) * 4);
        continue;
      }
      previous_row = srow;
      const Argb* src = source.data + static_cast<std::ptrdiff_t>(srow) * source.stride;
      Argb* out = target.row(py);
      const int j0 = w > 0 ? box.left - origin.x : origin.x - box.left;
      if (identity_x && op == BlitOp::kCopy && !source.transparent) {
        // Unscaled opaque rows: copy the part that lies inside the source in one go.
        int first = box.left;
        int last = box.right;
        const int s0 = xmap[static_cast<std::size_t>(j0)];
        if (s0 >= 0 && xmap[static_cast<std::size_t>(j0 + (last - first) - 1)] >= 0) {
          std::memcpy(out + first, src + s0, static_cast<std::size_t>(last - first) * 4);
          continue;
        }
      }
      if (reuse_rows && w > 0) {
        // Every column maps inside the source: a plain gather with no per-pixel checks.
        const int* map = xmap.data() + (box.left - origin.x);
        for (int px = box.left; px < box.right; ++px) out[px] = src[*map++] | 0xFF000000u;
        continue;
      }
      for (int px = box.left; px < box.right; ++px) {
        const int j = w > 0 ? px - origin.x : origin.x - px;
        const int scol = xmap[static_cast<std::size_t>(j)];
        if (scol < 0) continue;
        const Argb s = src[scol];
        if (op == BlitOp::kInvert) {
          out[px] ^= (s & 0x00FFFFFFu);
        } else if (source.transparent) {
          out[px] = Over(s, out[px]);
        } else {
          out[px] = s | 0xFF000000u;
        }
      }
    }
  }
  return true;
}

}  // namespace gfx
