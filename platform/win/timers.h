#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/win/win_types.h"

namespace win {

// The platform's shortest timer period; shorter requests are raised to it.
constexpr win32::UINT kMinimumTimerPeriodMs = 10;

struct Timer {
  win32::HWND hwnd = 0;
  win32::UINT_PTR id = 0;
  win32::UINT period = kMinimumTimerPeriodMs;
  std::uint64_t due = 0;
  win32::TIMERPROC callback;
  std::uint64_t serial = 0;  // breaks ties between timers due at the same time
};

// Every armed timer of a desktop, by (window, id), ordered by due time when asked.
class TimerTable {
 public:
  // Arms or re-arms a timer; returns its id (a new one for a window-less timer whose id is
  // unknown), 0 on failure.
  win32::UINT_PTR Set(win32::HWND hwnd, win32::UINT_PTR id, win32::UINT period,
                      win32::TIMERPROC callback, std::uint64_t now);
  bool Kill(win32::HWND hwnd, win32::UINT_PTR id);
  void KillAllOf(win32::HWND hwnd);
  const Timer* Find(win32::HWND hwnd, win32::UINT_PTR id) const;
  std::optional<std::uint64_t> NextDue() const;
  // The earliest timer due at `now`, re-armed one period from now.
  std::optional<Timer> TakeDue(std::uint64_t now);
  bool empty() const { return timers_.empty(); }

 private:
  std::vector<Timer> timers_;
  win32::UINT_PTR next_thread_id_ = 1;
  std::uint64_t next_serial_ = 1;
};

}  // namespace win
