#pragma once

#include <string>

#include "platform/host/elements/text_element.h"
#include "platform/vb/std_font.h"

namespace VB {

// The engine's option button: one of a group, the group being the option buttons of the same
// container. Choosing one (a click, Space, or Value = True) clears the others and raises
// Click on it.
class OptionButton : public host::TextElement {
 public:
  OptionButton();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const std::string& Caption() const { return caption_; }
  void Caption(std::string value);
  bool Value() const { return value_; }
  // True clears the other option buttons of the container and raises Click.
  void Value(bool value);
  // 0 the caption on the right of the button, 1 on its left.
  std::int16_t Alignment() const { return alignment_; }
  void Alignment(std::int16_t value);
  bool CanGetFocus() const override { return true; }

  void OnClick() override;
  void OnKeyUp(std::int16_t& key, std::int16_t& shift) override;
  std::shared_ptr<host::Control> CloneForArray() const override;

 protected:
  void PaintElement(win32::HDC hdc) override;

 private:
  std::string caption_ = "Option1";
  bool value_ = false;
  std::int16_t alignment_ = 0;
  bool choosing_ = false;
};

}  // namespace VB
