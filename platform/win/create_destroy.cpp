#include <algorithm>

#include "platform/win/internal.h"

namespace win32 {

using win::detail::Current;
using win::detail::Lookup;

ATOM RegisterClassA(const WNDCLASSA* wc) {
  if (!wc || !wc->lpszClassName || !*wc->lpszClassName) return 0;
  win::ProcedureRegistry& procs = Current().procedures();
  win::WindowClass window_class;
  window_class.name = wc->lpszClassName;
  window_class.style = wc->style;
  window_class.proc = procs.Find(wc->lpfnWndProc) ? wc->lpfnWndProc : procs.default_procedure();
  window_class.background_color_index = wc->hbrBackground >= 1 && wc->hbrBackground <= 31
                                            ? static_cast<int>(wc->hbrBackground) - 1
                                            : -1;
  window_class.cursor = wc->hCursor ? wc->hCursor : static_cast<HCURSOR>(IDC_ARROW);
  if (!procs.RegisterClass(window_class)) return 0;
  return static_cast<ATOM>(0xC000 + procs.class_count());
}

BOOL UnregisterClassA(const char* name, HINSTANCE) {
  if (!name) return FALSE;
  return Current().procedures().UnregisterClass(name) ? TRUE : FALSE;
}

HWND CreateWindowExA(DWORD ex_style, const char* class_name, const char* title, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE,
                     void* param) {
  win::Desktop& desktop = Current();
  win::WindowManager& windows = desktop.windows();
  if (!class_name) return 0;
  const win::WindowClass* window_class = desktop.procedures().FindClass(class_name);
  if (!window_class) return 0;
  bool child = (style & WS_CHILD) != 0;
  if (child && !windows.Find(parent)) return 0;
  if (parent && !windows.Find(parent)) return 0;

  auto window = std::make_shared<win::Window>();
  window->window_class = *window_class;
  window->title = title ? title : "";
  window->style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
  window->ex_style = ex_style;
  window->proc = window_class->proc;
  if (child && windows.IsDesktop(parent)) child = false;
  if (child) {
    window->parent = parent;
    window->id = static_cast<LONG_PTR>(menu);
  } else {
    window->owner = windows.IsDesktop(parent) ? 0 : parent;
  }
  if (!child) {
    // Top-level windows with the default position cascade from the work area's corner.
    RECT work = desktop.WorkArea();
    int cascade = static_cast<int>(windows.top_level().size());
    if (x == CW_USEDEFAULT) {
      x = work.left + 26 * (cascade % 8);
      y = work.top + 26 * (cascade % 8);
    }
    if (width == CW_USEDEFAULT) {
      width = (work.right - work.left) * 3 / 4;
      height = (work.bottom - work.top) * 3 / 4;
    }
  } else {
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) width = height = 0;
  }
  width = std::clamp(width, 0, win::detail::kMaxWindowSize);
  height = std::clamp(height, 0, win::detail::kMaxWindowSize);
  window->rect = {x, y, x + width, y + height};
  window->normal_rect = window->rect;
  window->insets = win::NonClientInsets(window->style, window->ex_style);
  windows.Add(window);
  windows.Insert(*window, HWND_TOP);
  windows.UpdateSurface(*window);
  HWND hwnd = window->handle;

