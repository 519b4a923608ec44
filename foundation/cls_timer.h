#pragma once

#include <cstdint>
#include <memory>

#include "platform/host/event.h"
#include "platform/vb/object.h"
#include "platform/win/win_types.h"

namespace quorin {

// One system timer whose ticks are raised as OnTime on the instance that started it. The
// system callback is a closure over a shared routing record rather than generated machine
// code, so each instance hears only its own timer and nothing after it is gone.
class clsTimer : public vb::Object {
 public:
  clsTimer();
  ~clsTimer() override;
  clsTimer(const clsTimer&) = delete;
  clsTimer& operator=(const clsTimer&) = delete;

  // The target of the system callback; a direct call behaves exactly like a tick.
  void TimerProc(std::int32_t hwnd, std::int32_t uMsg, std::int32_t idEvent, std::int32_t DwTime);

  std::int16_t Interval() const { return interval_; }
  void Interval(std::int16_t value);
  std::int32_t hwnd() const { return hwnd_; }
  void hwnd(std::int32_t lng_hwnd);

  // Blocks, processing messages, until the next tick; returns at once when no system timer
  // could be armed, since no tick would ever end the wait.
  void Wait(std::int16_t int_interval);
  void StartTimer(std::int16_t int_interval);
  void StopTimer();
  // True only when the window under the cursor is exactly `hwnd`.
  bool isMouseOver(std::int32_t hwnd) const;

  bool running() const { return running_; }
  std::int32_t ticks() const { return ticks_; }

  // OnTime(Int_Ticks, DwTime)
  host::Event<std::int32_t, std::int32_t> OnTime{"OnTime", this};

 private:
  // Shared with the system callback: the callback finds the instance through it, and the
  // destructor clears it so a late tick reaches nobody.
  struct Route {
    clsTimer* instance;
  };

  void Arm(int period);

  std::int16_t interval_ = 1000;
  std::int32_t ticks_ = 0;
  bool running_ = false;
  win32::UINT_PTR timer_id_ = 0;
  std::int32_t hwnd_ = 0;
  bool waiting_ = false;
  std::shared_ptr<Route> route_;
};

}  // namespace quorin
