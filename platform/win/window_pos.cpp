#include <algorithm>

#include "platform/win/internal.h"

namespace win::detail {

using namespace win32;

MINMAXINFO QueryMinMax(Window& window) {
  Desktop& desktop = Current();
  RECT work = desktop.WorkArea();
  RECT screen = desktop.ScreenRect();
  MINMAXINFO info;
  info.ptMaxSize = {work.right - work.left, work.bottom - work.top};
  info.ptMaxPosition = {work.left, work.top};
  info.ptMinTrackSize = {FrameMetrics::kMinTrackWidth, FrameMetrics::kMinTrackHeight};
  info.ptMaxTrackSize = {screen.right - screen.left, screen.bottom - screen.top};
  SendMessageA(window.handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

bool ApplyWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags,
                    PosOption option) {
  Desktop& desktop = Current();
  WindowManager& windows = desktop.windows();
  WindowRef window = windows.Ref(hwnd);
  if (!window || windows.IsDesktop(hwnd)) return false;
  if (flags & SWP_NOMOVE) {
    x = window->rect.left;
    y = window->rect.top;
  }
  if (flags & SWP_NOSIZE) {
    cx = window->width();
    cy = window->height();
  }
  cx = std::clamp(cx, 0, kMaxWindowSize);
  cy = std::clamp(cy, 0, kMaxWindowSize);
  bool top_level = window->parent == 0;
  bool resizing = cx != window->width() || cy != window->height();
  if (top_level && resizing && option != PosOption::kSkipMinMax &&
      window->show_state != ShowState::kMinimized) {
    MINMAXINFO info = QueryMinMax(*window);
    if (!windows.Find(hwnd)) return false;
    cx = std::max<int>(info.ptMinTrackSize.x, std::min<int>(cx, info.ptMaxTrackSize.x));
    cy = std::max<int>(info.ptMinTrackSize.y, std::min<int>(cy, info.ptMaxTrackSize.y));
  }
  WINDOWPOS pos{hwnd, after, x, y, cx, cy, flags};
  SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  if (!windows.Find(hwnd)) return false;
  flags = pos.flags;
  if (flags & SWP_NOMOVE) {
    pos.x = window->rect.left;
    pos.y = window->rect.top;
  }
  if (flags & SWP_NOSIZE) {
    pos.cx = window->width();
    pos.cy = window->height();
  }
  pos.cx = std::clamp(pos.cx, 0, kMaxWindowSize);
  pos.cy = std::clamp(pos.cy, 0, kMaxWindowSize);

  RECT old_screen = windows.ScreenRect(*window);
  RECT old_client = windows.ClientInWindow(*window);
  bool was_visible = window->visible();
  bool moved = pos.x != window->rect.left || pos.y != window->rect.top;
  bool sized = pos.cx != window->width() || pos.cy != window->height();
  bool restacked = false;
  if (!(flags & SWP_NOZORDER)) {
    HWND insert = pos.hwndInsertAfter;
    if (top_level && insert == HWND_TOPMOST) window->ex_style |= WS_EX_TOPMOST;
    if (top_level && insert == HWND_NOTOPMOST) window->ex_style &= ~WS_EX_TOPMOST;
    if (insert != HWND_TOP && insert != HWND_BOTTOM && insert != HWND_TOPMOST &&
        insert != HWND_NOTOPMOST && insert == hwnd) {
      insert = HWND_TOP;
    }
    auto& list = windows.Siblings(*window);
    std::vector<HWND> before = list;
    windows.Insert(*window, insert);
    restacked = before != list;
  }
  if ((flags & SWP_SHOWWINDOW) && !was_visible) window->style |= WS_VISIBLE;
  if ((flags & SWP_HIDEWINDOW) && was_visible) window->style &= ~WS_VISIBLE;
  bool shown = !was_visible && window->visible();
  bool hidden = was_visible && !window->visible();
  window->rect = {pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
  if (window->show_state == ShowState::kNormal) window->normal_rect = window->rect;
  // The non-client area is worked out again from the current style whenever the size
  // changes, as well as when asked to.
  if ((flags & SWP_FRAMECHANGED) || sized) {
    window->insets = NonClientInsets(window->style, window->ex_style);
  }
  RECT new_client = windows.ClientInWindow(*window);
  bool client_moved =
      moved || new_client.left != old_client.left || new_client.top != old_client.top;
  bool client_sized = new_client.right - new_client.left != old_client.right - old_client.left ||
                      new_client.bottom - new_client.top != old_client.bottom - old_client.top;
  if (sized || (flags & SWP_FRAMECHANGED)) {
    windows.UpdateSurface(*window);
    windows.InvalidateFrame(*window);
    windows.Invalidate(*window, nullptr, true);
  }
  if (shown) {
    windows.InvalidateFrame(*window);
    windows.Invalidate(*window, nullptr, true);
  }
  if (moved || sized || restacked || shown || hidden || (flags & SWP_FRAMECHANGED)) {
    windows.DamageScreen(old_screen);
    windows.Damage(*window);
  }
  if (hidden) {
    if (desktop.input().active == hwnd) ActivateNext(hwnd);
    DropFocusWithin(hwnd);
  }
  if (!moved) pos.flags |= SWP_NOMOVE;
  if (!sized) pos.flags |= SWP_NOSIZE;
  if (!client_moved) pos.flags |= SWP_NOCLIENTMOVE;
  if (!client_sized) pos.flags |= SWP_NOCLIENTSIZE;
  SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  if (!windows.Find(hwnd)) return true;
  if (!(flags & SWP_NOACTIVATE) && top_level && window->visible() &&
      window->show_state != ShowState::kMinimized && desktop.input().active != hwnd) {
    Activate(hwnd, WA_ACTIVE);
  }
  if (shown || hidden) ShellWindowsChanged();
  return true;
}

namespace {

void SetShowBits(Window& window, ShowState state) {
  window.show_state = state;
  window.style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
  if (state == ShowState::kMinimized) window.style |= WS_MINIMIZE;
  if (state == ShowState::kMaximized) window.style |= WS_MAXIMIZE;
}

}  // namespace

void Minimize(Window& window, bool activate_next) {
  if (window.show_state == ShowState::kMinimized) return;
  HWND hwnd = window.handle;
  window.restore_maximized = window.show_state == ShowState::kMaximized;
  if (!window.visible()) SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
  if (!Lookup(hwnd)) return;
  SetShowBits(window, ShowState::kMinimized);
  int frame = FrameWidth(window.style, window.ex_style);
  int height = CaptionHeight(window.style, window.ex_style) + 2 * frame;
  int pos = FrameMetrics::kMinimizedPosition;
  ApplyWindowPos(hwnd, 0, pos, pos, FrameMetrics::kMinimizedWidth, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
  if (activate_next && Current().input().active == hwnd) ActivateNext(hwnd);
  DropFocusWithin(hwnd);
  ShellWindowsChanged();
}

void Maximize(Window& window) {
  if (window.show_state == ShowState::kMaximized) return;
  HWND hwnd = window.handle;
  MINMAXINFO info = QueryMinMax(window);
  if (!Lookup(hwnd)) return;
  if (!window.visible()) SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
  if (!Lookup(hwnd)) return;
  SetShowBits(window, ShowState::kMaximized);
  ApplyWindowPos(hwnd, HWND_TOP, info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxSize.x,
                 info.ptMaxSize.y, SWP_FRAMECHANGED | SWP_SHOWWINDOW, PosOption::kSkipMinMax);
}

void Restore(Window& window) {
  HWND hwnd = window.handle;
  if (window.show_state == ShowState::kMinimized && window.restore_maximized) {
    window.restore_maximized = false;
    Maximize(window);
    return;
  }
  if (!window.visible()) SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
  if (!Lookup(hwnd)) return;
  SetShowBits(window, ShowState::kNormal);
  RECT r = window.normal_rect;
  ApplyWindowPos(hwnd, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

}  // namespace win::detail

namespace win32 {

using win::detail::Lookup;

BOOL SetWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
  return win::detail::ApplyWindowPos(hwnd, after, x, y, cx, cy, flags) ? TRUE : FALSE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, 0, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND hwnd, int command) {
  win::Window* window = Lookup(hwnd);
  if (!window) return FALSE;
  BOOL was_visible = window->visible() ? TRUE : FALSE;
  bool top_level = window->parent == 0;
  auto show = [&](bool activate) {
    if (!window->visible()) {
      SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
      if (!Lookup(hwnd)) return;
    }
    UINT flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE;
    if (!activate || !top_level) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    win::detail::ApplyWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
  };
  switch (command) {
    case SW_HIDE:
      if (!window->visible()) return FALSE;
      SendMessageA(hwnd, WM_SHOWWINDOW, FALSE, 0);
      if (!Lookup(hwnd)) return was_visible;
      win::detail::ApplyWindowPos(
          hwnd, 0, 0, 0, 0, 0,
          SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      if (top_level) {
        win::detail::Minimize(*window, command != SW_SHOWMINIMIZED);
      } else {
        show(false);
      }
      break;
    case SW_SHOWMAXIMIZED:
      if (top_level) {
        win::detail::Maximize(*window);
      } else {
        show(false);
      }
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
      if (window->show_state != win::ShowState::kNormal) {
        win::detail::Restore(*window);
      } else {
        show(true);
      }
      break;
    case SW_SHOW:
      show(true);
      break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
      show(false);
      break;
    default:
      return was_visible;
  }
  return was_visible;
}

BOOL IsWindowVisible(HWND hwnd) {
  win::Window* window = Lookup(hwnd);
  return window && win::detail::Windows().ShownOnScreen(*window) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
  win::Window* window = Lookup(hwnd);
  return window && window->show_state == win::ShowState::kMinimized ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
  win::Window* window = Lookup(hwnd);
  return window && window->show_state == win::ShowState::kMaximized ? TRUE : FALSE;
}

}  // namespace win32
