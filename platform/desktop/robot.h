#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/desktop/timeline.h"
#include "platform/win/input.h"

namespace desktop {

class HeadlessDesktop;

// Scripted mouse and keyboard: each call adds actions to the desktop's timeline, spaced by
// a person's pace, and returns at once; the actions run as the message loops pump.
class Robot {
 public:
  static constexpr std::uint64_t kMoveMs = 10;
  static constexpr std::uint64_t kPressMs = 30;
  static constexpr std::uint64_t kDoubleClickGapMs = 80;
  static constexpr std::uint64_t kKeyMs = 20;

  explicit Robot(HeadlessDesktop& desktop) : desktop_(desktop) {}

  Robot& MoveTo(int x, int y);
  // Moves in `steps` even steps from where the previous move left the cursor.
  Robot& Glide(int x, int y, int steps);
  Robot& Press(win::MouseButton button = win::MouseButton::kLeft);
  Robot& Release(win::MouseButton button = win::MouseButton::kLeft);
  Robot& Click(int x, int y, win::MouseButton button = win::MouseButton::kLeft);
  Robot& DoubleClick(int x, int y, win::MouseButton button = win::MouseButton::kLeft);
  Robot& Drag(int from_x, int from_y, int to_x, int to_y, int steps = 8,
              win::MouseButton button = win::MouseButton::kLeft);
  Robot& KeyDown(win32::UINT vk);
  Robot& KeyUp(win32::UINT vk);
  // Down and up, with the character for keys that have one.
  Robot& Key(win32::UINT vk);
  Robot& Char(char32_t ch);
  // Each character as its key down, character and key up.
  Robot& Type(const std::string& text);
  Robot& Wait(std::uint64_t ms);
  // Any scripted step: a property set, a screenshot, a check.
  Robot& Do(std::string description, std::function<void()> action, std::uint64_t delay = 0);

 private:
  Robot& Add(std::uint64_t delay, std::string description, std::function<void()> action);

  HeadlessDesktop& desktop_;
  int x_ = -1;  // where the script left the cursor
  int y_ = -1;
};

}  // namespace desktop
