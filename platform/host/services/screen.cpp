#include "platform/host/services/screen.h"

#include "platform/host/form/form.h"
#include "platform/host/types/class_builder.h"
#include "platform/vb/error.h"
#include "platform/vb/units.h"
#include "platform/win/desktop.h"
#include "platform/win/input.h"

namespace host {

float ScreenObject::Width() const {
  return static_cast<float>(win::Desktop::Current().settings().width) * TwipsPerPixelX();
}
float ScreenObject::Height() const {
  return static_cast<float>(win::Desktop::Current().settings().height) * TwipsPerPixelY();
}
float ScreenObject::TwipsPerPixelX() const {
  return vb::Display().twips_per_pixel_x;
}
float ScreenObject::TwipsPerPixelY() const {
  return vb::Display().twips_per_pixel_y;
}

void ScreenObject::MousePointer(std::int16_t value) {
  if (value < 0 || (value > 15 && value != 99)) throw vb::Error(vb::kInvalidPropertyValue);
  mouse_pointer_ = value;
  // The stock cursors the engine's pointer numbers stand for.
  static const win32::LONG_PTR kCursors[] = {
      win32::IDC_ARROW,    win32::IDC_ARROW,   win32::IDC_CROSS,    win32::IDC_IBEAM,
      win32::IDC_ARROW,    win32::IDC_SIZEALL, win32::IDC_SIZENESW, win32::IDC_SIZENS,
      win32::IDC_SIZENWSE, win32::IDC_SIZEWE,  win32::IDC_ARROW,    win32::IDC_WAIT,
      win32::IDC_NO,       win32::IDC_WAIT,    win32::IDC_ARROW,    win32::IDC_SIZEALL};
  if (value > 0 && value <= 15) win32::SetCursor(win32::LoadCursorA(0, kCursors[value]));
}

std::shared_ptr<ScreenObject> ScreenRef() {
  static std::shared_ptr<ScreenObject> screen = std::make_shared<ScreenObject>();
  return screen;
}

ScreenObject& Screen() {
  return *ScreenRef();
}

int DoEvents() {
  win::DoEvents();
  return static_cast<int>(Forms().size());
}

const ClassInfo& ScreenObject::TypeInfo() {
  static ClassInfo& info = []() -> ClassInfo& {
    ClassInfo& i = TypeRegistry::Instance().Add("VB.Screen");
    ClassBuilder<ScreenObject>(i)
        .Property("Width", &ScreenObject::Width)
        .Property("Height", &ScreenObject::Height)
        .Property("TwipsPerPixelX", &ScreenObject::TwipsPerPixelX)
        .Property("TwipsPerPixelY", &ScreenObject::TwipsPerPixelY)
        .Property("MousePointer", &ScreenObject::MousePointer, &ScreenObject::MousePointer);
    return i;
  }();
  return info;
}

}  // namespace host
