#include "platform/desktop/robot.h"

#include <cctype>
#include <string>

#include "platform/desktop/headless_desktop.h"

namespace desktop {

using win::MouseButton;

namespace {

const char* ButtonName(MouseButton button) {
  switch (button) {
    case MouseButton::kLeft:
      return "left";
    case MouseButton::kRight:
      return "right";
    case MouseButton::kMiddle:
      return "middle";
  }
  return "?";
}

// The virtual key of a character typed without modifiers, or 0.
win32::UINT KeyOf(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  if (std::isalpha(u)) return static_cast<win32::UINT>(std::toupper(u));
  if (std::isdigit(u) || c == ' ') return u;
  if (c == '\n' || c == '\r') return win32::VK_RETURN;
  if (c == '\t') return win32::VK_TAB;
  return 0;
}

}  // namespace

Robot& Robot::Add(std::uint64_t delay, std::string description, std::function<void()> action) {
  desktop_.timeline().Add(desktop_.Now(), delay, std::move(description), std::move(action));
  return *this;
}

Robot& Robot::MoveTo(int x, int y) {
  x_ = x;
  y_ = y;
  return Add(kMoveMs, "move to " + std::to_string(x) + "," + std::to_string(y),
             [x, y] { win::InjectMouseMove(x, y); });
}

Robot& Robot::Glide(int x, int y, int steps) {
  if (x_ < 0) {
    win32::POINT p;
    win32::GetCursorPos(&p);
    x_ = p.x;
    y_ = p.y;
  }
  int from_x = x_, from_y = y_;
  steps = std::max(steps, 1);
  for (int i = 1; i <= steps; ++i) {
    MoveTo(from_x + (x - from_x) * i / steps, from_y + (y - from_y) * i / steps);
  }
  return *this;
}

Robot& Robot::Press(MouseButton button) {
  return Add(kPressMs, std::string("press ") + ButtonName(button),
             [button] { win::InjectMouseButton(button, true); });
}

Robot& Robot::Release(MouseButton button) {
  return Add(kPressMs, std::string("release ") + ButtonName(button),
             [button] { win::InjectMouseButton(button, false); });
}

Robot& Robot::Click(int x, int y, MouseButton button) {
  return MoveTo(x, y).Press(button).Release(button);
}

Robot& Robot::DoubleClick(int x, int y, MouseButton button) {
  MoveTo(x, y).Press(button).Release(button);
  Add(kDoubleClickGapMs, std::string("press ") + ButtonName(button),
      [button] { win::InjectMouseButton(button, true); });
  return Release(button);
}

Robot& Robot::Drag(int from_x, int from_y, int to_x, int to_y, int steps, MouseButton button) {
  MoveTo(from_x, from_y).Press(button);
  Glide(to_x, to_y, steps);
  return Release(button);
}

Robot& Robot::KeyDown(win32::UINT vk) {
  return Add(kKeyMs, "key down " + std::to_string(vk), [vk] { win::InjectKey(vk, true); });
}

Robot& Robot::KeyUp(win32::UINT vk) {
  return Add(kKeyMs, "key up " + std::to_string(vk), [vk] { win::InjectKey(vk, false); });
}

Robot& Robot::Key(win32::UINT vk) {
  KeyDown(vk);
  if (vk == win32::VK_RETURN || vk == win32::VK_ESCAPE || vk == win32::VK_BACK ||
      vk == win32::VK_TAB || vk == win32::VK_SPACE) {
    char32_t ch = vk == win32::VK_RETURN   ? U'\r'
                  : vk == win32::VK_ESCAPE ? U'\x1b'
                  : vk == win32::VK_BACK   ? U'\b'
                  : vk == win32::VK_TAB    ? U'\t'
                                           : U' ';
    Add(0, "char", [ch] { win::InjectChar(ch); });
  }
  return KeyUp(vk);
}

Robot& Robot::Char(char32_t ch) {
  return Add(kKeyMs, "char " + std::to_string(static_cast<std::uint32_t>(ch)),
             [ch] { win::InjectChar(ch); });
}

Robot& Robot::Type(const std::string& text) {
  for (char c : text) {
    win32::UINT vk = KeyOf(c);
    if (vk) KeyDown(vk);
    Add(vk ? 0 : kKeyMs, std::string("char ") + c,
        [c] { win::InjectChar(static_cast<unsigned char>(c)); });
    if (vk) KeyUp(vk);
  }
  return *this;
}

Robot& Robot::Wait(std::uint64_t ms) {
  return Add(ms, "wait", [] {});
}

Robot& Robot::Do(std::string description, std::function<void()> action, std::uint64_t delay) {
  return Add(delay, std::move(description), std::move(action));
}

}  // namespace desktop
