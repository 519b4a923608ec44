#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/win/timers.h"
#include "platform/win/win_types.h"

namespace win {

class Desktop;

// A nested loop that runs until `done` holds: a modal form, a pop-up menu, the move loop.
struct ModalLoop {
  std::string name;
  std::function<bool()> done;
  // Sees each message before it is dispatched; true consumes it.
  std::function<bool(const win32::MSG&)> filter;
  // Ends the loop as Escape would, when no more input will come.
  std::function<void()> dismiss;
};

enum class ModalResult { kDone, kDismissed, kQuit };

// The desktop's one message loop: posted messages, input from the driver, paints and timers
// by due time, on a clock that the driver keeps.
class EventLoop {
 public:
  // Virtual time a modal loop keeps running timers after the input has run out, before the
  // desktop dismisses it.
  static constexpr std::uint64_t kModalGraceMs = 2000;
  // Virtual time a DoEvents that found nothing to do lets pass (a busy loop spends time).
  static constexpr std::uint64_t kIdleDoEventsMs = 1;

  explicit EventLoop(Desktop& desktop) : desktop_(desktop) {}

  void Post(const win32::MSG& msg);
  // Takes the next message that is due now, if any (posted, then input, paint, timers).
  bool Peek(win32::MSG* msg, bool remove);
  // Dispatches one due message; false when nothing was due.
  bool PumpOne(const std::function<bool(const win32::MSG&)>& filter = {});
  // Processes what is due and returns the number of messages handled.
  int DoEvents();
  // Lets the clock run to the next due timer or input; false when nothing will ever come.
  bool WaitForWork(std::uint64_t limit = UINT64_MAX);
  ModalResult RunModal(const ModalLoop& loop);
  // Runs until nothing is due and no input is left (timers alone do not keep it running).
  void RunUntilIdle();

  void RemoveMessagesFor(win32::HWND hwnd);
  // Whether the message being handled now was sent (SendMessage) or posted.
  void PushDispatch(bool sent) { dispatch_kinds_.push_back(sent); }
  void PopDispatch() {
    if (!dispatch_kinds_.empty()) dispatch_kinds_.pop_back();
  }
  bool in_send() const { return !dispatch_kinds_.empty() && dispatch_kinds_.back(); }
  TimerTable& timers() { return timers_; }
  int modal_depth() const { return modal_depth_; }
  // How many times Sleep was called: a handler that sleeps is waiting, like a modal loop.
  std::uint64_t sleeps() const { return sleeps_; }
  void NoteSleep() { ++sleeps_; }
  bool quit_posted() const { return quit_posted_; }
  void clear_quit() { quit_posted_ = false; }

 private:
  bool PeekPaint(win32::MSG* msg);

  Desktop& desktop_;
  std::deque<win32::MSG> posted_;
  std::vector<bool> dispatch_kinds_;
  TimerTable timers_;
  int modal_depth_ = 0;
  std::uint64_t sleeps_ = 0;
  std::uint64_t input_actions_ = 0;  // input actions run so far
  bool quit_posted_ = false;
};

}  // namespace win
