// Block transfers between device contexts.

#include "platform/gfx/blit.h"
#include "platform/gfx/gdi.h"

namespace win32 {

namespace {

BOOL FillOp(gfx::DeviceContext& dc, int x, int y, int w, int h, DWORD rop) {
  const win32::POINT o = dc.ToDevice(x, y);
  RECT r{std::min(o.x, o.x + w), std::min(o.y, o.y + h), std::max(o.x, o.x + w),
         std::max(o.y, o.y + h)};
  if (rop == BLACKNESS) {
    dc.FillDeviceRect(r, 0xFF000000u);
  } else if (rop == WHITENESS) {
    dc.FillDeviceRect(r, 0xFFFFFFFFu);
  } else {
    dc.InvertDeviceRect(r);
  }
  return TRUE;
}

}  // namespace

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int sx, int sy,
                int src_width, int src_height, DWORD rop) {
  gfx::DeviceContext* out = gfx::FindDeviceContext(dest);
  if (!out) return FALSE;
  if (rop == BLACKNESS || rop == WHITENESS || rop == DSTINVERT) {
    return FillOp(*out, x, y, width, height, rop);
  }
  gfx::DeviceContext* in = gfx::FindDeviceContext(src);
  if (!in || (rop != SRCCOPY && rop != SRCINVERT)) return FALSE;
  // The source is read through its own origin; copying a surface onto itself goes through a
  // snapshot so overlapping rectangles read the pixels as they were.
  std::unique_ptr<gfx::Bitmap> snapshot;
  const gfx::Bitmap* source = &in->target();
  if (in->target_ref() == out->target_ref()) {
    snapshot = in->target().Clone();
    source = snapshot.get();
  }
  const POINT s = in->ToDevice(sx, sy);
  gfx::StretchPixels(*out, x, y, width, height, gfx::PixelSource::From(*source), s.x, s.y,
                     src_width, src_height,
                     rop == SRCINVERT ? gfx::BlitOp::kInvert : gfx::BlitOp::kCopy);
  return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop) {
  return StretchBlt(dest, x, y, width, height, src, sx, sy, width, height, rop);
}

}  // namespace win32
