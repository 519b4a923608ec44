#include <algorithm>
#include <cstdio>

#include "platform/gfx/blit.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/vb/ole_color.h"
#include "platform/win/classic_look.h"
#include "platform/win/internal.h"
#include "platform/win/shell.h"
#include "platform/win/shell32.h"

namespace win {

using namespace win32;

namespace {

constexpr int kButtonHeight = 24;
constexpr int kStartWidth = 56;
constexpr int kMaxButtonWidth = 160;
constexpr int kIconStep = 20;
constexpr int kClockWidth = 44;
constexpr UINT kTipDelayMs = 500;
constexpr UINT_PTR kTipTimer = 1;

bool Inside(const RECT& r, POINT p) {
  return PtInRect(&r, p) != FALSE;
}

}  // namespace

TaskbarLayout Shell::Layout() {
  TaskbarLayout layout;
  RECT client{};
  GetClientRect(taskbar_, &client);
  int w = client.right, h = client.bottom;
  bool horizontal = desktop_.settings().taskbar_edge == TaskbarEdge::kBottom ||
                    desktop_.settings().taskbar_edge == TaskbarEdge::kTop;
  int row = std::min(kButtonHeight, std::max(0, h - 4));
  int top = (h - row) / 2;
  int tray_w = 8 + static_cast<int>(icons_.size()) * kIconStep + kClockWidth;
  std::vector<HWND> windows = ButtonWindows();
  if (horizontal) {
    layout.start = {2, top, 2 + kStartWidth, top + row};
    layout.tray = {w - 2 - tray_w, top, w - 2, top + row};
    int left = layout.start.right + 6;
    int room = layout.tray.left - 4 - left;
    int count = static_cast<int>(windows.size());
    int each = count ? std::min(kMaxButtonWidth, room / count) : 0;
    for (HWND hwnd : windows) {
      layout.buttons.push_back({hwnd, {left, top, left + each - 3, top + row}});
      left += each;
    }
  } else {
    int col_w = std::max(0, w - 4);
    layout.start = {2, 2, 2 + col_w, 2 + kButtonHeight};
    int tray_h =
        kButtonHeight +
        ((static_cast<int>(icons_.size()) * kIconStep) / std::max(1, col_w) + 1) * kIconStep;
    layout.tray = {2, h - 2 - tray_h, 2 + col_w, h - 2};
    int y = layout.start.bottom + 6;
    for (HWND hwnd : windows) {
      if (y + kButtonHeight > layout.tray.top - 4) break;
      layout.buttons.push_back({hwnd, {2, y, 2 + col_w, y + kButtonHeight}});
      y += kButtonHeight + 3;
    }
  }
  int x = layout.tray.left + 4;
  int y = layout.tray.top + (layout.tray.bottom - layout.tray.top - 16) / 2;
  for (std::size_t i = 0; i < icons_.size(); ++i) {
    if (!horizontal && x + 16 > layout.tray.right) {
      x = layout.tray.left + 4;
      y += kIconStep;
    }
    layout.icons.push_back({x, y, x + 16, y + 16});
    x += kIconStep;
  }
  layout.clock = {layout.tray.right - kClockWidth, layout.tray.top, layout.tray.right,
                  layout.tray.bottom};
  return layout;
}

void Shell::PaintTaskbar(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  look::FillSystem(hdc, client, vb::COLOR_BTNFACE);
  // The raised line along the edge that faces the screen.
  look::FillSystem(hdc, {0, 0, client.right, 1}, vb::COLOR_3DLIGHT);
  look::FillSystem(hdc, {0, 1, client.right, 2}, vb::COLOR_BTNHIGHLIGHT);
  TaskbarLayout layout = Layout();
  look::RaisedEdge(hdc, layout.start);
  RECT logo{layout.start.left + 5, layout.start.top + 5, layout.start.left + 21,
            layout.start.top + 21};
  look::Fill(hdc, {logo.left, logo.top, logo.left + 7, logo.top + 7}, 0x0000FF);
  look::Fill(hdc, {logo.left + 8, logo.top, logo.left + 15, logo.top + 7}, 0x00C000);
  look::Fill(hdc, {logo.left, logo.top + 8, logo.left + 7, logo.top + 15}, 0xFF0000);
  look::Fill(hdc, {logo.left + 8, logo.top + 8, logo.left + 15, logo.top + 15}, 0x00FFFF);
  look::Text(hdc, "Start",
             {logo.right + 3, layout.start.top, layout.start.right - 2, layout.start.bottom},
             vb::GetSysColor(vb::COLOR_BTNTEXT), true);
  HWND active = desktop_.input().active;
  for (const auto& [window, r] : layout.buttons) {
    bool pressed = window == active;
    if (pressed) {
      // The active window's button is pushed in, with a dithered face.
      look::FillSystem(hdc, r, vb::COLOR_BTNHIGHLIGHT);
      for (int y = r.top + 2; y < r.bottom - 2; ++y) {
        for (int x = r.left + 2 + ((y + r.left) & 1); x < r.right - 2; x += 2) {
          SetPixelV(hdc, x, y, vb::GetSysColor(vb::COLOR_BTNFACE));
        }
      }
      look::SunkenEdge(hdc, r);
    } else {
      look::RaisedEdge(hdc, r);
    }
    int shift = pressed ? 1 : 0;
    look::SmallIcon(hdc, r.left + 4 + shift, r.top + (r.bottom - r.top - 16) / 2 + shift,
                    look::WindowIcon(window));
    RECT text{r.left + 24 + shift, r.top + shift, r.right - 4, r.bottom + shift};
    look::Text(hdc, WindowText(window), text, vb::GetSysColor(vb::COLOR_BTNTEXT), pressed,
               DT_NOPREFIX);
  }
  RECT tray = layout.tray;
  DrawEdge(hdc, &tray, BDR_SUNKENOUTER, BF_RECT);
  for (std::size_t i = 0; i < icons_.size() && i < layout.icons.size(); ++i) {
    const RECT& r = layout.icons[i];
    if (icons_[i].flags & NIF_ICON) look::SmallIcon(hdc, r.left, r.top, icons_[i].icon);
  }
  std::uint64_t minutes = desktop_.driver().Now() / 60000 + 12 * 60;
  char clock[16];
  std::snprintf(clock, sizeof clock, "%d:%02d", static_cast<int>((minutes / 60) % 24),
                static_cast<int>(minutes % 60));
  look::Text(hdc, clock, layout.clock, vb::GetSysColor(vb::COLOR_BTNTEXT), false, DT_CENTER);
  EndPaint(hwnd, &ps);
}

void Shell::TaskbarMouse(UINT message, POINT client) {
  TaskbarLayout layout = Layout();
  for (std::size_t i = 0; i < layout.icons.size() && i < icons_.size(); ++i) {
    if (!Inside(layout.icons[i], client)) continue;
    NotifyIcon icon = icons_[i];
    if (message == WM_MOUSEMOVE && hover_icon_ != static_cast<int>(i)) {
      HideTip();
      hover_icon_ = static_cast<int>(i);
      SetTimer(taskbar_, kTipTimer, kTipDelayMs, nullptr);
    }
    if (icon.flags & NIF_MESSAGE) {
      PostMessageA(icon.hwnd, icon.callback_message, icon.id, static_cast<LPARAM>(message));
    }
    if (message != WM_MOUSEMOVE) HideTip();
    return;
  }
  if (message == WM_MOUSEMOVE && hover_icon_ >= 0) {
    hover_icon_ = -1;
    HideTip();
  }
  if (message != WM_LBUTTONDOWN && message != WM_LBUTTONDBLCLK) return;
  for (const auto& [window, r] : layout.buttons) {
    if (!Inside(r, client)) continue;
    if (IsIconic(window)) {
      ShowWindow(window, SW_RESTORE);
    } else {
      SetActiveWindow(window);
    }
    return;
  }
}

void Shell::TooltipTick() {
  POINT cursor;
  GetCursorPos(&cursor);
  POINT client = cursor;
  ScreenToClient(taskbar_, &client);
  TaskbarLayout layout = Layout();
  bool over = hover_icon_ >= 0 && hover_icon_ < static_cast<int>(layout.icons.size()) &&
              WindowFromPoint(cursor) == taskbar_ && Inside(layout.icons[hover_icon_], client);
  if (!over) {
    hover_icon_ = -1;
    HideTip();
    KillTimer(taskbar_, kTipTimer);
    return;
  }
  if (!tooltip_) ShowTip(static_cast<std::size_t>(hover_icon_));
}

void Shell::ShowTip(std::size_t index) {
  if (index >= icons_.size() || icons_[index].tip.empty()) return;
  tip_text_ = icons_[index].tip;
  HDC measure = GetDC(0);
  HGDIOBJ old = SelectObject(measure, look::UiFont(false));
  SIZE size{};
  GetTextExtentPoint32A(measure, tip_text_, -1, &size);
  if (old) SelectObject(measure, old);
  ReleaseDC(0, measure);
  int w = size.cx + 8, h = 19;
  POINT cursor = desktop_.input().cursor;
  RECT screen = desktop_.ScreenRect();
  int x = std::clamp<int>(cursor.x, 0, std::max<int>(0, screen.right - w));
  // Above the taskbar (or below it when it is docked at the top), near the cursor.
  RECT bar = DockedRect();
  int y = bar.top - h - 2;
  if (y < 0) y = bar.bottom + 2;
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_TRANSPARENT,
                             "tooltips_class32", tip_text_.c_str(), WS_POPUP | WS_BORDER, x, y, w,
                             h, taskbar_, 0, 0, nullptr);
  if (tooltip_) ShowWindow(tooltip_, SW_SHOWNA);
}

void Shell::HideTip() {
  if (tooltip_) {
    HWND tip = tooltip_;
    tooltip_ = 0;
    DestroyWindow(tip);
  }
}

void Shell::PaintTooltip(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  look::FillSystem(hdc, client, vb::COLOR_INFOBK);
  RECT text{client.left + 3, client.top, client.right - 2, client.bottom};
  look::Text(hdc, WindowText(hwnd), text, vb::GetSysColor(vb::COLOR_INFOTEXT), false, DT_NOPREFIX);
  EndPaint(hwnd, &ps);
}

}  // namespace win
