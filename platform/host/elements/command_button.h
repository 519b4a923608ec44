#pragma once

#include <string>

#include "platform/host/elements/element.h"
#include "platform/host/elements/text_element.h"
#include "platform/vb/std_font.h"
#include "platform/vb/std_picture.h"

namespace VB {

// The engine's plain push button: Click on a left release over it, on Space, on Enter when
// it is the default button and on Escape when it is the cancel button.
class CommandButton : public host::WindowedElement {
 public:
  CommandButton();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const std::string& Caption() const { return caption_; }
  void Caption(std::string value);
  bool Default() const { return default_; }
  void Default(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void Cancel(bool value) { cancel_ = value; }
  const vb::FontRef& Font() const { return font_; }
  void Font(vb::FontRef value);
  vb::OLE_COLOR BackColor() const { return back_color_; }
  void BackColor(vb::OLE_COLOR value);
  // A graphical button (Style 1) shows its Picture centred, above its caption if it has one.
  std::int16_t Style() const { return style_; }
  void Style(std::int16_t value);
  const vb::PictureRef& Picture() const { return picture_; }
  void Picture(vb::PictureRef value);
  // Setting Value to True clicks the button.
  bool Value() const { return false; }
  void Value(bool value);
  bool CanGetFocus() const override { return true; }
  bool pressed() const { return pressed_; }

  void OnMouse(host::MouseKind kind, std::int16_t button, std::int16_t shift, float x,
               float y) override;
  void OnKeyDown(std::int16_t& key, std::int16_t& shift) override;
  void OnKeyUp(std::int16_t& key, std::int16_t& shift) override;
  void OnGotFocus() override;
  void OnLostFocus() override;
  std::shared_ptr<host::Control> CloneForArray() const override;
  // Clicks the button as the engine does (through the error dispatch).
  void PerformClick();

 protected:
  void PaintElement(win32::HDC hdc) override;

 private:
  std::string caption_ = "Command1";
  bool default_ = false;
  bool cancel_ = false;
  vb::FontRef font_ = std::make_shared<vb::StdFont>();
  vb::OLE_COLOR back_color_ = 0x8000000F;
  std::int16_t style_ = 0;
  vb::PictureRef picture_;
  bool pressed_ = false;
  bool focused_ = false;
};

// A check box: a click or Space toggles Value between 0 and 1 and raises Click.
class CheckBox : public host::TextElement {
 public:
  CheckBox();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const std::string& Caption() const { return caption_; }
  void Caption(std::string value);
  // 0 unchecked, 1 checked, 2 greyed; setting a new value raises Click.
  std::int16_t Value() const { return value_; }
  void Value(std::int16_t value);
  bool CanGetFocus() const override { return true; }

  void OnClick() override;
  void OnKeyUp(std::int16_t& key, std::int16_t& shift) override;
  std::shared_ptr<host::Control> CloneForArray() const override;

 protected:
  void PaintElement(win32::HDC hdc) override;

 private:
  std::string caption_ = "Check1";
  std::int16_t value_ = 0;
  bool toggling_ = false;
};

}  // namespace VB
