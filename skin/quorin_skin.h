#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/control/user_control.h"
#include "platform/host/elements/control_array.h"
#include "platform/host/elements/image.h"
#include "platform/host/elements/label.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/elements/timer.h"
#include "platform/host/event.h"
#include "platform/host/form/form.h"
#include "platform/vb/ole_color.h"
#include "platform/win/win_types.h"
#include "skin/theme_x.h"
#include "skin_parts/command_button.h"
#include "skin_parts/label_menu.h"

namespace quorin {

// The skin's two looks.
enum VistaTheme : std::int32_t {
  Vista = 0,
  Vista_Black = 1,  // "Vista Black" in the type information
};

// The form skin. Placed on a form it covers the whole form and, once the form is shown,
// takes over its frame: a borderless layered window with rounded corners, a title bar with
// icon, caption and caption buttons, side and bottom borders that resize it, a menu bar made
// from the form's menus tagged "CBS", fades, two themes and an active and inactive look.
// Its own surface is measured in pixels, its menu bar and the host form in twips.
class QuorinSkin : public host::UserControl {
 public:
  QuorinSkin();
  ~QuorinSkin() override;
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  // ---- Properties ----
  std::string Caption() const;
  void Caption(std::string value);
  vb::FontRef Font() const;
  void Font(vb::FontRef value);
  vb::PictureRef Icon() const;
  void Icon(vb::PictureRef value);
  vb::OLE_COLOR MenuBackColor() const;
  void MenuBackColor(vb::OLE_COLOR value);
  bool ShowIcon() const;
  void ShowIcon(bool value);
  VistaTheme Skin() const { return static_cast<VistaTheme>(m_Theme); }
  void Skin(VistaTheme value);

  // ---- Methods ----
  // Attaching to the host form; shows it modally or with an owner on request.
  void LoadXP(std::optional<std::int16_t> OptModal = std::nullopt, vb::ObjectRef OwnForm = nullptr);
  // Strips the native caption and frame of a form.
  void SetStyle(vb::ObjectRef IpForm);
  // Lays the frame out for the current size, applies the active look and raises Resize.
  void Repos();
  void MaxBtnClick();
  void SetFormActiveStyle(bool ActiveForm);
  std::string DefaultBackgroundColor() const;
  // Minimum size and the rounded window shape for a form.
  void ReTransObj(vb::ObjectRef IpObject);
  void TransparentEdges();
  vb::Variant GradualChange(bool Gradual = true);
  // bTopMost is the Boolean's raw value: True pins, False releases, anything else only
  // raises the window.
  void FormOnTop(std::int32_t hWindow, std::int16_t bTopMost);
  void TaskBarShow();
  void ShowChild(vb::ObjectRef IpForm);
  std::int16_t NChildForm() const { return m_ChildCount; }
  void CloseChildForm();
  void ContainerCheck();
  std::string GetCompName() const;
  vb::Variant ChangeCaption(std::string mCaption);

