#pragma once

#include <cstdint>
#include <string>

#include "platform/host/control/user_control.h"
#include "platform/host/event.h"
#include "platform/vb/std_picture.h"
#include "platform/win/win_types.h"

namespace quorin {

// A notification-area icon with a tool tip. Shown (at run time only) it registers the icon
// with the shell, puts mSysTray's procedure in front of its window's procedure and turns the
// shell's callback messages into mouse events. Invisible at run time; at design time it
// shows its icon inside a raised edge, at a fixed 660 x 735 twips.
class TrayIcon : public host::UserControl {
 public:
  TrayIcon();
  ~TrayIcon() override;
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const vb::PictureRef& Icon() const { return icon_; }
  // Only an icon picture is taken; anything else is ignored without a word.
  void Icon(vb::PictureRef value);
  const std::string& IconTip() const { return icon_tip_; }
  void IconTip(std::string value);
  bool ShowIcon() const { return show_icon_; }
  void ShowIcon(bool value);

  host::Event<std::int32_t> MouseMove{"MouseMove", this};
  host::Event<std::int16_t, std::int32_t> MouseDown{"MouseDown", this};
  host::Event<std::int16_t, std::int32_t> MouseUp{"MouseUp", this};
  host::Event<std::int16_t, std::int32_t> MouseDblClick{"MouseDblClick", this};

  // One callback of the shell: the icon's id and the mouse message it reports.
  void Notify(std::int32_t id, std::int32_t mouse_message);
  // The procedure the window had before the icon was shown (0 while hidden).
  win32::WNDPROC PreviousProcedure() const { return previous_proc_; }
  // True while the icon is registered with the shell.
  bool Shown() const { return shown_; }

  void UserControl_Initialize() override;
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;
  void UserControl_Paint() override;
  void UserControl_Terminate() override;

 private:
  void ShowInTray();
  void RemoveFromTray();
  // Shell_NotifyIconA for this icon with the fields the flags name.
  void CallShell(win32::DWORD message, win32::UINT flags);

  bool show_icon_ = false;
  bool shown_ = false;
  win32::UINT icon_id_ = 0;
  std::string icon_tip_;
  win32::HWND hwnd_ = 0;
  vb::PictureRef icon_;
  win32::WNDPROC previous_proc_ = 0;
  win32::WNDPROC own_proc_ = 0;
  win32::LONG_PTR key_ = 0;
};

}  // namespace quorin
