#include "platform/win/timers.h"

#include <algorithm>

namespace win {

win32::UINT_PTR TimerTable::Set(win32::HWND hwnd, win32::UINT_PTR id, win32::UINT period,
                                win32::TIMERPROC callback, std::uint64_t now) {
  period = std::max(period, kMinimumTimerPeriodMs);
  auto existing = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) {
    return t.hwnd == hwnd && t.id == id && (hwnd != 0 || id != 0);
  });
  if (existing != timers_.end()) {
    existing->period = period;
    existing->due = now + period;
    existing->callback = std::move(callback);
    existing->serial = next_serial_++;
    return hwnd == 0 ? id : (id != 0 ? id : 1);
  }
  Timer timer;
  timer.hwnd = hwnd;
  timer.id = id;
  if (hwnd == 0) {
    // A window-less timer always gets a fresh id the caller did not choose.
    timer.id = 0x7000 + next_thread_id_++;
  }
  timer.period = period;
  timer.due = now + period;
  timer.callback = std::move(callback);
  timer.serial = next_serial_++;
  timers_.push_back(std::move(timer));
  const Timer& added = timers_.back();
  return hwnd == 0 ? added.id : (id != 0 ? id : 1);
}

bool TimerTable::Kill(win32::HWND hwnd, win32::UINT_PTR id) {
  auto it = std::find_if(timers_.begin(), timers_.end(),
                         [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  if (it == timers_.end()) return false;
  timers_.erase(it);
  return true;
}

void TimerTable::KillAllOf(win32::HWND hwnd) {
  std::erase_if(timers_, [&](const Timer& t) { return hwnd != 0 && t.hwnd == hwnd; });
}

const Timer* TimerTable::Find(win32::HWND hwnd, win32::UINT_PTR id) const {
  for (const Timer& t : timers_) {
    if (t.hwnd == hwnd && t.id == id) return &t;
  }
  return nullptr;
}

std::optional<std::uint64_t> TimerTable::NextDue() const {
  std::optional<std::uint64_t> next;
  for (const Timer& t : timers_) {
    if (!next || t.due < *next) next = t.due;
  }
  return next;
}

std::optional<Timer> TimerTable::TakeDue(std::uint64_t now) {
  Timer* best = nullptr;
  for (Timer& t : timers_) {
    if (t.due > now) continue;
    if (!best || t.due < best->due || (t.due == best->due && t.serial < best->serial)) best = &t;
  }
  if (!best) return std::nullopt;
  Timer copy = *best;
  best->due = now + best->period;
  best->serial = next_serial_++;
  return copy;
}

}  // namespace win
