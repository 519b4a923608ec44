// Painting of the tabs: backgrounds, outlines with their strips, captions and pictures.
#include <algorithm>
#include <vector>

#include "platform/gfx/blit.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/vb/ansi.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "tabstrip/tab_drawing_tools.h"
#include "tabstrip/tab_outline.h"
#include "tabstrip/xp_tabstrip.h"

namespace quorin {

void GradientFill(win32::HDC hdc, win32::RECT& rect, vb::COLORREF light, vb::COLORREF dark,
                  int steps) {
  if (steps < 0) return;
  const int thickness = std::max(steps / 255, 1);
  const int dark_rgb[3] = {vb::GetRValue(dark), vb::GetGValue(dark), vb::GetBValue(dark)};
  const int diff[3] = {vb::GetRValue(light) - dark_rgb[0], vb::GetGValue(light) - dark_rgb[1],
                       vb::GetBValue(light) - dark_rgb[2]};
  vb::COLORREF current = dark;
  for (int c = steps; c >= 0; c -= thickness) {
    rect.top = rect.bottom - thickness;
    win32::HBRUSH brush = win32::CreateSolidBrush(current);
    win32::FillRect(hdc, &rect, brush);
    win32::DeleteObject(brush);
    rect.bottom = rect.top;
    int channel[3];
    for (int k = 0; k < 3; ++k) {
      // With no steps there is nothing to blend towards.
      const double blend = steps == 0 ? 0.0 : static_cast<double>(steps - c) * diff[k] / steps;
      channel[k] = std::clamp(static_cast<int>(vb::RoundHalfEven(dark_rgb[k] + blend)), 0, 255);
    }
    current = vb::RGB(channel[0], channel[1], channel[2]);
  }
}

void XPTabstrip::PaintRect(win32::HDC hdc, win32::RECT rect, vb::OLE_COLOR colour, bool fill) {
  win32::HBRUSH brush = win32::CreateSolidBrush(ShiftColor(colour, 0));
  if (fill) {
    win32::FillRect(hdc, &rect, brush);
  } else {
    win32::FrameRect(hdc, &rect, brush);
  }
  win32::DeleteObject(brush);
}

void XPTabstrip::DrawLine(win32::HDC hdc, int x1, int y1, int x2, int y2, vb::OLE_COLOR colour) {
  win32::HPEN pen = win32::CreatePen(win32::PS_SOLID, 1, colour);
  win32::HGDIOBJ old = win32::SelectObject(hdc, pen);
  win32::MoveToEx(hdc, x1, y1, nullptr);
  win32::LineTo(hdc, x2, y2);
  win32::SelectObject(hdc, old);
  win32::DeleteObject(pen);
}

void XPTabstrip::PlotPixel(win32::HDC hdc, int x, int y, vb::OLE_COLOR colour) {
  win32::SetPixelV(hdc, x, y, colour);
}

const win32::RECT& XPTabstrip::RectOf(std::int32_t Index) const {
  if (Index < 0 || Index > number_of_tabs_ || static_cast<std::size_t>(Index) >= TabRects.size()) {
    throw vb::Error(vb::kSubscriptOutOfRange, "tab " + std::to_string(Index));
  }
  return TabRects[static_cast<std::size_t>(Index)];
}

void XPTabstrip::PaintTabBackground(std::int32_t i) {
  const win32::RECT& t = RectOf(i);
  win32::RECT r = t;
  if (alignment_ != tRight) r.left = t.left + 1;
  const int steps = alignment_ == tBottom ? t.bottom - t.top - 3 : t.bottom - t.top - 2;
  GradientFill(hDC(), r, ShiftColor(back_color_, 20), ShiftColor(back_color_, -20), steps);
}

void XPTabstrip::DrawUnSelectedTab(std::int32_t Index) {
  TabOutline o;
  if (!OutlineOf(alignment_, RectOf(Index), false, o)) return;
  win32::HDC hdc = hDC();
  for (const TabLine& l : o.lines) DrawLine(hdc, l.x1, l.y1, l.x2, l.y2, frame_color_);
  for (const TabPixel& p : o.corners) PlotPixel(hdc, p.x, p.y, frame_color_);
  if (Index == HotTab && HotActive) {
    const vb::COLORREF strip[3] = {tab_hot_strip_color_, ShiftColor(tab_hot_strip_color_, 20),
                                   ShiftColor(tab_hot_strip_color_, 40)};
    for (int k = 0; k < 3; ++k) {
      const TabLine& l = o.strip[static_cast<std::size_t>(k)];
      DrawLine(hdc, l.x1, l.y1, l.x2, l.y2, strip[k]);
    }
  }
}

void XPTabstrip::DrawSelectedTab(std::int32_t Index) {
  const win32::RECT& r = RectOf(Index);
  TabOutline o;
  if (!OutlineOf(alignment_, r, true, o)) return;
  win32::HDC hdc = hDC();
  for (const TabLine& l : o.lines) DrawLine(hdc, l.x1, l.y1, l.x2, l.y2, frame_color_);
  for (const TabPixel& p : o.corners) PlotPixel(hdc, p.x, p.y, frame_color_);
  DrawLine(hdc, o.wipe.x1, o.wipe.y1, o.wipe.x2, o.wipe.y2, back_color_);
  if (HasFocus) {
    const vb::COLORREF strip[3] = {tab_hot_strip_color_, ShiftColor(tab_hot_strip_color_, 20),
                                   ShiftColor(tab_hot_strip_color_, 40)};
    for (int k = 0; k < 3; ++k) {
      const TabLine& l = o.strip[static_cast<std::size_t>(k)];
      DrawLine(hdc, l.x1, l.y1, l.x2, l.y2, strip[k]);
    }
    if (!no_focus_rect_) win32::DrawFocusRect(hdc, &r);
  }
}

void XPTabstrip::DrawTabCaption(std::int32_t i) {
  const win32::RECT tab = RectOf(i);
  const TabRecord& record = tabs_[static_cast<std::size_t>(i)];
  win32::HDC hdc = hDC();
  win32::RECT t = tab;
  std::int32_t picX = 0;
  std::int32_t picY = 0;
  GetPictureSize(record.Picture, picX, picY);
  const int n = vb::AnsiLength(record.Caption);
  win32::DrawTextA(hdc, record.Caption, n, &t, win32::DT_CALCRECT);
  const int text_width = t.right - t.left;
  const int h = static_cast<int>(vb::RoundHalfEven((tab.bottom - tab.top) / 2.0));
  const int th = static_cast<int>(vb::RoundHalfEven((t.bottom - t.top) / 2.0));

  win32::UINT format = win32::DT_CENTER | win32::DT_VCENTER | win32::DT_SINGLELINE;
  if (tab.right - tab.left < picX + 4 + text_width) {
    // Too narrow: the caption ends in an ellipsis at the tab's right edge.
    format = win32::DT_WORD_ELLIPSIS;
    t.right = tab.right - picX - 4;
  }
  const bool selected = i == selected_tab_;
  int dx = 4;
  int dy = 0;
  switch (alignment_) {
    case tTop:
      dy = selected ? 1 : 0;
      break;
    case tLeft:
      dx = selected ? 2 : 4;
      break;
    case tRight:
      dx = selected ? 4 : 2;
      break;
    case tBottom:
      dy = selected ? -2 : 0;
      break;
  }
  win32::OffsetRect(&t, picX + dx, h - th - dy);

  if (!vb::IsEmpty(record.Picture)) {
    // The picture sits in its room before the caption, centred on the tab's height.
    const int px = tab.left + dx;
    const int py =
        tab.top + static_cast<int>(vb::RoundHalfEven((tab.bottom - tab.top - picY) / 2.0)) - dy;
    PaintTabPicture(i, px, py, std::min(px + picX, static_cast<int>(tab.right)),
                    std::min(py + picY, static_cast<int>(tab.bottom)));
  }

  vb::COLORREF colour = fore_color_;
  if (!record.Enabled) {
    colour = fore_color_disabled_;
  } else if (i == HotTab) {
    colour = fore_color_hot_;
  } else if (selected) {
    colour = fore_color_active_;
  }
  win32::SetTextColor(hdc, colour);
  win32::DrawTextA(hdc, record.Caption, n, &t, format);
}

void XPTabstrip::PaintTabPicture(std::int32_t i, int x, int y, int room_right, int room_bottom) {
  const vb::PictureRef& picture = tabs_[static_cast<std::size_t>(i)].Picture;
  gfx::DeviceContext* dc = gfx::FindDeviceContext(hDC());
  if (!dc || room_right <= x || room_bottom <= y) return;
  std::int32_t picX = 0;
  std::int32_t picY = 0;
  GetPictureSize(picture, picX, picY);
  if (picX <= 0 || picY <= 0) return;
  // MaskColor marks the picture's transparent pixels.
  vb::PixelBuffer masked = *picture->Pixels();
  const gfx::Argb key = gfx::ArgbFromColorref(mask_color_) | 0xFF000000u;
  for (std::uint32_t& p : masked.pixels) {
    if ((p | 0xFF000000u) == key && (p >> 24) == 0xFF) {
      p = 0;
      masked.has_transparency = true;
    }
  }
  gfx::PixelSource source = gfx::PixelSource::From(masked);
  // Only the part inside the room is drawn.
  const int w = room_right - x;
  const int hgt = room_bottom - y;
  const int sw = static_cast<int>(static_cast<long long>(masked.width) * w / picX);
  const int sh = static_cast<int>(static_cast<long long>(masked.height) * hgt / picY);
  gfx::StretchPixels(*dc, x, y, w, hgt, source, 0, 0, std::max(sw, 1), std::max(sh, 1));
}

}  // namespace quorin
