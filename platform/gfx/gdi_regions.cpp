// Region calls. Regions are kept in the process's object table by handle.

#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"

namespace win32 {

namespace {

gfx::Region* FindRegion(HRGN handle) {
  return gfx::GdiObjects().FindAs<gfx::Region>(handle);
}

int Complexity(const gfx::Region& region) {
  if (region.empty()) return NULLREGION;
  return region.rect_count() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return gfx::GdiObjects().Add(gfx::Region(left, top, right, bottom));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
  if (!rect) return 0;
  return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
  gfx::Region* out = FindRegion(dest);
  const gfx::Region* a = FindRegion(src1);
  if (!out || !a || mode < RGN_AND || mode > RGN_COPY) return ERROR;
  if (mode == RGN_COPY) {
    *out = *a;
    return Complexity(*out);
  }
  const gfx::Region* b = FindRegion(src2);
  if (!b) return ERROR;
  gfx::Region result = *a;
  switch (mode) {
    case RGN_AND:
      result.Intersect(*b);
      break;
    case RGN_OR:
      result.Union(*b);
      break;
    case RGN_XOR:
      result.Xor(*b);
      break;
    case RGN_DIFF:
      result.Subtract(*b);
      break;
  }
  *out = result;
  return Complexity(*out);
}

BOOL PtInRegion(HRGN handle, int x, int y) {
  const gfx::Region* region = FindRegion(handle);
  return region && region->contains(x, y) ? TRUE : FALSE;
}

int OffsetRgn(HRGN handle, int dx, int dy) {
  gfx::Region* region = FindRegion(handle);
  if (!region) return ERROR;
  region->Offset(dx, dy);
  return Complexity(*region);
}

int GetRgnBox(HRGN handle, RECT* box) {
  const gfx::Region* region = FindRegion(handle);
  if (!region || !box) return ERROR;
  *box = region->bounds();
  return Complexity(*region);
}

BOOL EqualRgn(HRGN a, HRGN b) {
  const gfx::Region* ra = FindRegion(a);
  const gfx::Region* rb = FindRegion(b);
  return ra && rb && *ra == *rb ? TRUE : FALSE;
}

BOOL SetRectRgn(HRGN handle, int left, int top, int right, int bottom) {
  gfx::Region* region = FindRegion(handle);
  if (!region) return FALSE;
  *region = gfx::Region(left, top, right, bottom);
  return TRUE;
}

int SelectClipRgn(HDC hdc, HRGN handle) {
  gfx::DeviceContext* dc = gfx::FindDeviceContext(hdc);
  if (!dc) return ERROR;
  if (handle == 0) {
    dc->set_clip(std::nullopt);
    return SIMPLEREGION;
  }
  const gfx::Region* region = FindRegion(handle);
  if (!region) return ERROR;
  dc->set_clip(*region);
  return Complexity(*region);
}

}  // namespace win32
