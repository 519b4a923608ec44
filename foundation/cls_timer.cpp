#include "foundation/cls_timer.h"

#include <algorithm>

#include "platform/win/input.h"
#include "platform/win/user32.h"

namespace quorin {

clsTimer::clsTimer() : route_(std::make_shared<Route>(Route{this})) {}

clsTimer::~clsTimer() {
  StopTimer();
  route_->instance = nullptr;
}

void clsTimer::TimerProc(std::int32_t, std::int32_t, std::int32_t, std::int32_t DwTime) {
  ++ticks_;
  std::int32_t ticks = ticks_;
  std::int32_t time = DwTime;
  OnTime.Raise(ticks, time);
  waiting_ = false;
}

void clsTimer::Interval(std::int16_t value) {
  if (value == interval_) return;
  interval_ = value;
  // One timer with the same tick count: re-arming the same id replaces its period.
  if (running_) Arm(interval_);
}

void clsTimer::hwnd(std::int32_t lng_hwnd) {
  if (!running_) hwnd_ = lng_hwnd;
}

void clsTimer::Arm(int period) {
  std::weak_ptr<Route> route = route_;
  const win32::UINT_PTR wanted = timer_id_;
  timer_id_ = win32::SetTimer(
      static_cast<win32::HWND>(hwnd_), wanted, static_cast<win32::UINT>(std::max(period, 0)),
      [route](win32::HWND h, win32::UINT msg, win32::UINT_PTR id, win32::DWORD time) {
        auto r = route.lock();
        if (!r || !r->instance) return;
        r->instance->TimerProc(static_cast<std::int32_t>(h), static_cast<std::int32_t>(msg),
                               static_cast<std::int32_t>(id), static_cast<std::int32_t>(time));
      });
}

void clsTimer::StartTimer(std::int16_t int_interval) {
  if (running_) return;
  ticks_ = 0;
  running_ = true;
  timer_id_ = 0;
  Arm(int_interval >= 1 ? int_interval : interval_);
}

void clsTimer::StopTimer() {
  if (!running_) return;
  win32::KillTimer(static_cast<win32::HWND>(hwnd_), timer_id_);
  running_ = false;
}

void clsTimer::Wait(std::int16_t int_interval) {
  waiting_ = true;
  StartTimer(int_interval);
  // Without an armed system timer no tick could ever clear the flag. A timer that dies
  // with its window would leave the wait hanging too, so the wait also gives up after far
  // longer than any period could take.
  const win32::DWORD start = win32::GetTickCount();
  const int period = std::max<int>({int_interval, interval_, 10});
  const win32::DWORD limit = 10000u + 100u * static_cast<win32::DWORD>(period);
  while (waiting_ && running_ && timer_id_ != 0 && win32::GetTickCount() - start < limit) {
    win::DoEvents();
  }
  waiting_ = false;
  StopTimer();
}

bool clsTimer::isMouseOver(std::int32_t hwnd) const {
  win32::POINT cursor;
  if (!win32::GetCursorPos(&cursor)) return false;
  return win32::WindowFromPoint(cursor) == static_cast<win32::HWND>(hwnd);
}

}  // namespace quorin
