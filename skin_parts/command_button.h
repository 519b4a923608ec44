#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/host/control/user_control.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/elements/timer.h"
#include "platform/host/event.h"

namespace quorin {

// A caption button of the form skin: minimise, maximise, close or restore. Its whole look is
// one face picture chosen by kind, theme, the host form's activity, the enabled state and
// the mouse (hover polled every 10 ms while the cursor is on it, pressed while the left
// button is held on it).
class CommandButton : public host::UserControl {
 public:
  CommandButton();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  std::int32_t ButtonStyle() const { return button_style_; }
  void ButtonStyle(std::int32_t value);
  std::int32_t Theme() const { return theme_; }
  void Theme(std::int32_t value);
  bool IsActivate() const { return is_activate_; }
  void IsActivate(bool value);
  bool Enabled() const;
  void Enabled(bool value);
  bool AutoRedraw() const;
  void AutoRedraw(bool value);
  const std::string& ToolTipText() const { return tool_tip_text_; }
  void ToolTipText(std::string value);
  std::int32_t hwnd() const;

  // Shows the resting face: active when IpRes holds, inactive otherwise (disabled when the
  // face is disabled). A theme without artwork is error 340 and keeps the face.
  void RefreshControl(bool IpRes = true);
  void Refresh();

  host::Event<> Click{"Click", this};

  void UserControl_Initialize() override;
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;

  std::shared_ptr<VB::PictureBox> PicMain;
  std::shared_ptr<VB::Timer> Timer1;

 private:
  // Which face of a kind's array to show.
  enum class Look { kActive = 0, kHover = 1, kPressed = 2, kInactive = 3 };

  // The holder picture of one face; error 340 for an index the array does not have.
  static vb::PictureRef Holder(const char* array, std::int32_t index, std::int32_t count);
  vb::PictureRef FaceFor(Look look) const;
  vb::PictureRef DisabledFace() const;
  void ShowPointerFace(bool over);
  bool IsCursorOver(std::int32_t hwnd) const;

  void PicMain_MouseDown(std::int16_t Button);
  void PicMain_MouseMove(std::int16_t Button);
  void PicMain_Click();
  void Timer1_Timer();

  std::int32_t theme_ = 0;
  std::int32_t button_style_ = 0;
  bool is_activate_ = false;
  std::int16_t pressed_ = 0;
  std::string tool_tip_text_;
};

}  // namespace quorin
