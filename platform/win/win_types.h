#pragma once

// Handle and parameter types of the window system, as the platform names them.

#include <cstdint>
#include <functional>

#include "platform/gfx/gdi_objects.h"
#include "platform/gfx/types.h"

namespace win32 {

// Windows, menus and cursors are small integer handles; 0 is "none".
using HWND = std::uint32_t;
using HMENU = std::uint32_t;
using HCURSOR = std::uint32_t;
using HICON = std::uint32_t;
using HINSTANCE = std::uint32_t;

// Pointer-sized values, so a window's user-data slot can hold a pointer.
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using ATOM = std::uint16_t;

// A registered window procedure, identified by a handle value so it can be stored in and
// returned from the GWL_WNDPROC slot.
using WNDPROC = LONG_PTR;
using TIMERPROC = std::function<void(HWND, UINT, UINT_PTR, DWORD)>;

struct MSG {
  HWND hwnd = 0;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt;
};

// The size query record: reserved, maximised size, maximised position, minimum and maximum
// tracking sizes (40 bytes).
struct MINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
};
static_assert(sizeof(MINMAXINFO) == 40);

struct WINDOWPOS {
  HWND hwnd = 0;
  HWND hwndInsertAfter = 0;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
};

struct PAINTSTRUCT {
  HDC hdc = 0;
  BOOL fErase = FALSE;
  RECT rcPaint;
};

// Makes an LPARAM of two 16-bit halves and takes them apart (signed, as mouse coordinates).
constexpr LPARAM MAKELPARAM(int low, int high) {
  return static_cast<LPARAM>(
      static_cast<std::int32_t>((static_cast<std::uint32_t>(high & 0xFFFF) << 16) |
                                static_cast<std::uint32_t>(low & 0xFFFF)));
}
constexpr int GET_X_LPARAM(LPARAM l) {
  return static_cast<std::int16_t>(l & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM l) {
  return static_cast<std::int16_t>((l >> 16) & 0xFFFF);
}
constexpr UINT LOWORD(std::uintptr_t v) {
  return static_cast<UINT>(v & 0xFFFF);
}
constexpr UINT HIWORD(std::uintptr_t v) {
  return static_cast<UINT>((v >> 16) & 0xFFFF);
}

}  // namespace win32
