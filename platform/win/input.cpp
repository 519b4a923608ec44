#include <algorithm>
#include <cstdlib>

#include "platform/win/internal.h"

namespace win {

using namespace win32;
using detail::Current;
using detail::Input;
using detail::Lookup;

namespace {

constexpr UINT kDown[3] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};

void PostInput(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Desktop& desktop = Current();
  MSG msg;
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wparam;
  msg.lParam = lparam;
  msg.time = static_cast<DWORD>(desktop.driver().Now());
  msg.pt = desktop.input().cursor;
  desktop.loop().Post(msg);
}

// Delivers one mouse event at the cursor: hit test, activation and cursor shape (sent), then
// the mouse message itself (posted). `button` is -1 for a move.
void DeliverMouse(int button, bool down) {
  Desktop& desktop = Current();
  InputState& input = desktop.input();
  WindowManager& windows = desktop.windows();
  POINT pt = input.cursor;
  HWND target = input.capture;
  LRESULT hit = HTCLIENT;
  UINT raw = button < 0 ? WM_MOUSEMOVE : kDown[button] + (down ? 0 : 1);
  if (!target || !Lookup(target)) {
    target = WindowFromPoint(pt);
    if (!Lookup(target)) return;
    if (!Lookup(target)->enabled()) {
      // A disabled window gets only the cursor question; its mouse input is thrown away.
      SendMessageA(target, WM_SETCURSOR, target, MAKELPARAM(HTERROR, raw));
      return;
    }
    hit = SendMessageA(target, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    while (hit == HTTRANSPARENT && Lookup(target) && Lookup(target)->parent) {
      target = Lookup(target)->parent;
      hit = SendMessageA(target, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    }
    if (!Lookup(target)) return;
    if (button >= 0 && down) {
      Window* top = windows.TopLevelOf(*Lookup(target));
      if (top && top->handle != input.active) {
        LRESULT answer = SendMessageA(target, WM_MOUSEACTIVATE, top->handle, MAKELPARAM(hit, raw));
        if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && Lookup(top->handle)) {
          detail::Activate(top->handle, WA_CLICKACTIVE);
        }
        if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT) return;
        if (!Lookup(target)) return;
      }
    }
    SendMessageA(target, WM_SETCURSOR, target, MAKELPARAM(hit, raw));
    if (!Lookup(target)) return;
  }
  bool client = hit == HTCLIENT;
  UINT message = raw;
  if (button >= 0 && down) {
    InputState::Press& last = input.last_press;
    std::uint64_t now = desktop.driver().Now();
    bool repeat = last.valid && last.button == button && last.hwnd == target &&
                  last.nonclient == !client && now - last.time <= kDoubleClickTimeMs &&
                  std::abs(pt.x - last.point.x) <= kDoubleClickBox / 2 &&
                  std::abs(pt.y - last.point.y) <= kDoubleClickBox / 2;
    Window* window = Lookup(target);
    bool wants = !client || (window->window_class.style & CS_DBLCLKS);
    if (repeat && wants) {
      message = raw + 2;  // WM_xBUTTONDBLCLK
      last.valid = false;
    } else {
      last = {true, button, target, !client, pt, now};
    }
  }
  if (client) {
    POINT local = pt;
    ScreenToClient(target, &local);
    PostInput(target, message, input.MouseKeys(), MAKELPARAM(local.x, local.y));
  } else {
    PostInput(target, message - WM_MOUSEMOVE + WM_NCMOUSEMOVE, static_cast<WPARAM>(hit),
              MAKELPARAM(pt.x, pt.y));
  }
}

HWND KeyTarget() {
  InputState& input = Input();
  if (input.focus && Lookup(input.focus)) return input.focus;
  if (input.active && Lookup(input.active)) return input.active;
  return 0;
}

}  // namespace

void InjectMouseMove(int x, int y) {
  Desktop& desktop = Current();
  InputState& input = desktop.input();
  RECT screen = desktop.ScreenRect();
  x = std::clamp(x, 0, static_cast<int>(screen.right) - 1);
  y = std::clamp(y, 0, static_cast<int>(screen.bottom) - 1);
  POINT old = input.cursor;
  input.cursor = {x, y};
  desktop.windows().DamageScreen({old.x - 32, old.y - 32, old.x + 32, old.y + 32});
  desktop.windows().DamageScreen({x - 32, y - 32, x + 32, y + 32});
  DeliverMouse(-1, false);
}

void InjectMouseButton(MouseButton button, bool down) {
  int index = static_cast<int>(button);
  if (index < 0 || index > 2) return;
  Input().buttons[index] = down;
  DeliverMouse(index, down);
}

void InjectKey(UINT vk, bool down) {
  if (vk > 255) return;
  InputState& input = Input();
  input.keys[vk] = down;
  HWND target = KeyTarget();
  if (!target) return;
  bool alt = input.keys[VK_MENU];
  bool system = alt || vk == VK_MENU || (!input.focus && input.active);
  LPARAM lparam = 1 | (alt ? (1 << 29) : 0);
  if (!down) lparam |= static_cast<LPARAM>(0xC0000000u);
  UINT message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
  if (alt && vk != VK_MENU) message = down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
  if (!alt && vk != VK_MENU && input.focus) message = down ? WM_KEYDOWN : WM_KEYUP;
  PostInput(target, message, vk, lparam);
}

void InjectChar(char32_t ch) {
  InputState& input = Input();
  HWND target = KeyTarget();
  if (!target) return;
  bool alt = input.keys[VK_MENU];
  PostInput(target, alt ? WM_SYSCHAR : WM_CHAR, static_cast<WPARAM>(ch), 1 | (alt ? 1 << 29 : 0));
}

}  // namespace win
