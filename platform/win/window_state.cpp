#include <cstring>

#include "platform/gfx/gdi.h"
#include "platform/win/internal.h"

namespace win32 {

using win::detail::Current;
using win::detail::Lookup;
using win::detail::Windows;

namespace {
LONG_PTR AsLong(DWORD bits) {
  return static_cast<LONG_PTR>(static_cast<std::int32_t>(bits));
}
}  // namespace

LONG_PTR GetWindowLongA(HWND hwnd, int index) {
  win::Window* window = Lookup(hwnd);
  if (!window) return 0;
  switch (index) {
    case GWL_WNDPROC:
      return window->proc;
    case GWL_STYLE:
      return AsLong(window->style);
    case GWL_EXSTYLE:
      return AsLong(window->ex_style);
    case GWL_USERDATA:
      return window->user_data;
    case GWL_ID:
      return window->id;
    case GWL_HINSTANCE:
      return 0;
    default:
      return 0;
  }
}

LONG_PTR SetWindowLongA(HWND hwnd, int index, LONG_PTR value) {
  win::Window* window = Lookup(hwnd);
  if (!window) return 0;
  LONG_PTR old = GetWindowLongA(hwnd, index);
  switch (index) {
    case GWL_WNDPROC:
      // Only a registered procedure can be installed; anything else would never answer.
      if (!Current().procedures().Find(value)) return 0;
      window->proc = value;
      break;
    case GWL_STYLE: {
      DWORD style = static_cast<DWORD>(value);
      // The visible bit changes directly, as on the platform; the frame waits for
      // SWP_FRAMECHANGED.
      bool visibility = ((style ^ window->style) & WS_VISIBLE) != 0;
      window->style = style;
      Windows().InvalidateFrame(*window);
      if (visibility) Windows().Damage(*window);
      win::detail::ShellWindowsChanged();
      break;
    }
    case GWL_EXSTYLE: {
      DWORD ex_style = static_cast<DWORD>(value);
      // The topmost bit only changes through SetWindowPos.
      ex_style = (ex_style & ~WS_EX_TOPMOST) | (window->ex_style & WS_EX_TOPMOST);
      if (!(ex_style & WS_EX_LAYERED)) {
        window->alpha = 255;
        window->has_color_key = false;
      }
      window->ex_style = ex_style;
      Windows().Damage(*window);
      win::detail::ShellWindowsChanged();
      break;
    }
    case GWL_USERDATA:
      window->user_data = value;
      break;
    case GWL_ID:
      window->id = value;
      break;
    default:
      return 0;
  }
  return old;
}

int GetClassNameA(HWND hwnd, char* buffer, int size) {
  win::Window* window = Windows().Find(hwnd);
  if (!window || !buffer || size <= 0) return 0;
  int n = std::min<int>(size - 1, static_cast<int>(window->window_class.name.size()));
  std::memcpy(buffer, window->window_class.name.data(), n);
  buffer[n] = 0;
  return n;
}

BOOL SetWindowTextA(HWND hwnd, const char* text) {
  if (!Lookup(hwnd)) return FALSE;
  return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE
                                                                                       : FALSE;
}

int GetWindowTextA(HWND hwnd, char* buffer, int size) {
  win::Window* window = Lookup(hwnd);
  if (!window || !buffer || size <= 0) return 0;
  int n = std::min<int>(size - 1, static_cast<int>(window->title.size()));
  std::memcpy(buffer, window->title.data(), n);
  buffer[n] = 0;
  return n;
}

int GetWindowTextLengthA(HWND hwnd) {
  win::Window* window = Lookup(hwnd);
  return window ? static_cast<int>(window->title.size()) : 0;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  win::Window* window = Lookup(hwnd);
  if (!window) return FALSE;
  BOOL was_disabled = window->enabled() ? FALSE : TRUE;
  if (bool(enable) == window->enabled()) return was_disabled;
  if (enable) {
    window->style &= ~WS_DISABLED;
  } else {
    window->style |= WS_DISABLED;
    win::detail::DropFocusWithin(hwnd);
    if (Current().input().capture == hwnd) ReleaseCapture();
  }
  SendMessageA(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
  if (win::Window* w = Lookup(hwnd)) Windows().InvalidateFrame(*w);
  return was_disabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  win::Window* window = Lookup(hwnd);
  return window && window->enabled() ? TRUE : FALSE;
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL) {
  win::Window* window = Lookup(hwnd);
  if (!window) return 0;
  if (region == 0) {
    window->region.reset();
  } else {
    gfx::Region* found = gfx::GdiObjects().FindAs<gfx::Region>(region);
    if (!found) return 0;
    window->region = *found;
    // The window owns the region now: the caller's handle is used up.
    gfx::GdiObjects().Remove(region);
  }
  Windows().Damage(*window);
  return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
  win::Window* window = Lookup(hwnd);
  if (!window || !window->region) return ERROR;
  gfx::Region* target = gfx::GdiObjects().FindAs<gfx::Region>(region);
  if (!target) return ERROR;
  *target = *window->region;
  if (target->empty()) return NULLREGION;
  return target->rect_count() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, std::uint8_t alpha, DWORD flags) {
  win::Window* window = Lookup(hwnd);
  if (!window || !window->layered()) return FALSE;
  if (flags & LWA_ALPHA) window->alpha = alpha;
  window->has_color_key = (flags & LWA_COLORKEY) != 0;
  window->color_key = key;
  Windows().Damage(*window);
  return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, std::uint8_t* alpha, DWORD* flags) {
  win::Window* window = Lookup(hwnd);
  if (!window || !window->layered()) return FALSE;
  if (key) *key = window->color_key;
  if (alpha) *alpha = window->alpha;
  if (flags) *flags = LWA_ALPHA | (window->has_color_key ? LWA_COLORKEY : 0);
  return TRUE;
}

}  // namespace win32

namespace win {

std::string WindowText(win32::HWND hwnd) {
  Window* window = detail::Lookup(hwnd);
  return window ? window->title : std::string();
}

std::string ClassName(win32::HWND hwnd) {
  Window* window = detail::Windows().Find(hwnd);
  return window ? window->window_class.name : std::string();
}

}  // namespace win
