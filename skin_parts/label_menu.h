#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/cls_timer.h"
#include "platform/host/control/user_control.h"
#include "platform/host/elements/label.h"
#include "platform/host/event.h"
#include "platform/vb/ole_color.h"

namespace quorin {

// One title of the form skin's menu bar: a caption on a coloured strip that lights up while
// the mouse is over it and forwards its mouse events. While lit it keeps a private timer
// whose 10 ms ticks notice that the cursor has left and restore the saved look.
class LabelMenu : public host::UserControl {
 public:
  // The highlight background, a light blue (red 193, green 210, blue 238).
  static constexpr vb::OLE_COLOR kHotColor = 0x00EED2C1;

  LabelMenu();
  ~LabelMenu() override;
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  // Returns/sets the background color used to display text and graphics in an object.
  vb::OLE_COLOR BackColor() const { return DrawingSurface::BackColor(); }
  void BackColor(vb::OLE_COLOR New_BackColor);
  // Returns/sets the border style for an object (0 none, 1 fixed single).
  std::int16_t BorderStyle() const { return UserControl::BorderStyle(); }
  void BorderStyle(std::int16_t New_BorderStyle);
  // Returns/sets the text displayed in an object's title bar or below an object's icon.
  const std::string& Caption() const { return Label1->Caption(); }
  void Caption(std::string New_caption);
  // Returns/sets a value that determines whether an object can respond to user-generated
  // events.
  bool Enabled() const { return Control::Enabled(); }
  void Enabled(bool New_Enabled);

  // Whether the title is lit (its timer running).
  bool hot() const { return MyTimer != nullptr; }

  host::Event<> Click{"Click", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseDown{"MouseDown", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseMove{"MouseMove", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseUp{"MouseUp", this};

  void UserControl_ReadProperties(host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;
  void UserControl_Terminate() override;

  void UserControl_Click() override { HandleClick(); }
  void UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) override {
    HandleMouseDown(Button, Shift, X, Y);
  }
  void UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) override {
    HandleMouseMove(Button, Shift, X, Y);
  }
  void UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) override {
    HandleMouseUp(Button, Shift, X, Y);
  }

  std::shared_ptr<VB::Label> Label1;

 private:
  void SetHot(bool on);
  void MyTimer_OnTime();
  // Makes the control as wide as the caption plus 14 px (210 twips).
  void FitWidth();

  void HandleClick();
  void HandleMouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void HandleMouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void HandleMouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);

  std::shared_ptr<clsTimer> MyTimer;
  // A timer that ended the highlight from inside its own tick: it is kept until that tick
  // has returned, since destroying it there would pull the object from under its raise.
  std::shared_ptr<clsTimer> retired_timer_;
  vb::OLE_COLOR saved_color_ = 0;
};

}  // namespace quorin
