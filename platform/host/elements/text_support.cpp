#include "platform/host/elements/text_support.h"

#include <memory>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"

namespace host {

win32::HDC MeasuringDC() {
  static win32::HDC dc = gfx::CreateDeviceContext(std::make_shared<gfx::Bitmap>(1, 1));
  return dc;
}

win32::SIZE MeasureText(const vb::StdFont& font, const std::string& text, bool no_prefix) {
  win32::HDC dc = MeasuringDC();
  win32::HFONT f = gfx::CreateFontFromStdFont(font);
  win32::HGDIOBJ old = win32::SelectObject(dc, f);
  win32::RECT r{0, 0, 0, 0};
  win32::UINT format =
      win32::DT_CALCRECT | win32::DT_SINGLELINE | (no_prefix ? win32::DT_NOPREFIX : 0);
  win32::DrawTextA(dc, text, -1, &r, format);
  win32::TEXTMETRICA tm;
  win32::GetTextMetricsA(dc, &tm);
  win32::SelectObject(dc, old);
  win32::DeleteObject(f);
  return {r.right - r.left, text.empty() ? tm.tmHeight : r.bottom - r.top};
}

int LineHeight(const vb::StdFont& font) {
  win32::HDC dc = MeasuringDC();
  win32::HFONT f = gfx::CreateFontFromStdFont(font);
  win32::HGDIOBJ old = win32::SelectObject(dc, f);
  win32::TEXTMETRICA tm;
  win32::GetTextMetricsA(dc, &tm);
  win32::SelectObject(dc, old);
  win32::DeleteObject(f);
  return tm.tmHeight;
}

void DrawTextIn(win32::HDC hdc, const vb::StdFont& font, vb::COLORREF color,
                const std::string& text, win32::RECT rect, win32::UINT format) {
  win32::HFONT f = gfx::CreateFontFromStdFont(font);
  win32::HGDIOBJ old = win32::SelectObject(hdc, f);
  int old_mode = win32::SetBkMode(hdc, win32::TRANSPARENT);
  vb::COLORREF old_color = win32::SetTextColor(hdc, color);
  win32::DrawTextA(hdc, text, -1, &rect, format);
  win32::SetTextColor(hdc, old_color);
  win32::SetBkMode(hdc, old_mode);
  win32::SelectObject(hdc, old);
  win32::DeleteObject(f);
}

void FillSolid(win32::HDC hdc, win32::RECT rect, vb::COLORREF color) {
  win32::HBRUSH brush = win32::CreateSolidBrush(color);
  win32::FillRect(hdc, &rect, brush);
  win32::DeleteObject(brush);
}

}  // namespace host
