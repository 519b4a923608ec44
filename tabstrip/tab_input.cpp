// Mouse, keyboard, access-key and focus handling of the tab strip.
#include "platform/gfx/gdi.h"
#include "platform/vb/convert.h"
#include "platform/win/input.h"
#include "platform/win/user32.h"
#include "tabstrip/xp_tabstrip.h"

namespace quorin {

namespace {

std::int32_t Pixel(float v) {
  return static_cast<std::int32_t>(vb::RoundHalfEven(v));
}

bool Inside(const win32::RECT& r, std::int32_t x, std::int32_t y) {
  return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

}  // namespace

bool XPTabstrip::TrackHover(win32::HWND hwnd) {
  win32::POINT cursor{};
  win32::GetCursorPos(&cursor);
  if (win32::WindowFromPoint(cursor) == hwnd) {
    // Holding the capture brings the first move after the cursor has left.
    if (win32::GetCapture() != hwnd) win32::SetCapture(hwnd);
    return true;
  }
  if (win32::GetCapture() == hwnd) win32::ReleaseCapture();
  return false;
}

bool XPTabstrip::HitsTab(std::int32_t i, std::int32_t x, std::int32_t y) const {
  if (i < 1 || static_cast<std::size_t>(i) >= TabRects.size() ||
      static_cast<std::size_t>(i) >= tabs_.size()) {
    return false;
  }
  return Inside(TabRects[static_cast<std::size_t>(i)], x, y);
}

void XPTabstrip::UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  PressX = Pixel(X);
  PressY = Pixel(Y);
  if (Button == 1) {
    for (std::int32_t i = FirstVisibleTab; i <= LastVisibleTab; ++i) {
      if (!HitsTab(i, PressX, PressY) || !tabs_[static_cast<std::size_t>(i)].Enabled) continue;
      // A tab whose end lies under the scroll panel comes into view by one step.
      if (picBlank->Visible()) {
        const win32::RECT& r = TabRects[static_cast<std::size_t>(i)];
        const bool under = (alignment_ == tTop || alignment_ == tBottom)
                               ? r.right > Pixel(picBlank->Left())
                               : r.bottom > Pixel(picBlank->Top());
        if (under) ++FirstVisibleTab;
      }
      SelectedTab(i);
      return;
    }
  }
  // One MouseDown for a press that picks no tab, whatever the button.
  MouseDown.Raise(Button, Shift, X, Y);
}

void XPTabstrip::UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  if (!TrackHover(hWnd())) {
    MouseOut.Raise(Button, Shift, X, Y);
    HotTab = 0;
    DrawTab();
    return;
  }
  MouseIn.Raise(Button, Shift, X, Y);
  const std::int32_t x = Pixel(X);
  const std::int32_t y = Pixel(Y);
  if (Inside(BodyRect, x, y)) {
    HotTab = 0;
    if (!MouseInBody) {
      HotActive = false;
      MouseInBody = true;
      DrawTab();
      return;
    }
  }
  bool changed = false;
  for (std::int32_t i = FirstVisibleTab; i <= LastVisibleTab; ++i) {
    if (HitsTab(i, x, y) && i != HotTab && tabs_[static_cast<std::size_t>(i)].Enabled) {
      HotActive = true;
      MouseInBody = false;
      HotTab = i;
      changed = true;
    }
  }
  if (changed) DrawTab();
}

void XPTabstrip::UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  MouseUp.Raise(Button, Shift, X, Y);
}

void XPTabstrip::UserControl_DblClick() {
  for (std::int32_t i = FirstVisibleTab; i <= LastVisibleTab; ++i) {
    if (!HitsTab(i, PressX, PressY)) continue;
    if (tabs_[static_cast<std::size_t>(i)].Enabled) {
      std::int32_t index = i;
      TabDblClick.Raise(index);
      return;
    }
    break;
  }
  DblClick();
}

void XPTabstrip::UserControl_KeyDown(std::int16_t& KeyCode, std::int16_t&) {
  switch (KeyCode) {
    case 33:  // Page Up
      if (picBlank->Visible()) pLeftUp_MouseDown();
      break;
    case 34:  // Page Down
      if (picBlank->Visible()) pRightDown_MouseDown();
      break;
    case 37:  // Left
    case 38:  // Up
      SelectedTab(selected_tab_ == 1 ? 1 : selected_tab_ - 1);
      break;
    case 39:  // Right
    case 40:  // Down
      SelectedTab(selected_tab_ == number_of_tabs_ ? number_of_tabs_ : selected_tab_ + 1);
      break;
    default:
      break;
  }
}

void XPTabstrip::UserControl_KeyUp(std::int16_t& KeyCode, std::int16_t&) {
  if (KeyCode == 33) pLeftUp_MouseUp();
  if (KeyCode == 34) pRightDown_MouseUp();
}

void XPTabstrip::UserControl_AccessKeyPress(std::int16_t& KeyAscii) {
  const std::int32_t i = GetTabAccessKey(KeyAscii);
  if (i > 0 && Tab(i).Enabled) SelectedTab(i);
}

void XPTabstrip::UserControl_EnterFocus() {
  HasFocus = true;
  DrawTab();
}

void XPTabstrip::UserControl_GotFocus() {
  HasFocus = true;
}

void XPTabstrip::UserControl_LostFocus() {
  HasFocus = false;
  DrawTab();
}

// With the scroll panel shown the focus sits on one of its elements, and the control itself
// gets no LostFocus: leaving the control ends the focus look as well.
void XPTabstrip::UserControl_ExitFocus() {
  if (!HasFocus) return;
  HasFocus = false;
  DrawTab();
}

void XPTabstrip::ArrowMouseMove(VB::PictureBox& button, bool& hover) {
  if (!TrackHover(button.hWnd())) {
    hover = false;
    LayoutScrollPanel();
  } else if (!hover) {
    hover = true;
    LayoutScrollPanel();
  }
}

}  // namespace quorin
