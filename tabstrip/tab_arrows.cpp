// Painting of the scroll panel's two arrow buttons.
#include "platform/gfx/gdi.h"
#include "platform/vb/convert.h"
#include "tabstrip/tab_drawing_tools.h"
#include "tabstrip/xp_tabstrip.h"

namespace quorin {

void XPTabstrip::PaintArrowButton(VB::PictureBox& button, bool back, bool hover) {
  button.Cls();
  win32::HDC hdc = button.hDC();
  const int width = static_cast<int>(vb::RoundHalfEven(button.ScaleWidth()));
  const int height = static_cast<int>(vb::RoundHalfEven(button.ScaleHeight()));
  win32::RECT r{0, 0, width, height};
  // A vertical gradient over the whole face, dark at the bottom.
  GradientFill(hdc, r, ShiftColor(back_color_scroll_, 30), ShiftColor(back_color_scroll_, -30),
               height);
  r = {0, 0, width, height};
  PaintRect(hdc, r, frame_color_, false);
  if (hover) {
    win32::InflateRect(&r, -1, -1);
    PaintRect(hdc, r, tab_hot_strip_color_, false);
  }

  const vb::COLORREF c = scroll_arrow_color_;
  if (alignment_ == tTop || alignment_ == tBottom) {
    // Three parallel chevrons centred in the square button.
    const int m = static_cast<int>(vb::RoundHalfEven((tab_height_ - 4) / 2.0));
    const int side = back ? 1 : -1;  // which way the arms open
    for (int k = 1; k <= 3; ++k) {
      const int j = 4 - k;
      DrawLine(hdc, m - side * j, m, m + side * k, m - 4, c);
      DrawLine(hdc, m - side * j, m, m + side * k, m + 4, c);
    }
    PlotPixel(hdc, m + side, m - 4, c);
    PlotPixel(hdc, m + side, m + 4, c);
  } else if (alignment_ == tLeft || alignment_ == tRight) {
    // Drawn at fixed heights, centred across the band.
    const int m = static_cast<int>(vb::RoundHalfEven(WidestTab / 2.0 - 2));
    if (back) {
      for (int k = 0; k <= 2; ++k) DrawLine(hdc, m - 4, 9 + k, m, 5 + k, c);
      for (int k = 0; k <= 2; ++k) DrawLine(hdc, m - 1, 6 + k, m + 3, 10 + k, c);
      PlotPixel(hdc, m - 5, 10, c);
      PlotPixel(hdc, m + 3, 10, c);
    } else {
      for (int k = 0; k <= 2; ++k) DrawLine(hdc, m - 4, 7 + k, m, 11 + k, c);
      for (int k = 0; k <= 2; ++k) DrawLine(hdc, m - 1, 10 + k, m + 3, 6 + k, c);
      PlotPixel(hdc, m - 5, 8, c);
      PlotPixel(hdc, m + 3, 8, c);
    }
  }
  button.Visible(true);
  button.Refresh();
}

}  // namespace quorin
