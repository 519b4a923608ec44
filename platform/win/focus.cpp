#include "platform/win/internal.h"

namespace win::detail {

using namespace win32;

void DropFocusWithin(HWND hwnd) {
  InputState& input = Input();
  HWND focus = input.focus;
  if (!focus || !(focus == hwnd || Windows().IsAncestor(hwnd, focus))) return;
  input.focus = 0;
  SendMessageA(focus, WM_KILLFOCUS, 0, 0);
}

void Activate(HWND hwnd, WPARAM how) {
  Desktop& desktop = Current();
  InputState& input = desktop.input();
  if (input.active == hwnd) return;
  HWND old = input.active;
  if (hwnd) {
    Window* window = Lookup(hwnd);
    if (!window || window->parent) return;
    // The window comes to the front of its band first.
    ApplyWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  input.active = hwnd;
  if (old && Lookup(old)) {
    SendMessageA(old, WM_NCACTIVATE, FALSE, 0);
    SendMessageA(old, WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(hwnd));
    DropFocusWithin(old);
  }
  if (hwnd && Lookup(hwnd) && input.active == hwnd) {
    SendMessageA(hwnd, WM_NCACTIVATE, TRUE, 0);
    BOOL minimized = IsIconic(hwnd);
    SendMessageA(hwnd, WM_ACTIVATE, how | (minimized ? 0x10000 : 0), static_cast<LPARAM>(old));
  }
  ShellWindowsChanged();
}

void ActivateNext(HWND leaving) {
  WindowManager& windows = Windows();
  for (HWND h : windows.top_level()) {
    if (h == leaving) continue;
    Window* w = windows.Find(h);
    if (!w || w->destroying || !w->visible() || !w->enabled()) continue;
    if (w->show_state == ShowState::kMinimized) continue;
    if (w->ex_style & WS_EX_TOOLWINDOW) continue;
    if (w->owner == leaving) continue;
    if (LowerCase(w->window_class.name) == "shell_traywnd") continue;
    Activate(h, WA_ACTIVE);
    return;
  }
  Activate(0, WA_INACTIVE);
}

}  // namespace win::detail

namespace win32 {

using win::detail::Input;
using win::detail::Lookup;

HWND SetCapture(HWND hwnd) {
  win::InputState& input = Input();
  if (!Lookup(hwnd)) return 0;
  HWND previous = input.capture;
  if (previous == hwnd) return previous;
  input.capture = hwnd;
  if (previous && Lookup(previous)) {
    SendMessageA(previous, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(hwnd));
  }
  return previous;
}

HWND GetCapture() {
  return Input().capture;
}

BOOL ReleaseCapture() {
  win::InputState& input = Input();
  HWND previous = input.capture;
  input.capture = 0;
  if (previous && Lookup(previous)) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND SetFocus(HWND hwnd) {
  win::InputState& input = Input();
  HWND previous = input.focus;
  if (hwnd == 0) {
    win::detail::DropFocusWithin(previous);
    return previous;
  }
  win::Window* window = Lookup(hwnd);
  if (!window) return 0;
  win::Window* top = win::detail::Windows().TopLevelOf(*window);
  if (top && input.active != top->handle) {
    win::detail::Activate(top->handle, WA_ACTIVE);
    previous = input.focus;
    if (!Lookup(hwnd)) return 0;
  }
  if (input.focus == hwnd) return previous;
  input.focus = hwnd;
  if (previous && Lookup(previous)) SendMessageA(previous, WM_KILLFOCUS, hwnd, 0);
  if (Lookup(hwnd) && input.focus == hwnd) SendMessageA(hwnd, WM_SETFOCUS, previous, 0);
  return previous;
}

HWND GetFocus() {
  return Input().focus;
}
HWND GetActiveWindow() {
  return Input().active;
}
HWND GetForegroundWindow() {
  return Input().active;
}

HWND SetActiveWindow(HWND hwnd) {
  HWND previous = Input().active;
  win::Window* window = Lookup(hwnd);
  if (!window) return 0;
  win::Window* top = win::detail::Windows().TopLevelOf(*window);
  win::detail::Activate(top->handle, WA_ACTIVE);
  return previous;
}

BOOL SetForegroundWindow(HWND hwnd) {
  return SetActiveWindow(hwnd) || GetActiveWindow() == hwnd;
}

}  // namespace win32