  // ---- Events ----
  // The area left for the application's controls, in twips: below the title bar and inside
  // the borders.
  host::Event<std::int16_t, std::int16_t, std::int16_t> Resize{"Resize", this};
  host::Event<> Help{"Help", this};
  host::Event<> CloseForm{"CloseForm", this};
  host::Event<> Click{"Click", this};
  host::Event<> DblClick{"DblClick", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseMove{"MouseMove", this};
  host::Event<std::int16_t, std::int16_t, float, float> MouseDown{"MouseDown", this};

  // ---- Lifecycle ----
  void UserControl_Initialize() override;
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(host::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(host::PropertyBag& PropBag) override;
  void UserControl_Resize() override;
  void UserControl_Show() override;
  void UserControl_Terminate() override;

  // ---- Elements ----
  std::shared_ptr<VB::Image> Title;
  std::shared_ptr<VB::Image> TitleLeft;
  std::shared_ptr<VB::Image> TitleRight;
  std::shared_ptr<VB::Image> TitleIcon;
  std::shared_ptr<VB::Label> Caption1;
  std::shared_ptr<VB::Label> Caption2;
  std::shared_ptr<VB::Image> Left;
  std::shared_ptr<VB::Image> Right;
  std::shared_ptr<VB::Image> Bottom;
  std::shared_ptr<VB::Image> BottomLeft;
  std::shared_ptr<VB::Image> BottomRight;
  std::shared_ptr<CommandButton> Minimizebutton;
  std::shared_ptr<CommandButton> MaximizeButton;
  std::shared_ptr<CommandButton> CloseButton;
  std::shared_ptr<VB::PictureBox> pICmenu;
  host::ControlArray<LabelMenu> LbMenu;
  std::shared_ptr<VB::Line> Line1;
  std::shared_ptr<VB::Line> Line2;
  std::shared_ptr<VB::Image> beijin;
  std::shared_ptr<ThemeX> ThemeX1;
  std::shared_ptr<VB::Timer> Timer1;
  std::shared_ptr<VB::Timer> Timer2;

  // ---- State (read by tests and the driver) ----
  std::int32_t m_Theme = 0;
  bool m_ShowHelp = false;
  bool m_HaveChild = false;
  std::int16_t m_MenuCount = 0;
  std::vector<std::shared_ptr<VB::Menu>> m_Menus;
  std::int16_t m_ChildCount = 0;
  std::int32_t m_Alpha = 0;
  bool m_Gradual = false;
  win32::POINT m_DragStart{};
  win32::POINT m_DragEnd{};
  // The host form, from attachment on; null before.
  std::shared_ptr<VB::Form> MyForm() const { return my_form_.lock(); }
  bool attached() const { return MyForm() != nullptr; }

 private:
  // The host form; error 91 when the skin is not attached (or the form is gone).
  VB::Form& HostForm() const;
  // The skin's size in twips, and setting it through the container (runs the resize).
  float WidthTwips() const { return width_twips(); }
  float HeightTwips() const { return height_twips(); }
  void SetWidthTwips(float twips);
  void SetHeightTwips(float twips);
  // The skin takes the host form's size: height first, then width.
  void FollowFormSize();

  void SetCaptionColors(bool active);
  void RaiseResize();

  // Attaching.
  void Attach(VB::Form& form);
  void Detach();
  void ShowCaptionButtons(VB::Form& form);
  void MyForm_Activate();
  void MyForm_Deactivate();
  void MyForm_Resize();

  // Menu bar.
  void AddMenuTitle(const std::shared_ptr<VB::Menu>& menu);
  void PopUpMenuOf(std::int16_t Index, float extra_top);
  void LbMenu_Click(std::int16_t Index);
  void LbMenu_MouseDown(std::int16_t Index, std::int16_t Button);
  void pICmenu_Resize();

  // Title bar.
  void Drag();
  void ShowSystemMenu();
  void Title_MouseDown(std::int16_t Button);
  void Caption_MouseDown(std::int16_t Button);
  void TitleEnd_MouseDown();
  void TitleIcon_MouseDown(std::int16_t Button);
  void Title_DblClick();
  void Minimizebutton_Click();
  void MaximizeButton_Click();
  void CloseButton_Click();

  // Border resizing.
  void Border_MouseDown(int direction);
  void Border_MouseMove(VB::Image& handle, int direction);
  void Border_MouseUp(int direction);
  void DragResize(VB::Form& form, win32::POINT start, win32::POINT end, int direction);

  // Fades.
  void Timer1_Timer();
  void Timer2_Timer();
  // Raises CloseForm and unloads the host form.
  void CloseNow();

  std::weak_ptr<VB::Form> my_form_;
  // Handlers connected to the host form's events, for disconnecting.
  int activate_id_ = 0;
  int deactivate_id_ = 0;
  int resize_id_ = 0;
};

}  // namespace quorin
