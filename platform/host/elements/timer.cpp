#include "platform/host/elements/timer.h"

#include "platform/host/services/errors.h"
#include "platform/vb/error.h"

namespace VB {

Timer::Timer() {
  SetTwips(0, 0, 420, 420);
  Control::Visible(false);
}

Timer::~Timer() {
  Stop();
}

void Timer::Interval(std::int32_t value) {
  if (value < 0 || value > 65535) throw vb::Error(vb::kInvalidPropertyValue);
  interval_ = value;
  Rearm();
}

void Timer::Realize() {
  placed_ = true;
  Rearm();
}

void Timer::Destroy() {
  Stop();
  placed_ = false;
  Control::Destroy();
}

void Timer::Stop() {
  if (id_) win32::KillTimer(0, id_);
  id_ = 0;
}

void Timer::Rearm() {
  Stop();
  if (!placed_ || !alive() || !Control::Enabled() || interval_ == 0) return;
  std::weak_ptr<vb::Object> weak = weak_from_this();
  id_ = win32::SetTimer(0, 0, static_cast<win32::UINT>(interval_),
                        [weak](win32::HWND, win32::UINT, win32::UINT_PTR, win32::DWORD) {
                          auto self = std::dynamic_pointer_cast<Timer>(weak.lock());
                          if (self) self->Fire();
                        });
}

void Timer::Fire() {
  if (!alive() || !id_) return;
  auto keep = SharedAs<Timer>();
  host::Dispatch(Owner(), Name() + "_Timer", [this] { Tick(); });
}

std::shared_ptr<host::Control> Timer::CloneForArray() const {
  auto copy = std::make_shared<Timer>();
  CopyStateTo(*copy);
  copy->interval_ = interval_;
  return copy;
}

const host::ClassInfo& Timer::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.Timer");
    host::ClassBuilder<Timer>(i)
        .Property("Name", &Object::Name)
        .Property("Index", &Object::Index)
        .Property("Interval", &Timer::Interval, &Timer::Interval)
        .Property("Enabled", &Control::Enabled, &Control::Enabled)
        .Property("Tag", &Control::Tag, &Control::Tag)
        .Event("Timer")
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace VB
