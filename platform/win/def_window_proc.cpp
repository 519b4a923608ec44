#include <algorithm>
#include <cstring>

#include "platform/gfx/gdi.h"
#include "platform/win/internal.h"

namespace win::detail {

using namespace win32;

LRESULT DefaultSetCursor(HWND hwnd, LPARAM lparam) {
  Window* window = Lookup(hwnd);
  if (!window) return FALSE;
  // A child's parent decides first.
  if (window->parent && Lookup(window->parent)) {
    if (SendMessageA(window->parent, WM_SETCURSOR, hwnd, lparam)) return TRUE;
    if (!(window = Lookup(hwnd))) return FALSE;
  }
  LRESULT hit = static_cast<std::int16_t>(LOWORD(static_cast<WPARAM>(lparam)));
  LONG_PTR shape = IDC_ARROW;
  switch (hit) {
    case HTCLIENT:
      SetCursor(window->window_class.cursor ? window->window_class.cursor
                                            : static_cast<HCURSOR>(IDC_ARROW));
      return TRUE;
    case HTLEFT:
    case HTRIGHT:
      shape = IDC_SIZEWE;
      break;
    case HTTOP:
    case HTBOTTOM:
      shape = IDC_SIZENS;
      break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
      shape = IDC_SIZENWSE;
      break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
      shape = IDC_SIZENESW;
      break;
    default:
      break;
  }
  SetCursor(static_cast<HCURSOR>(shape));
  return hit == HTCLIENT ? TRUE : FALSE;
}

namespace {

void SysCommand(HWND hwnd, WPARAM command, LPARAM lparam) {
  Window* window = Lookup(hwnd);
  if (!window) return;
  switch (command & 0xFFF0) {
    case SC_MINIMIZE:
      ShowWindow(hwnd, SW_MINIMIZE);
      break;
    case SC_MAXIMIZE:
      ShowWindow(hwnd, SW_SHOWMAXIMIZED);
      break;
    case SC_RESTORE:
      ShowWindow(hwnd, SW_RESTORE);
      break;
    case SC_CLOSE:
      SendMessageA(hwnd, WM_CLOSE, 0, 0);
      break;
    case SC_MOVE:
    case SC_SIZE:
      RunMoveSizeLoop(hwnd, command, {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      break;
    case SC_KEYMENU: {
      RECT r = Windows().ScreenRect(*window);
      ShowSystemMenu(
          hwnd, {r.left + FrameWidth(window->style, window->ex_style), r.top + window->insets.top});
      break;
    }
    default:
      break;
  }
}

LRESULT NcButtonDown(HWND hwnd, WPARAM hit, LPARAM lparam) {
  Window* window = Lookup(hwnd);
  if (!window) return 0;
  Window* top = Windows().TopLevelOf(*window);
  if (top && Input().active != top->handle) Activate(top->handle, WA_CLICKACTIVE);
  switch (static_cast<LRESULT>(hit)) {
    case HTCAPTION:
      SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lparam);
      break;
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOM:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
      SendMessageA(hwnd, WM_SYSCOMMAND, SC_SIZE + (hit - HTLEFT + 1), lparam);
      break;
    case HTSYSMENU: {
      RECT r = Windows().ScreenRect(*window);
      ShowSystemMenu(hwnd, {r.left + window->insets.left - 1, r.top + window->insets.top});
      break;
    }
    default:
      break;
  }
  return 0;
}

LRESULT NcButtonUp(HWND hwnd, WPARAM hit) {
  Window* window = Lookup(hwnd);
  if (!window) return 0;
  switch (static_cast<LRESULT>(hit)) {
    case HTCLOSE:
      SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case HTMINBUTTON:
      if (window->style & WS_MINIMIZEBOX) SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    case HTMAXBUTTON:
      if (window->style & WS_MAXIMIZEBOX) {
        SendMessageA(hwnd, WM_SYSCOMMAND,
                     window->show_state == ShowState::kMaximized ? SC_RESTORE : SC_MAXIMIZE, 0);
      }
      break;
    default:
      break;
  }
  return 0;
}

}  // namespace

}  // namespace win::detail

namespace win32 {

using namespace win::detail;

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  win::Window* window = Lookup(hwnd);
  if (!window) return 0;
  win::WindowManager& windows = Windows();
  switch (msg) {
    case WM_NCCREATE:
      return TRUE;
    case WM_NCHITTEST: {
      RECT r = windows.ScreenRect(*window);
      POINT p{GET_X_LPARAM(lparam) - r.left, GET_Y_LPARAM(lparam) - r.top};
      return win::HitTestFrame(window->style, window->ex_style, window->width(), window->height(),
                               window->show_state == win::ShowState::kMaximized, p);
    }
    case WM_NCPAINT:
      PaintNonClient(*window);
      return 0;
    case WM_NCACTIVATE:
      windows.InvalidateFrame(*window);
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND: {
      int index = window->window_class.background_color_index;
      if (index < 0) return 0;
      RECT client;
      GetClientRect(hwnd, &client);
      FillRect(static_cast<HDC>(wparam), &client, static_cast<HBRUSH>(index + 1));
      return 1;
    }
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lparam);
      window->title = text ? text : "";
      windows.InvalidateFrame(*window);
      ShellWindowsChanged();
      return TRUE;
    }
    case WM_GETTEXT: {
      char* buffer = reinterpret_cast<char*>(lparam);
      int size = static_cast<int>(wparam);
      if (!buffer || size <= 0) return 0;
      int n = std::min<int>(size - 1, static_cast<int>(window->title.size()));
      std::memcpy(buffer, window->title.data(), n);
      buffer[n] = 0;
      return n;
    }
    case WM_SETICON: {
      win32::HICON& slot = wparam == ICON_BIG ? window->icon_big : window->icon_small;
      LRESULT previous = slot;
      slot = static_cast<win32::HICON>(lparam);
      windows.InvalidateFrame(*window);
      ShellWindowsChanged();
      return previous;
    }
    case WM_GETICON:
      return wparam == ICON_BIG ? window->icon_big : window->icon_small;
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->title.size());
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_SYSCOMMAND:
      SysCommand(hwnd, wparam, lparam);
      return 0;
    case WM_NCLBUTTONDOWN:
      return NcButtonDown(hwnd, wparam, lparam);
    case WM_NCLBUTTONUP:
      return NcButtonUp(hwnd, wparam);
    case WM_NCLBUTTONDBLCLK:
      if (static_cast<LRESULT>(wparam) == HTCAPTION && (window->style & WS_MAXIMIZEBOX)) {
        SendMessageA(hwnd, WM_SYSCOMMAND,
                     window->show_state == win::ShowState::kNormal ? SC_MAXIMIZE : SC_RESTORE, 0);
      } else if (static_cast<LRESULT>(wparam) == HTSYSMENU) {
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_NCRBUTTONUP:
      if (static_cast<LRESULT>(wparam) == HTCAPTION && (window->style & WS_SYSMENU)) {
        ShowSystemMenu(hwnd, {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      }
      return 0;
    case WM_SETCURSOR:
      return DefaultSetCursor(hwnd, lparam);
    case WM_MOUSEACTIVATE:
      if (window->parent && Lookup(window->parent)) {
        LRESULT answer = SendMessageA(window->parent, msg, wparam, lparam);
        if (answer) return answer;
      }
      return MA_ACTIVATE;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE && !HIWORD(wparam)) {
        HWND focus = GetFocus();
        if (!focus || !(focus == hwnd || windows.IsAncestor(hwnd, focus))) SetFocus(hwnd);
      }
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
      if (!pos) return 0;
      RECT client = windows.ClientInWindow(*window);
      if (!(pos->flags & SWP_NOCLIENTMOVE)) {
        SendMessageA(hwnd, WM_MOVE, 0,
                     MAKELPARAM(window->rect.left + client.left, window->rect.top + client.top));
      }
      if (!(pos->flags & SWP_NOCLIENTSIZE) && (window = Lookup(hwnd))) {
        WPARAM kind = window->show_state == win::ShowState::kMinimized   ? SIZE_MINIMIZED
                      : window->show_state == win::ShowState::kMaximized ? SIZE_MAXIMIZED
                                                                         : SIZE_RESTORED;
        SendMessageA(hwnd, WM_SIZE, kind,
                     MAKELPARAM(client.right - client.left, client.bottom - client.top));
      }
      return 0;
    }
    case WM_SYSKEYDOWN:
      if (wparam == VK_F4 && (lparam & (1 << 29))) {
        win::Window* top = windows.TopLevelOf(*window);
        PostMessageA(top->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_SYSCHAR:
      if (wparam == ' ' && (window->style & WS_SYSMENU)) {
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_KEYMENU, ' ');
      }
      return 0;
    default:
      return 0;
  }
}

}  // namespace win32
