// Layout of the tabs, the body and the scroll panel, and the scrolling arrow buttons.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/control/placement.h"
#include "platform/host/services/screen.h"
#include "platform/vb/ansi.h"
#include "platform/vb/convert.h"
#include "platform/win/input.h"
#include "platform/win/user32.h"
#include "tabstrip/tab_drawing_tools.h"
#include "tabstrip/xp_tabstrip.h"

namespace quorin {

namespace {

bool Horizontal(eTabAlignment a) {
  return a == tTop || a == tBottom;
}

bool Valid(eTabAlignment a) {
  return a == tTop || a == tLeft || a == tRight || a == tBottom;
}

}  // namespace

std::int32_t XPTabstrip::AutoTabWidth(std::int32_t i) {
  const TabRecord& tab = tabs_[static_cast<std::size_t>(i)];
  win32::RECT r{0, 0, 0, 0};
  win32::DrawTextA(hDC(), tab.Caption, vb::AnsiLength(tab.Caption), &r, win32::DT_CALCRECT);
  std::int32_t picX = 0;
  std::int32_t picY = 0;
  GetPictureSize(tab.Picture, picX, picY);
  return (r.right - r.left) + picX + 10;
}

std::int32_t XPTabstrip::TabWidthOf(std::int32_t i) {
  const TabRecord& tab = tabs_[static_cast<std::size_t>(i)];
  return tab.AutoSize ? AutoTabWidth(i) : tab.Width;
}

void XPTabstrip::RenderTabs() {
  if (FirstVisibleTab <= 0) FirstVisibleTab = 1;
  if (LastVisibleTab <= 0) LastVisibleTab = 1;

  win32::HDC hdc = hDC();
  SelectedFont font(hdc, *DrawingSurface::Font());
  const std::int32_t n =
      std::min<std::int32_t>(number_of_tabs_, static_cast<std::int32_t>(tabs_.size()) - 1);
  // Each width is measured once per layout; nothing is kept between layouts.
  std::vector<std::int64_t> w(static_cast<std::size_t>(std::max(n, 0)) + 1, 0);
  if (Valid(alignment_)) {
    for (std::int32_t i = 1; i <= n; ++i) w[static_cast<std::size_t>(i)] = TabWidthOf(i);
  }
  const double scale_width = ScaleWidth();
  const double scale_height = ScaleHeight();

  // Overflow test.
  bool overflow = false;
  if (Horizontal(alignment_)) {
    std::int64_t total = 2;
    for (std::int32_t i = 1; i <= n; ++i) {
      total += w[static_cast<std::size_t>(i)] + 2;
      if (scale_width < static_cast<double>(total)) overflow = true;
    }
  } else if (Valid(alignment_)) {
    std::int64_t widest = 0;
    std::int64_t total = 2;
    for (std::int32_t i = 1; i <= n; ++i) {
      widest = std::max(widest, w[static_cast<std::size_t>(i)]);
      total += tab_height_ + 1;
    }
    WidestTab = static_cast<std::int32_t>(widest);
    overflow = static_cast<double>(total) > scale_height;
  }

  // Visible range. The panel is hidden unless the tabs overflow; it is not hidden and shown
  // again within one layout, since it may hold the control's focus.
  if (!overflow) {
    picBlank->Visible(false);
    FirstVisibleTab = 1;
    LastVisibleTab = n;
  } else {
    LayoutScrollPanel();
    if (FirstVisibleTab > n) FirstVisibleTab = n;
    const double limit =
        vb::RoundHalfEven(Horizontal(alignment_) ? picBlank->Left() : picBlank->Top());
    std::int64_t sum = 0;
    bool reached = false;
    for (std::int32_t i = FirstVisibleTab; i <= n; ++i) {
      sum += Horizontal(alignment_) ? w[static_cast<std::size_t>(i)] + 2 : tab_height_ + 1;
      if (limit < static_cast<double>(sum)) {
        // This tab reaches under the panel: it is drawn, the panel hides its end.
        ScrollForwardOn = true;
        ScrollEnd = false;
        LastVisibleTab = i;
        reached = true;
        break;
      }
      ScrollForwardOn = false;
      ScrollEnd = true;
    }
    if (!reached) LastVisibleTab = n;
  }

  // The body.
  win32::RECT client{0, 0, 0, 0};
  if (!hWnd() || !win32::GetClientRect(hWnd(), &client)) {
    client = {0, 0, static_cast<int>(scale_width), static_cast<int>(scale_height)};
  }
  BodyRect = client;
  if (alignment_ == tLeft || alignment_ == tRight) {
    std::int64_t widest = 0;
    for (std::int32_t i = 1; i <= n; ++i) widest = std::max(widest, w[static_cast<std::size_t>(i)]);
    WidestTab = static_cast<std::int32_t>(std::max<std::int64_t>(widest, 20));
  }
  switch (alignment_) {
    case tTop:
      BodyRect.top += tab_height_;
      break;
    case tLeft:
      BodyRect.left += WidestTab;
      break;
    case tRight:
      BodyRect.right -= WidestTab;
      break;
    case tBottom:
      BodyRect.bottom -= tab_height_;
      break;
  }
  Cls();
  PaintRect(hdc, BodyRect, frame_color_, false);

  // The tabs, outlines first, then every caption.
  if (Valid(alignment_) && n > 0) {
    TabRects.resize(static_cast<std::size_t>(n) + 1);
    const std::int32_t first = std::max(FirstVisibleTab, 1);
    const std::int32_t last = std::min(LastVisibleTab, n);
    std::int64_t x = 2;
    std::int64_t y = 2;
    for (std::int32_t i = first; i <= last; ++i) {
      const std::int64_t wi = w[static_cast<std::size_t>(i)];
      std::int64_t l = 0, t = 0, r = 0, b = 0;
      switch (alignment_) {
        case tTop:
          l = x, t = 2, r = x + wi, b = tab_height_;
          x += wi + 2;
          break;
        case tBottom:
          l = x, t = BodyRect.bottom - 2, r = x + wi, b = BodyRect.bottom - 2 + tab_height_;
          x += wi + 2;
          break;
        case tLeft:
          l = 2, t = y, r = WidestTab, b = y + tab_height_;
          y += tab_height_ + 1;
          break;
        case tRight:
          l = BodyRect.right, t = y, r = BodyRect.right + WidestTab - 2, b = y + tab_height_;
          y += tab_height_ + 1;
          break;
      }
      auto clamp = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
      };
      TabRects[static_cast<std::size_t>(i)] = {clamp(l), clamp(t), clamp(r), clamp(b)};
      if (i == selected_tab_) {
        DrawSelectedTab(i);
      } else {
        PaintTabBackground(i);
        DrawUnSelectedTab(i);
      }
    }
    for (std::int32_t i = first; i <= last; ++i) DrawTabCaption(i);
  }
  Refresh();
}

