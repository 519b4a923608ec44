#pragma once

#include <cstdint>

#include "platform/win/win_types.h"

namespace quorin {

// The process-wide size limits answered on the size query, in pixels.
struct MinMaxLimits {
  win32::WNDPROC OldWndProc = 0;  // the procedure before the hook (of the last hooked window)
  std::int32_t MaxWidth = 0;
  std::int32_t MaxHeight = 0;
  std::int32_t MinWidth = 0;
  std::int32_t MinHeight = 0;
};

const MinMaxLimits& Limits();

// Stores the limits (a zero maximum means the screen's size) and then puts MinMaxWndProc in
// front of the window's procedure. Hooking a window that already carries the hook only
// updates the limits, so the procedure never chains to itself.
void HookMinMax(std::int32_t hWnd, std::int32_t MinWidth, std::int32_t MinHeight,
                std::int32_t MaxWidth, std::int32_t MaxHeight);

// Answers WM_GETMINMAXINFO from the limits; passes every other message on.
win32::LRESULT MinMaxWndProc(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                             win32::LPARAM lParam);

}  // namespace quorin
