#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/vb/ole_color.h"
#include "platform/win/classic_look.h"
#include "platform/win/frame_metrics.h"
#include "platform/win/internal.h"

namespace win::detail {

using namespace win32;

// Draws the classic frame of a window onto its surface: borders, caption bar with icon,
// title and buttons, in the active or inactive colours.
void PaintNonClient(Window& window) {
  if (!window.surface) return;
  HDC hdc = window.window_dc;
  int w = window.width();
  int h = window.height();
  DWORD style = window.style;
  DWORD ex = window.ex_style;
  bool active = Input().active == window.handle ||
                (Input().active && Windows().TopLevelOf(window)->handle == Input().active &&
                 window.parent == 0);
  int frame = FrameWidth(style, ex);
  RECT outer{0, 0, w, h};
  if (style & WS_THICKFRAME) {
    look::RaisedEdge(hdc, outer);
    RECT inner{2, 2, w - 2, h - 2};
    RECT band = inner;
    int border = active ? vb::COLOR_ACTIVEBORDER : vb::COLOR_INACTIVEBORDER;
    look::FillSystem(hdc, {band.left, band.top, band.right, band.top + 2}, border);
    look::FillSystem(hdc, {band.left, band.bottom - 2, band.right, band.bottom}, border);
    look::FillSystem(hdc, {band.left, band.top, band.left + 2, band.bottom}, border);
    look::FillSystem(hdc, {band.right - 2, band.top, band.right, band.bottom}, border);
  } else if (frame == FrameMetrics::kDialogFrame) {
    look::RaisedEdge(hdc, outer);
    RECT ring{2, 2, w - 2, h - 2};
    HBRUSH face = static_cast<HBRUSH>(vb::COLOR_BTNFACE + 1);
    FrameRect(hdc, &ring, face);
  } else if (frame == FrameMetrics::kBorder) {
    HBRUSH black = static_cast<HBRUSH>(vb::COLOR_WINDOWFRAME + 1);
    FrameRect(hdc, &outer, black);
  }
  if (ex & WS_EX_CLIENTEDGE) {
    RECT edge{frame, window.insets.top - FrameMetrics::kClientEdge, w - frame, h - frame};
    look::SunkenEdge(hdc, edge);
  }
  if (!HasCaption(style)) {
    Windows().Damage(window);
    return;
  }
  CaptionLayout caption = LayoutCaption(style, ex, w);
  COLORREF left = vb::GetSysColor(active ? vb::COLOR_ACTIVECAPTION : vb::COLOR_INACTIVECAPTION);
  COLORREF right =
      vb::GetSysColor(active ? vb::COLOR_GRADIENTACTIVECAPTION : vb::COLOR_GRADIENTINACTIVECAPTION);
  look::Gradient(hdc, caption.bar, left, right);
  look::FillSystem(hdc,
                   {caption.bar.left, caption.bar.bottom, caption.bar.right,
                    caption.bar.bottom + FrameMetrics::kCaptionLine},
                   vb::COLOR_BTNFACE);
  if (caption.icon.right > caption.icon.left) {
    look::SmallIcon(hdc, caption.icon.left, caption.icon.top, look::WindowIcon(window.handle));
  }
  COLORREF text = vb::GetSysColor(active ? vb::COLOR_CAPTIONTEXT : vb::COLOR_INACTIVECAPTIONTEXT);
  look::Text(hdc, window.title, caption.text, text, true, DT_NOPREFIX);
  if (caption.close.right > caption.close.left) {
    look::CaptionButton(hdc, caption.close, look::Glyph::kClose, false, false);
  }
  if (caption.maximize.right > caption.maximize.left) {
    bool maximized = window.show_state == ShowState::kMaximized;
    look::CaptionButton(hdc, caption.maximize,
                        maximized ? look::Glyph::kRestore : look::Glyph::kMaximize, false,
                        !(style & WS_MAXIMIZEBOX));
    look::CaptionButton(
        hdc, caption.minimize,
        window.show_state == ShowState::kMinimized ? look::Glyph::kRestore : look::Glyph::kMinimize,
        false, !(style & WS_MINIMIZEBOX));
  }
  Windows().Damage(window);
}

}  // namespace win::detail
