#pragma once

#include <cstdint>

#include "platform/host/elements/element.h"

namespace VB {

// Raises Timer every Interval milliseconds while enabled and Interval is not 0. Ticks come
// from the message loop; a failing handler is reported and the timer keeps going.
class Timer : public host::Element {
 public:
  Timer();
  ~Timer() override;
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  std::int32_t Interval() const { return interval_; }
  // 0 to 65535; anything else is error 380.
  void Interval(std::int32_t value);

  // The Timer event.
  host::Event<> Tick{"Timer", this};

  bool HitTest(win32::POINT) const override { return false; }
  void Realize() override;
  void Destroy() override;
  std::shared_ptr<host::Control> CloneForArray() const override;
  bool running() const { return id_ != 0; }

 private:
  void Rearm();
  void Stop();
  void Fire();
  void EnabledChanged() override { Rearm(); }

  std::int32_t interval_ = 0;
  bool placed_ = false;
  win32::UINT_PTR id_ = 0;
};

}  // namespace VB
