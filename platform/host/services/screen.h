#pragma once

#include <cstdint>
#include <memory>

#include "platform/host/object.h"

namespace host {

// The engine's Screen object: the desktop's size in twips, twips per pixel, and the
// application-wide MousePointer (0 lets each control's own pointer show).
class ScreenObject : public Object {
 public:
  static const ClassInfo& TypeInfo();
  const ClassInfo& Class() const override { return TypeInfo(); }

  float Width() const;
  float Height() const;
  float TwipsPerPixelX() const;
  float TwipsPerPixelY() const;
  std::int16_t MousePointer() const { return mouse_pointer_; }
  // 0 to 15 or 99; anything else is error 380.
  void MousePointer(std::int16_t value);

 private:
  std::int16_t mouse_pointer_ = 0;
};

ScreenObject& Screen();
std::shared_ptr<ScreenObject> ScreenRef();

// Processes what is due and returns (handlers may run meanwhile); returns the number of
// loaded forms, as the engine's DoEvents does.
int DoEvents();

}  // namespace host
