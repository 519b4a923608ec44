// Objects and device-context state: brushes, pens, selection, deletion, colours, modes.

#include <algorithm>

#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"

namespace win32 {

using gfx::DeviceContext;
using gfx::FindDeviceContext;
using gfx::GdiObjects;

HBRUSH CreateSolidBrush(COLORREF color) {
  return GdiObjects().Add(gfx::Brush{false, color & 0xFFFFFF, -1});
}

HBRUSH GetSysColorBrush(int index) {
  if (index < 0 || index >= vb::kSystemColorCount) return 0;
  // One permanent brush per system colour, made on first use.
  static HBRUSH brushes[vb::kSystemColorCount] = {};
  HBRUSH& brush = brushes[index];
  if (!brush || !GdiObjects().Find(brush)) {
    brush = GdiObjects().Add(gfx::Brush{false, 0, index}, true);
  }
  return brush;
}

HPEN CreatePen(int style, int width, COLORREF color) {
  if (style < PS_SOLID || style > PS_NULL) style = PS_SOLID;
  return GdiObjects().Add(gfx::Pen{style, std::max(width, 1), color & 0xFFFFFF});
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
  DeviceContext* dc = FindDeviceContext(hdc);
  gfx::GdiObject* found = GdiObjects().Find(object);
  if (!dc || !found) return 0;
  HGDIOBJ previous = 0;
  if (auto* pen = std::get_if<gfx::Pen>(found)) {
    previous = dc->pen_handle;
    dc->pen = *pen;
    dc->pen_handle = object;
  } else if (auto* brush = std::get_if<gfx::Brush>(found)) {
    previous = dc->brush_handle;
    dc->brush = *brush;
    dc->brush_handle = object;
  } else if (auto* font = std::get_if<std::shared_ptr<const gfx::LogicalFont>>(found)) {
    previous = dc->font_handle;
    dc->font = *font;
    dc->font_handle = object;
  } else if (auto* bitmap = std::get_if<std::shared_ptr<gfx::Bitmap>>(found)) {
    previous = dc->bitmap_handle;
    dc->set_target(*bitmap);
    dc->bitmap_handle = object;
  } else if (std::holds_alternative<gfx::Region>(found[0])) {
    return static_cast<HGDIOBJ>(SelectClipRgn(hdc, object));
  }
  return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
  gfx::GdiObject* found = GdiObjects().Find(object);
  // Device contexts go through DeleteDC. A device context keeps its own copy of whatever is
  // selected in it, so deleting a selected object cannot leave it dangling.
  if (!found || std::holds_alternative<std::shared_ptr<DeviceContext>>(*found)) return FALSE;
  if (GdiObjects().IsPermanent(object)) return TRUE;  // stock objects ignore deletion
  return GdiObjects().Remove(object) ? TRUE : FALSE;
}

HDC CreateCompatibleDC(HDC hdc) {
  if (hdc != 0 && !FindDeviceContext(hdc)) return 0;
  return gfx::CreateDeviceContext(nullptr);
}

BOOL DeleteDC(HDC hdc) {
  if (!FindDeviceContext(hdc)) return FALSE;
  return GdiObjects().Remove(hdc) ? TRUE : FALSE;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
  if (!FindDeviceContext(hdc)) return 0;
  if (width < 0 || height < 0 || width > gfx::Bitmap::kMaxDimension ||
      height > gfx::Bitmap::kMaxDimension) {
    return 0;
  }
  // A new compatible bitmap starts black, as the platform's does.
  return GdiObjects().Add(
      std::make_shared<gfx::Bitmap>(std::max(width, 1), std::max(height, 1), 0xFF000000u));
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc) return FALSE;
  if (previous) *previous = dc->origin;
  dc->origin = {x, y};
  return TRUE;
}

BOOL GetViewportOrgEx(HDC hdc, POINT* origin) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc || !origin) return FALSE;
  *origin = dc->origin;
  return TRUE;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc) return CLR_INVALID;
  const COLORREF previous = dc->text_color;
  dc->text_color = color & 0xFFFFFF;
  return previous;
}

COLORREF GetTextColor(HDC hdc) {
  DeviceContext* dc = FindDeviceContext(hdc);
  return dc ? dc->text_color : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc) return CLR_INVALID;
  const COLORREF previous = dc->bk_color;
  dc->bk_color = color & 0xFFFFFF;
  return previous;
}

COLORREF GetBkColor(HDC hdc) {
  DeviceContext* dc = FindDeviceContext(hdc);
  return dc ? dc->bk_color : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
  DeviceContext* dc = FindDeviceContext(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int previous = dc->bk_mode;
  dc->bk_mode = mode;
  return previous;
}

int GetBkMode(HDC hdc) {
  DeviceContext* dc = FindDeviceContext(hdc);
  return dc ? dc->bk_mode : 0;
}

}  // namespace win32
