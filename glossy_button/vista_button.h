#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/host/control/user_control.h"
#include "platform/host/elements/control_array.h"
#include "platform/host/elements/image.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/event.h"
#include "platform/vb/variant.h"

namespace quorin {

// Where the picture goes beside the caption.
enum class Kstyle : std::int32_t { Left = 0, Top = 1 };
// The skin bitmap set that draws the face.
enum class ButtonPicture : std::int32_t {
  VistaButton = 0,
  VistaButton2 = 1,
  VistaButton3 = 2,
  VistaButton4 = 3,
  Office = 4,
  XPButton = 5,
};

// A push button whose face is nine-slice scaled from one of six small skin pictures, with a
// caption and an optional picture on it. The face element Pback covers the control and gets
// all input: hovering shows the hover face (the face then holds the mouse capture until the
// cursor leaves it), a left press the pressed face, and a left click or Enter raises Click.
class VistaButton : public host::UserControl {
 public:
  VistaButton();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  std::string Caption() const;
  void Caption(std::string value);
  bool Enabled() const;
  void Enabled(bool value);
  vb::FontRef Font() const;
  void Font(vb::FontRef value);
  vb::OLE_COLOR ForeColor() const;
  void ForeColor(vb::OLE_COLOR value);
  vb::PictureRef Picture() const;
  void Picture(vb::PictureRef value);
  std::int32_t Style() const { return style_; }
  void Style(std::int32_t value);
  // Stored only: the new skin shows at the next drawing.
  std::int32_t Skin() const { return skin_; }
  void Skin(std::int32_t value);

  // Draws face VV (0 disabled, 1 normal, 2 hover, 3 pressed; 1 on a disabled button draws 0)
  // and then the caption and picture. A state without a skin picture is error 340, raised
  // after the face was cleared.
  void PrintB(const vb::Variant& VV);
  // Draws the caption and the picture over the face as it is; a failing step is skipped.
  void SetText(const vb::Variant& Caption);

  void UserControl_Initialize() override;
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;
  void UserControl_Show() override;
  void UserControl_KeyPress(std::int16_t& KeyAscii) override;

  host::Event<> Click{"Click", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseDown{"MouseDown", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseUp{"MouseUp", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseMove{"MouseMove", this};

  std::shared_ptr<VB::PictureBox> Pback;
  std::shared_ptr<VB::Image> IM1;
  host::ControlArray<VB::Image> im;
  host::ControlArray<VB::Image> bu2;
  host::ControlArray<VB::Image> bu3;
  host::ControlArray<VB::Image> bu4;
  host::ControlArray<VB::Image> bu5;
  host::ControlArray<VB::Image> bu6;

  // Whether the hover face shows (and the face holds the capture); whether the latest press
  // on the face was with the left button.
  bool hovering() const { return hover_; }
  bool left_pressed() const { return left_press_; }

 private:
  void Pback_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void Pback_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void Pback_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void Pback_Click();
  void Pback_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift);
  // The skin set of a Skin value, or null for a value without one.
  const host::ControlArray<VB::Image>* SkinSet() const;
  void DrawCaption(const std::string& text, float x, float y);

  std::int32_t style_ = 0;
  std::int32_t skin_ = 0;
  bool hover_ = false;
  bool left_press_ = false;
};

}  // namespace quorin
