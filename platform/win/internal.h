#pragma once

// Helpers the window system's files share; not for callers of the platform.

#include "platform/win/desktop.h"
#include "platform/win/event_loop.h"
#include "platform/win/input_state.h"
#include "platform/win/procedures.h"
#include "platform/win/user32.h"
#include "platform/win/window_manager.h"

namespace win::detail {

// The largest width or height a window can have, as on the platform.
constexpr int kMaxWindowSize = 32767;

inline Desktop& Current() {
  return Desktop::Current();
}
inline WindowManager& Windows() {
  return Desktop::Current().windows();
}
inline InputState& Input() {
  return Desktop::Current().input();
}
// A live window other than the desktop window, or null.
inline Window* Lookup(win32::HWND hwnd) {
  Window* w = Windows().Find(hwnd);
  return w && !Windows().IsDesktop(hwnd) ? w : nullptr;
}

// Activation and focus (focus.cpp).
void Activate(win32::HWND hwnd, win32::WPARAM how);
// Activates the frontmost window that can take activation, other than `leaving`.
void ActivateNext(win32::HWND leaving);
void DropFocusWithin(win32::HWND hwnd);

// Positions (window_pos.cpp).
win32::MINMAXINFO QueryMinMax(Window& window);
enum class PosOption { kNone, kSkipMinMax };
bool ApplyWindowPos(win32::HWND hwnd, win32::HWND after, int x, int y, int cx, int cy,
                    win32::UINT flags, PosOption option = PosOption::kNone);
void Minimize(Window& window, bool activate_next);
void Maximize(Window& window);
void Restore(Window& window);

// Frame and loops (nonclient_paint.cpp, move_size_loop.cpp).
void PaintNonClient(Window& window);
void RunMoveSizeLoop(win32::HWND hwnd, win32::WPARAM command, win32::POINT start);
win32::LRESULT DefaultSetCursor(win32::HWND hwnd, win32::LPARAM lparam);

// Menus (popup_menu.cpp).
void ShowSystemMenu(win32::HWND hwnd, win32::POINT at);

// The shell learns that the set of windows, their titles or activation changed.
void ShellWindowsChanged();

// Destruction cleanup of other parts (menus, shell icons).
void ForgetWindow(win32::HWND hwnd);

}  // namespace win::detail