void XPTabstrip::LayoutScrollPanel() {
  picBlank->BackColor(back_color_);
  const float s = static_cast<float>(tab_height_ - 4);
  const float th = static_cast<float>(tab_height_);
  const float sw = ScaleWidth();
  const float sh = ScaleHeight();
  // A band narrower than the buttons' margins gets buttons of no width.
  const float band = static_cast<float>(std::max(WidestTab, 0));
  const float button = std::max(band - 4, 0.0f);
  switch (alignment_) {
    case tTop:
    case tBottom:
      picBlank->Move(sw - 2 * s - 4, alignment_ == tTop ? 0 : sh - th, 2 * s + 4, th);
      pLeftUp->Move(2, (th - s) / 2, s, s);
      pRightDown->Move(s + 4, 2, s, s);  // the panel's width less one button
      break;
    case tLeft:
    case tRight:
      picBlank->Move(alignment_ == tLeft ? 0 : sw - band, sh - 46, alignment_ == tLeft ? band : sw,
                     46);
      pLeftUp->Move(2, 4, button, 20);
      pRightDown->Move(2, 46 - 20, button, 20);
      break;
    default:
      return;
  }
  picBlank->Visible(true);
  PaintArrowButton(*pLeftUp, true, HoverBack);
  PaintArrowButton(*pRightDown, false, HoverForward);
}

bool XPTabstrip::PauseAndPump(std::uint32_t ms) {
  if (ms > 0) win32::Sleep(ms);
  host::DoEvents();
  return alive();
}

void XPTabstrip::pLeftUp_MouseDown() {
  auto keep = host::KeepAlive(*this);
  ScrollBackHeld = true;
  --FirstVisibleTab;
  DrawTab();
  if (!PauseAndPump(500)) return;
  // A position of 0 is turned back to 1 by the layout. The repeat ends once the first tab
  // shows, as the forward one ends at the last: a press held there has nothing left to do,
  // and a loop without end would never let a run without its release finish.
  while (ScrollBackHeld && FirstVisibleTab > 1) {
    win32::Sleep(1);
    --FirstVisibleTab;
    DrawTab();
    if (!PauseAndPump(0)) return;
  }
}

void XPTabstrip::pLeftUp_MouseUp() {
  ScrollBackHeld = false;
}

void XPTabstrip::pRightDown_MouseDown(std::int16_t, std::int16_t, float, float) {
  if (ScrollEnd) return;
  auto keep = host::KeepAlive(*this);
  ScrollForwardOn = true;
  if (LastVisibleTab == number_of_tabs_) return;
  ++FirstVisibleTab;
  DrawTab();
  if (!PauseAndPump(500)) return;
  // The layout clears ScrollForwardOn once every remaining tab fits, ending the repeat.
  while (ScrollForwardOn) {
    win32::Sleep(1);
    ++FirstVisibleTab;
    DrawTab();
    if (!PauseAndPump(0)) return;
  }
}

void XPTabstrip::pRightDown_MouseUp() {
  ScrollForwardOn = false;
}

}  // namespace quorin
