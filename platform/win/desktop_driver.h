#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/gfx/types.h"

namespace win {

// What a desktop supplies to the window system: the clock, the scripted or real input, and
// the screen the windows are presented on. The headless desktop and, later, an X11
// presenter implement it; the window system never sees more of them than this.
class DesktopDriver {
 public:
  virtual ~DesktopDriver() = default;

  // Milliseconds since the desktop started.
  virtual std::uint64_t Now() = 0;
  // Lets time pass up to `time` (the loop is idle, or Sleep was called).
  virtual void AdvanceClock(std::uint64_t time) = 0;
  // When the next input action falls due; none when no more input will come.
  virtual std::optional<std::uint64_t> NextInputTime() = 0;
  // Runs every input action due at Now(); true when one ran.
  virtual bool RunDueInput() = 0;
  // Part of the screen changed (screen coordinates).
  virtual void ScreenDamaged(const win32::RECT& rect) = 0;
  virtual void Log(std::string_view line) = 0;
};

// A driver with a virtual clock and no input: what a desktop uses until one is attached.
class VirtualClockDriver : public DesktopDriver {
 public:
  std::uint64_t Now() override { return now_; }
  void AdvanceClock(std::uint64_t time) override {
    if (time > now_) now_ = time;
  }
  std::optional<std::uint64_t> NextInputTime() override { return std::nullopt; }
  bool RunDueInput() override { return false; }
  void ScreenDamaged(const win32::RECT&) override {}
  void Log(std::string_view) override {}

 private:
  std::uint64_t now_ = 0;
};

}  // namespace win