  if (!child && (window->style & (WS_CAPTION | WS_THICKFRAME))) {
    MINMAXINFO info = win::detail::QueryMinMax(*window);
    if (Lookup(hwnd)) {
      int w = std::clamp<int>(width, info.ptMinTrackSize.x,
                              std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
      int h = std::clamp<int>(height, info.ptMinTrackSize.y,
                              std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
      window->rect.right = window->rect.left + w;
      window->rect.bottom = window->rect.top + h;
      window->normal_rect = window->rect;
      windows.UpdateSurface(*window);
    }
  }
  CREATESTRUCTA create;
  create.lpCreateParams = param;
  create.hwndParent = parent;
  create.x = window->rect.left;
  create.y = window->rect.top;
  create.cx = window->width();
  create.cy = window->height();
  create.style = style;
  create.lpszName = title;
  create.lpszClass = class_name;
  create.dwExStyle = ex_style;
  LPARAM create_param = reinterpret_cast<LPARAM>(&create);
  if (!SendMessageA(hwnd, WM_NCCREATE, 0, create_param) || !Lookup(hwnd)) {
    DestroyWindow(hwnd);
    return 0;
  }
  RECT calc = window->rect;
  SendMessageA(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&calc));
  if (SendMessageA(hwnd, WM_CREATE, 0, create_param) == -1 || !Lookup(hwnd)) {
    DestroyWindow(hwnd);
    return 0;
  }
  window->created = true;
  RECT client = windows.ClientInWindow(*window);
  SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
               MAKELPARAM(client.right - client.left, client.bottom - client.top));
  POINT origin{window->rect.left + client.left, window->rect.top + client.top};
  SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
  if (!Lookup(hwnd)) return 0;
  windows.Invalidate(*window, nullptr, true);
  windows.InvalidateFrame(*window);
  if (style & WS_MAXIMIZE) {
    ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  } else if (style & WS_MINIMIZE) {
    ShowWindow(hwnd, (style & WS_VISIBLE) ? SW_SHOWMINIMIZED : SW_MINIMIZE);
  } else if (style & WS_VISIBLE) {
    ShowWindow(hwnd, SW_SHOW);
  }
  win::detail::ShellWindowsChanged();
  return Lookup(hwnd) ? hwnd : 0;
}

namespace {

void SendDestroy(HWND hwnd) {
  win::WindowRef window = win::detail::Windows().Ref(hwnd);
  if (!window) return;
  window->destroying = true;
  SendMessageA(hwnd, WM_DESTROY, 0, 0);
  std::vector<HWND> children = window->children;
  for (HWND child : children) SendDestroy(child);
}

void SendNcDestroy(HWND hwnd) {
  win::Desktop& desktop = Current();
  win::WindowRef window = desktop.windows().Ref(hwnd);
  if (!window) return;
  std::vector<HWND> children = window->children;
  for (HWND child : children) SendNcDestroy(child);
  SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
  win::InputState& input = desktop.input();
  if (input.capture == hwnd) input.capture = 0;
  if (input.focus == hwnd) input.focus = 0;
  if (input.active == hwnd) input.active = 0;
  if (input.last_press.hwnd == hwnd) input.last_press.valid = false;
  desktop.loop().timers().KillAllOf(hwnd);
  desktop.loop().RemoveMessagesFor(hwnd);
  win::detail::ForgetWindow(hwnd);
  desktop.windows().Unlink(*window);
  desktop.windows().Remove(hwnd);
}

}  // namespace

BOOL DestroyWindow(HWND hwnd) {
  win::Desktop& desktop = Current();
  win::WindowManager& windows = desktop.windows();
  win::WindowRef window = windows.Ref(hwnd);
  if (!window || windows.IsDesktop(hwnd)) return FALSE;
  if (window->destroying) return TRUE;
  window->destroying = true;
  // Owned windows go first.
  std::vector<HWND> owned;
  for (HWND h : windows.top_level()) {
    if (win::Window* w = windows.Find(h); w && w->owner == hwnd) owned.push_back(h);
  }
  for (HWND h : owned) DestroyWindow(h);

  win::InputState& input = desktop.input();
  if (input.capture && (input.capture == hwnd || windows.IsAncestor(hwnd, input.capture))) {
    ReleaseCapture();
  }
  if (window->visible()) {
    win::detail::ApplyWindowPos(
        hwnd, 0, 0, 0, 0, 0,
        SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (input.active == hwnd) win::detail::ActivateNext(hwnd);
  win::detail::DropFocusWithin(hwnd);
  windows.Damage(*window);
  SendDestroy(hwnd);
  SendNcDestroy(hwnd);
  win::detail::ShellWindowsChanged();
  return TRUE;
}

BOOL IsWindow(HWND hwnd) {
  return Lookup(hwnd) || win::detail::Windows().IsDesktop(hwnd);
}

HWND GetDesktopWindow() {
  return win::detail::Windows().desktop_window().handle;
}

HWND FindWindowA(const char* class_name, const char* title) {
  win::WindowManager& windows = win::detail::Windows();
  std::string wanted_class = class_name ? win::LowerCase(class_name) : "";
  for (HWND h : windows.top_level()) {
    win::Window* w = windows.Find(h);
    if (!w || w->destroying) continue;
    if (!wanted_class.empty() && win::LowerCase(w->window_class.name) != wanted_class) continue;
    if (title && *title && w->title != title) continue;
    return h;
  }
  return 0;
}

}  // namespace win32
