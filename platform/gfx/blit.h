#pragma once

#include <cstdint>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/device_context.h"

namespace gfx {

// Pixels to copy from: a bitmap or a decoded picture.
struct PixelSource {
  const Argb* data = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;  // in pixels
  // A source with transparency draws only its opaque parts (blended at partial alpha).
  bool transparent = false;

  static PixelSource From(const Bitmap& bitmap, bool transparent = false);
  static PixelSource From(const vb::PixelBuffer& pixels);
};

enum class BlitOp {
  kCopy,    // source replaces destination (blended when the source is transparent)
  kInvert,  // destination XOR source
};

// Copies the source rectangle (sx, sy, sw, sh) onto the destination rectangle
// (x, y, w, h) in the context's logical coordinates, stretching by picking source pixels at
// the destination pixel centres. A negative width or height runs that side backwards from
// its corner (x, x - 1, ...), so opposite signs mirror the picture; a zero size draws
// nothing. Source pixels outside the source are skipped. Returns false when nothing could be
// drawn because of a zero size.
bool StretchPixels(DeviceContext& dc, int x, int y, int w, int h, const PixelSource& source, int sx,
                   int sy, int sw, int sh, BlitOp op = BlitOp::kCopy);

}  // namespace gfx
