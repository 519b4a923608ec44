// Pixels, lines, filled and framed rectangles, the focus rectangle and 3-D edges.

#include <algorithm>

#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/line_raster.h"

namespace win32 {

using gfx::ArgbFromColorref;
using gfx::DeviceContext;
using gfx::FindDeviceContext;

namespace {

RECT Normalized(const RECT& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

// Draws the four one-pixel strips just inside a rectangle.
void FrameDeviceRect(DeviceContext& dc, const RECT& r, gfx::Argb color) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  dc.FillDeviceRect({r.left, r.top, r.right, r.top + 1}, color);
  dc.FillDeviceRect({r.left, r.bottom - 1, r.right, r.bottom}, color);
  dc.FillDeviceRect({r.left, r.top, r.left + 1, r.bottom}, color);
  dc.FillDeviceRect({r.right - 1, r.top, r.right, r.bottom}, color);
}

// Stamps one pen pixel (a square of the pen's width centred on the point for wide pens).
void PlotPen(DeviceContext& dc, int x, int y) {
  const gfx::Argb color = ArgbFromColorref(dc.pen.color);
  if (dc.pen.width <= 1) {
    dc.SetDevicePixel(x, y, color);
    return;
  }
  const int half = dc.pen.width / 2;
  dc.FillDeviceRect({x - half, y - half, x - half + dc.pen.width, y - half + dc.pen.width}, color);
}

}  // namespace

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc) return FALSE;
  const POINT p = dc->ToDevice(x, y);
  if (!dc->IsDrawable(p.x, p.y)) return FALSE;
  dc->SetDevicePixel(p.x, p.y, ArgbFromColorref(color));
  return TRUE;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  return SetPixelV(hdc, x, y, color) ? (color & 0xFFFFFF) : CLR_INVALID;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc) return CLR_INVALID;
  const POINT p = dc->ToDevice(x, y);
  if (!dc->IsDrawable(p.x, p.y)) return CLR_INVALID;
  return gfx::ColorrefFromArgb(dc->target().pixel(p.x, p.y));
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc) return FALSE;
  if (previous) *previous = dc->position;
  dc->position = {x, y};
  return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc) return FALSE;
  const POINT from = dc->ToDevice(dc->position.x, dc->position.y);
  const POINT to = dc->ToDevice(x, y);
  if (dc->pen.style != PS_NULL) {
    gfx::RasterizeLine(from.x, from.y, to.x, to.y, [&](int px, int py) { PlotPen(*dc, px, py); });
  }
  dc->position = {x, y};
  return TRUE;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc || !rect) return FALSE;
  const std::optional<COLORREF> color = gfx::BrushColor(brush);
  if (!color) return brush != 0 && gfx::GdiObjects().FindAs<gfx::Brush>(brush) ? TRUE : FALSE;
  dc->FillDeviceRect(dc->ToDevice(*rect), ArgbFromColorref(*color));
  return TRUE;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc || !rect) return FALSE;
  const std::optional<COLORREF> color = gfx::BrushColor(brush);
  if (!color) return FALSE;
  FrameDeviceRect(*dc, dc->ToDevice(*rect), ArgbFromColorref(*color));
  return TRUE;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc || !rect) return FALSE;
  dc->InvertDeviceRect(dc->ToDevice(*rect));
  return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc || !rect) return FALSE;
  const RECT r = dc->ToDevice(*rect);
  if (r.right <= r.left || r.bottom <= r.top) return TRUE;
  // Every other pixel of the inner one-pixel frame is inverted: those with an even x + y in
  // device coordinates. Each frame pixel is visited once, so drawing twice erases.
  auto dot = [&](int x, int y) {
    if (((x + y) & 1) == 0) dc->InvertDevicePixel(x, y);
  };
  // Only the part of the frame that lies on the bitmap needs visiting.
  const int w = dc->target().width();
  const int h = dc->target().height();
  for (int x = std::max(r.left, 0); x < std::min(r.right, w); ++x) {
    dot(x, r.top);
    if (r.bottom - 1 > r.top) dot(x, r.bottom - 1);
  }
  for (int y = std::max(r.top + 1, 0); y < std::min(r.bottom - 1, h); ++y) {
    dot(r.left, y);
    if (r.right - 1 > r.left) dot(r.right - 1, y);
  }
  return TRUE;
}

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc || !rect) return FALSE;
  using namespace vb;
  const bool soft = (flags & BF_SOFT) != 0;
  const bool mono = (flags & BF_MONO) != 0;
  const bool flat = (flags & BF_FLAT) != 0;
  RECT r = dc->ToDevice(Normalized(*rect));

  // One pass per border (outer, then inner): the top-left strips first, then the
  // bottom-right ones, so the top-right and bottom-left corners take the second colour.
  struct Pass {
    UINT raised;
    UINT sunken;
    int raised_lt, raised_rb, sunken_lt, sunken_rb;
  };
  const Pass passes[2] = {
      {BDR_RAISEDOUTER, BDR_SUNKENOUTER, soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT,
       COLOR_3DDKSHADOW, soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT},
      {BDR_RAISEDINNER, BDR_SUNKENINNER, soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW,
       soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT},
  };
  for (const Pass& pass : passes) {
    int lt = -1;
    int rb = -1;
    if (edge & pass.raised) {
      lt = pass.raised_lt;
      rb = pass.raised_rb;
    } else if (edge & pass.sunken) {
      lt = pass.sunken_lt;
      rb = pass.sunken_rb;
    } else {
      continue;
    }
    if (flat) lt = rb = COLOR_BTNSHADOW;
    if (mono) lt = rb = COLOR_WINDOWFRAME;
    if (r.right <= r.left || r.bottom <= r.top) break;
    const gfx::Argb c1 = ArgbFromColorref(GetSysColor(lt));
    const gfx::Argb c2 = ArgbFromColorref(GetSysColor(rb));
    if (flags & BF_TOP) dc->FillDeviceRect({r.left, r.top, r.right, r.top + 1}, c1);
    if (flags & BF_LEFT) dc->FillDeviceRect({r.left, r.top, r.left + 1, r.bottom}, c1);
    if (flags & BF_BOTTOM) dc->FillDeviceRect({r.left, r.bottom - 1, r.right, r.bottom}, c2);
    if (flags & BF_RIGHT) dc->FillDeviceRect({r.right - 1, r.top, r.right, r.bottom}, c2);
    if (flags & BF_LEFT) ++r.left;
    if (flags & BF_TOP) ++r.top;
    if (flags & BF_RIGHT) --r.right;
    if (flags & BF_BOTTOM) --r.bottom;
  }
  if (flags & BF_MIDDLE) {
    dc->FillDeviceRect(r, ArgbFromColorref(GetSysColor(mono ? COLOR_WINDOW : COLOR_BTNFACE)));
  }
  if (flags & BF_ADJUST) {
    *rect = {r.left - dc->origin.x, r.top - dc->origin.y, r.right - dc->origin.x,
             r.bottom - dc->origin.y};
  }
  return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc) return FALSE;
  const RECT r = dc->ToDevice(Normalized({left, top, right, bottom}));
  if (!dc->brush.hollow) {
    const std::optional<COLORREF> fill = gfx::BrushColor(dc->brush_handle);
    if (fill) dc->FillDeviceRect(r, ArgbFromColorref(*fill));
  }
  if (dc->pen.style != PS_NULL) FrameDeviceRect(*dc, r, ArgbFromColorref(dc->pen.color));
  return TRUE;
}

}  // namespace win32
