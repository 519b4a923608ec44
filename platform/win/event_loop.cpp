#include "platform/win/event_loop.h"

#include <algorithm>

#include "platform/win/internal.h"

namespace win {

using namespace win32;

void EventLoop::Post(const MSG& msg) {
  posted_.push_back(msg);
}

void EventLoop::RemoveMessagesFor(HWND hwnd) {
  std::erase_if(posted_, [&](const MSG& m) { return m.hwnd == hwnd; });
}

bool EventLoop::PeekPaint(MSG* msg) {
  WindowManager& windows = desktop_.windows();
  std::vector<HWND> pending(windows.paint_pending().begin(), windows.paint_pending().end());
  for (HWND h : pending) {
    Window* w = windows.Find(h);
    if (!w) {
      windows.paint_pending().erase(h);
      continue;
    }
    if (!windows.ShownOnScreen(*w)) continue;
    if (w->frame_dirty) {
      SendMessageA(h, WM_NCPAINT, 1, 0);
      w = windows.Find(h);
      if (!w) continue;
      w->frame_dirty = false;
    }
    if (w->update.empty()) {
      windows.paint_pending().erase(h);
      continue;
    }
    *msg = MSG{};
    msg->hwnd = h;
    msg->message = WM_PAINT;
    msg->time = static_cast<DWORD>(desktop_.driver().Now());
    msg->pt = desktop_.input().cursor;
    return true;
  }
  return false;
}

bool EventLoop::Peek(MSG* msg, bool remove) {
  DesktopDriver& driver = desktop_.driver();
  for (int round = 0; round < 64; ++round) {
    if (!posted_.empty()) {
      *msg = posted_.front();
      if (remove) posted_.pop_front();
      return true;
    }
    if (driver.RunDueInput()) {
      ++input_actions_;
      continue;
    }
    break;
  }
  MSG made;
  bool have = PeekPaint(&made);
  if (!have) {
    std::uint64_t now = driver.Now();
    if (std::optional<Timer> timer = timers_.TakeDue(now)) {
      made.hwnd = timer->hwnd;
      made.message = WM_TIMER;
      made.wParam = timer->id;
      made.lParam = timer->callback ? 1 : 0;
      made.time = static_cast<DWORD>(now);
      made.pt = desktop_.input().cursor;
      have = true;
    }
  }
  if (!have) return false;
  *msg = made;
  if (!remove) posted_.push_front(made);
  return true;
}

bool EventLoop::PumpOne(const std::function<bool(const MSG&)>& filter) {
  MSG msg;
  if (!Peek(&msg, true)) return false;
  if (msg.message == WM_QUIT) {
    quit_posted_ = true;
    return true;
  }
  if (filter && filter(msg)) return true;
  DispatchMessageA(&msg);
  return true;
}

int EventLoop::DoEvents() {
  int handled = 0;
  std::uint64_t actions_before = input_actions_;
  // Bounded, so a procedure that keeps posting to itself cannot hold DoEvents forever.
  while (handled < 100000 && PumpOne()) ++handled;
  if (handled == 0 && input_actions_ == actions_before) {
    DesktopDriver& driver = desktop_.driver();
    driver.AdvanceClock(driver.Now() + kIdleDoEventsMs);
  }
  return handled;
}

bool EventLoop::WaitForWork(std::uint64_t limit) {
  DesktopDriver& driver = desktop_.driver();
  std::optional<std::uint64_t> next = timers_.NextDue();
  if (std::optional<std::uint64_t> input = driver.NextInputTime()) {
    next = next ? std::min(*next, *input) : *input;
  }
  if (!next) return false;
  std::uint64_t target = std::min(*next, limit);
  driver.AdvanceClock(std::max(target, driver.Now()));
  return true;
}

ModalResult EventLoop::RunModal(const ModalLoop& loop) {
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  } depth(modal_depth_);
  DesktopDriver& driver = desktop_.driver();
  bool input_gone = false;
  std::uint64_t input_gone_at = 0;  // when the input ran out
  long busy = 0;                    // messages handled since time last moved
  std::uint64_t last_time = driver.Now();
  while (!loop.done || !loop.done()) {
    if (quit_posted_) return ModalResult::kQuit;
    bool handled = PumpOne(loop.filter);
    std::uint64_t now = driver.Now();
    if (now != last_time) {
      busy = 0;
      last_time = now;
    }
    if (handled) {
      if (++busy < 1000000) continue;
    }
    bool input_left = driver.NextInputTime().has_value();
    if (input_left && busy < 1000000) {
      input_gone = false;
      WaitForWork();
      continue;
    }
    if (!input_gone) {
      input_gone = true;
      input_gone_at = now;
    }
    std::uint64_t deadline = input_gone_at + kModalGraceMs;
    if (busy < 1000000 && now < deadline && !timers_.empty()) {
      // Timers may still end the loop by themselves; give them a little virtual time.
      if (!WaitForWork(deadline) || driver.Now() == now) driver.AdvanceClock(deadline);
      continue;
    }
    desktop_.Log("input ran out inside the modal loop \"" + loop.name + "\": dismissed");
    if (loop.dismiss) loop.dismiss();
    return ModalResult::kDismissed;
  }
  return ModalResult::kDone;
}

void EventLoop::RunUntilIdle() {
  DesktopDriver& driver = desktop_.driver();
  for (long guard = 0; guard < 10000000; ++guard) {
    if (quit_posted_) return;
    if (PumpOne()) continue;
    if (!driver.NextInputTime()) return;
    WaitForWork();
  }
}

}  // namespace win
