#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/host/control/user_control.h"
#include "platform/host/elements/image.h"
#include "platform/host/elements/label.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/elements/timer.h"
#include "platform/host/event.h"
#include "platform/vb/ole_color.h"
#include "platform/vb/std_font.h"

namespace quorin {

// The picture set of an option button.
enum Pictese : std::int32_t { VistaStyle = 0, XPStyle = 1 };

// Box pictures, the same index in both sets; the selected look is the plain one plus 4.
enum BoxPicture : std::int16_t {
  kBoxResting = 0,
  kBoxHover = 1,
  kBoxPressed = 2,
  kBoxDisabled = 3,
  kBoxSelected = 4,
};

// One skinned option button: a 13 x 13 pixel box `p` and a caption `lbl`. A click (or Space)
// selects it and clears every RadioButton of the same container with the same Group. The
// face follows the mouse: one MouseMove when the hover look starts, a 50 ms poll that ends
// it with MouseOut once the cursor has left.
class RadioButton : public host::UserControl {
 public:
  RadioButton();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  bool Enabled() const;
  void Enabled(bool value);
  bool Group() const { return group_; }
  bool Value() const { return value_; }
  void Value(bool value);
  const vb::FontRef& Font() const { return font_; }
  void Font(vb::FontRef value);
  std::string Caption() const { return lbl->Caption(); }
  void Caption(std::string value);
  vb::OLE_COLOR BackColor() const { return back_color_; }
  void BackColor(vb::OLE_COLOR value);
  vb::OLE_COLOR ForeColor() const { return fore_color_; }
  void ForeColor(vb::OLE_COLOR value);
  Pictese Skin() const { return skin_; }
  void Skin(Pictese value);

  // Events, in the order the control declares them.
  host::Event<> Click{"Click", this};
  host::Event<std::int16_t, std::int16_t> KeyDown{"KeyDown", this};
  host::Event<std::int16_t> KeyPress{"KeyPress", this};
  host::Event<std::int16_t, std::int16_t> KeyUp{"KeyUp", this};
  host::Event<> MouseOut{"MouseOut", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseDown{"MouseDown", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseMove{"MouseMove", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseUp{"MouseUp", this};

  void UserControl_Initialize() override;
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;
  void UserControl_Click() override;
  void UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) override;

  // The picture of a set the box shows for one index (the holder's own object).
  const vb::PictureRef& SetPicture(Pictese skin, std::int16_t index) const;
  // The index of the current set the box shows, or -1 for a picture of neither set.
  std::int16_t ShownIndex() const;
  std::int16_t HoverPicture() const { return hover_picture_; }
  std::int16_t Pressed() const { return pressed_; }

  std::shared_ptr<VB::PictureBox> p;
  std::shared_ptr<VB::Label> lbl;
  std::shared_ptr<VB::Timer> Timer1;
  std::array<std::shared_ptr<VB::Image>, 8> img;
  std::array<std::shared_ptr<VB::Image>, 8> img2;

 private:
  // Face steps.
  void ShowFace();
  void ShowDisabledFace();
  void ApplyEnabled();
  void Show(std::int16_t index);
  void MouseDownHandling(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void MouseMoveHandling(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void MouseUpHandling(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void Timer1_Timer();
  void p_GotFocus();
  void p_LostFocus();
  void p_KeyPress(std::int16_t& KeyAscii);
  void p_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift);

  // Clears the group (this button included) and selects this one; raises nothing.
  void Select();
  // A click of the mouse on the control, the box or the caption.
  void MouseClick();

  vb::FontRef font_;
  bool value_ = false;
  vb::OLE_COLOR back_color_ = 0x8000000F;
  vb::OLE_COLOR fore_color_ = 0;
  bool group_ = false;
  std::int16_t hover_picture_ = kBoxHover;
  std::int16_t pressed_ = 0;
  mutable bool enabled_copy_ = true;
  Pictese skin_ = VistaStyle;
};

}  // namespace quorin
