#include "platform/win/classic_look.h"

#include "platform/gfx/blit.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/vb/ole_color.h"
#include "platform/win/internal.h"
#include "platform/win/shell.h"

namespace win::look {

using namespace win32;

void Fill(HDC hdc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &rect, brush);
  DeleteObject(brush);
}

void FillSystem(HDC hdc, const RECT& rect, int color_index) {
  FillRect(hdc, &rect, static_cast<HBRUSH>(color_index + 1));
}

void RaisedEdge(HDC hdc, const RECT& rect) {
  RECT r = rect;
  DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT);
}

void SunkenEdge(HDC hdc, const RECT& rect) {
  RECT r = rect;
  DrawEdge(hdc, &r, EDGE_SUNKEN, BF_RECT);
}

namespace {

void Pixels(HDC hdc, int x, int y, const char* const* rows, int count, COLORREF color) {
  for (int j = 0; j < count; ++j) {
    for (int i = 0; rows[j][i]; ++i) {
      if (rows[j][i] == '#') SetPixelV(hdc, x + i, y + j, color);
    }
  }
}

void DrawGlyph(HDC hdc, int x, int y, Glyph glyph, COLORREF color) {
  static const char* const kClose[] = {"##    ##", " ##  ## ", "  ####  ", "   ##   ",
                                       "  ####  ", " ##  ## ", "##    ##"};
  static const char* const kMaximize[] = {"#########", "#########", "#       #", "#       #",
                                          "#       #", "#       #", "#       #", "#########"};
  static const char* const kRestore[] = {"  ######",  "  ######",  "  #    #",
                                         "######  #", "######  #", "#    ###",
                                         "#    #  ",  "#    #  ",  "######  "};
  static const char* const kMinimize[] = {"######", "######"};
  switch (glyph) {
    case Glyph::kClose:
      Pixels(hdc, x + 4, y + 3, kClose, 7, color);
      break;
    case Glyph::kMaximize:
      Pixels(hdc, x + 3, y + 2, kMaximize, 8, color);
      break;
    case Glyph::kRestore:
      Pixels(hdc, x + 3, y + 1, kRestore, 9, color);
      break;
    case Glyph::kMinimize:
      Pixels(hdc, x + 4, y + 8, kMinimize, 2, color);
      break;
  }
}

}  // namespace

void CaptionButton(HDC hdc, const RECT& rect, Glyph glyph, bool pressed, bool disabled) {
  FillSystem(hdc, rect, vb::COLOR_BTNFACE);
  RECT r = rect;
  DrawEdge(hdc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  int shift = pressed ? 1 : 0;
  if (disabled) {
    DrawGlyph(hdc, rect.left + 1, rect.top + 1, glyph, vb::GetSysColor(vb::COLOR_BTNHIGHLIGHT));
    DrawGlyph(hdc, rect.left, rect.top, glyph, vb::GetSysColor(vb::COLOR_GRAYTEXT));
  } else {
    DrawGlyph(hdc, rect.left + shift, rect.top + shift, glyph, vb::GetSysColor(vb::COLOR_BTNTEXT));
  }
}

void Gradient(HDC hdc, const RECT& rect, COLORREF left, COLORREF right) {
  int width = rect.right - rect.left;
  if (width <= 0) return;
  for (int i = 0; i < width; ++i) {
    auto mix = [&](int shift) {
      int a = (left >> shift) & 0xFF, b = (right >> shift) & 0xFF;
      return static_cast<COLORREF>(a + (b - a) * i / std::max(1, width - 1)) << shift;
    };
    RECT column{rect.left + i, rect.top, rect.left + i + 1, rect.bottom};
    Fill(hdc, column, mix(0) | mix(8) | mix(16));
  }
}

HFONT UiFont(bool bold) {
  // GDI objects are process-wide, so one pair of fonts serves every desktop.
  static HFONT normal = 0;
  static HFONT heavy = 0;
  HFONT& font = bold ? heavy : normal;
  if (!font) {
    LOGFONTA lf;
    lf.lfHeight = -11;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfFaceName = "MS Sans Serif";
    font = CreateFontIndirectA(&lf);
  }
  return font;
}

void Text(HDC hdc, std::string_view text, RECT rect, COLORREF color, bool bold, UINT extra_format) {
  if (text.empty()) return;
  HGDIOBJ old_font = SelectObject(hdc, UiFont(bold));
  COLORREF old_color = SetTextColor(hdc, color);
  int old_mode = SetBkMode(hdc, TRANSPARENT);
  DrawTextA(hdc, text, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | extra_format);
  SetBkMode(hdc, old_mode);
  SetTextColor(hdc, old_color);
  if (old_font) SelectObject(hdc, old_font);
}

void DefaultIcon(HDC hdc, int x, int y) {
  Fill(hdc, {x + 1, y + 2, x + 15, y + 14}, 0x000000);
  Fill(hdc, {x + 2, y + 3, x + 14, y + 13}, 0xFFFFFF);
  Fill(hdc, {x + 2, y + 3, x + 14, y + 5}, vb::GetSysColor(vb::COLOR_ACTIVECAPTION));
  Fill(hdc, {x + 3, y + 7, x + 10, y + 8}, 0x808080);
  Fill(hdc, {x + 3, y + 9, x + 12, y + 10}, 0x808080);
}

}  // namespace win::look

namespace win::look {

using namespace win32;

void SmallIcon(HDC hdc, int x, int y, HICON icon) {
  std::shared_ptr<vb::StdPicture> picture =
      icon ? detail::Current().shell().FindIcon(icon) : nullptr;
  gfx::DeviceContext* dc = gfx::FindDeviceContext(hdc);
  if (!picture || !picture->Pixels() || !dc) {
    DefaultIcon(hdc, x, y);
    return;
  }
  gfx::StretchPixels(*dc, x, y, 16, 16, gfx::PixelSource::From(*picture->Pixels()), 0, 0,
                     picture->PixelWidth(), picture->PixelHeight());
}

HICON WindowIcon(HWND hwnd) {
  Window* window = detail::Lookup(hwnd);
  if (!window) return 0;
  return window->icon_small ? window->icon_small : window->icon_big;
}

}  // namespace win::look
