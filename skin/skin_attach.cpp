// Attaching the skin to its host form: taking over the frame when the form is shown, and
// following the form's activation and size afterwards.

#include <algorithm>
#include <cmath>

#include "foundation/fade.h"
#include "foundation/sysbar.h"
#include "platform/host/services/screen.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "platform/win/styles.h"
#include "platform/win/user32.h"
#include "skin/quorin_skin.h"
#include "skin/skin_steps.h"

namespace quorin {

namespace {

constexpr std::int32_t kMinTrack = 180;  // pixels
constexpr float kAttachGrowth = 70;      // twips added to a framed form's height
constexpr float kStyleShrink = 365;      // twips taken off by SetStyle

// A twips value as the platform's pixels at a fixed 15 twips per pixel, halves to even.
int Px15(float twips) {
  return static_cast<int>(std::nearbyint(twips / 15.0f));
}

bool IsSkinMenu(const VB::Menu& menu) {
  std::string tag = menu.Tag();
  std::transform(tag.begin(), tag.end(), tag.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return tag == "CBS";
}

}  // namespace

void QuorinSkin::UserControl_Show() {
  // A failing step ends the handler silently.
  host::Skipping([&] {
    Repos();
    LoadXP(0, nullptr);
    if (!alive()) return;
    if (m_Gradual) {
      m_Alpha = 0;
      Timer1->Enabled(true);
    } else {
      SetWindowAlpha(static_cast<std::int32_t>(HostForm().hWnd()), 255, true, false);
    }
  });
}

void QuorinSkin::Attach(VB::Form& form) {
  std::shared_ptr<VB::Form> current = my_form_.lock();
  if (current.get() == &form) return;
  Detach();
  my_form_ = form.SharedAs<VB::Form>();
  activate_id_ = form.Activate.Connect([this] { MyForm_Activate(); });
  deactivate_id_ = form.Deactivate.Connect([this] { MyForm_Deactivate(); });
  resize_id_ = form.Resize.Connect([this] { MyForm_Resize(); });
}

void QuorinSkin::Detach() {
  if (std::shared_ptr<VB::Form> form = my_form_.lock()) {
    form->Activate.Disconnect(activate_id_);
    form->Deactivate.Disconnect(deactivate_id_);
    form->Resize.Disconnect(resize_id_);
  }
  my_form_.reset();
}

void QuorinSkin::LoadXP(std::optional<std::int16_t> OptModal, vb::ObjectRef OwnForm) {
  const std::int16_t modal = OptModal.value_or(0);
  try {
    auto form = std::dynamic_pointer_cast<VB::Form>(Parent());
    if (!form) throw vb::Error(vb::kTypeMismatch, "the skin's parent is not a form");
    // Attaching again (the application shows the form modally, or it is shown once more)
    // finds the frame already stripped and sized: that part is not done twice.
    const bool again = MyForm() == form;
    Attach(*form);
    const auto hwnd = static_cast<std::int32_t>(form->hWnd());
    SetWindowAlpha(hwnd, 0, true, false);

    // The usable height is the screen's less the taskbar's height, wherever it is docked.
    win32::RECT taskbar{};
    win32::GetWindowRect(win32::FindWindowA("Shell_TrayWnd", nullptr), &taskbar);
    win32::RECT desktop{};
    win32::GetWindowRect(win32::GetDesktopWindow(), &desktop);
    const std::int32_t screen_width = desktop.right - desktop.left;
    const std::int32_t usable_height =
        desktop.bottom - desktop.top - (taskbar.bottom - taskbar.top);
    HookMinMax(hwnd, kMinTrack, kMinTrack, screen_width, usable_height);

    beijin->Visible(false);
    for (const auto& button : {Minimizebutton, MaximizeButton, CloseButton}) {
      button->Visible(true);
    }
    TitleIcon->Visible(ShowIcon());
    TitleIcon->Picture(form->Icon());
    Caption1->Caption(form->Caption());
    Caption2->Caption(Caption1->Caption());

    QuorinSkin* sized = this;
    const std::vector<host::ObjectPtr> items = form->Controls().items();
    for (const host::ObjectPtr& item : items) {
      if (auto* skin = dynamic_cast<QuorinSkin*>(item.get())) {
        skin->Control::Move(0, 0);
        sized = skin;
      } else if (auto menu = std::dynamic_pointer_cast<VB::Menu>(item); menu && IsSkinMenu(*menu)) {
        // A title already built by an earlier attachment stays as it is.
        if (std::find(m_Menus.begin(), m_Menus.end(), menu) == m_Menus.end()) AddMenuTitle(menu);
      }
    }

    sized->SetWidthTwips(form->Width());
    sized->SetHeightTwips(form->Height());
    const bool framed = form->BorderStyle() != VB::vbBSNone && !again;
    if (framed) form->Height(sized->HeightTwips() + kAttachGrowth);
    ShowCaptionButtons(*form);
    if (framed) SetStyle(form);
    sized->SetWidthTwips(form->Width());
    sized->SetHeightTwips(form->Height());
    TitleIcon->Picture(form->Icon());
    ReTransObj(form);
    host::DoEvents();

    if (!OwnForm) {
      if (modal == 1) {
        form->Hide();
        host::DoEvents();
        form->Show(1);
      }
    } else {
      auto owner = std::dynamic_pointer_cast<VB::Form>(OwnForm);
      if (!owner) throw vb::Error(vb::kTypeMismatch, "OwnForm is not a form");
      form->Hide();
      host::DoEvents();
      form->Show(modal, owner);
    }
  } catch (const vb::Error&) {
    // Whatever failed, the form is shown, modeless.
    HostForm().Show();
  }
}

void QuorinSkin::ShowCaptionButtons(VB::Form& form) {
  const std::int16_t style = form.BorderStyle();
  const bool min = form.MinButton();
  const bool max = form.MaxButton();
  auto show_pair = [this](bool shown) {
    MaximizeButton->Visible(shown);
    Minimizebutton->Visible(shown);
  };
  MaximizeButton->Enabled(!(style == VB::vbSizable && !max));
  show_pair(!(style == VB::vbSizable && !min && !max));
  if (style == VB::vbFixedSingle && !max) show_pair(false);
  if (!max) MaximizeButton->Enabled(false);
  if (style == VB::vbBSNone) {
    show_pair(false);
    CloseButton->Visible(false);
  }
  // A fixed single form with a minimise button and no maximise button keeps both shown,
  // the maximise one disabled. (With a maximise button it stays enabled.)
  if (style == VB::vbFixedSingle && min && !max) {
    show_pair(true);
    MaximizeButton->Enabled(false);
  }
}

void QuorinSkin::SetStyle(vb::ObjectRef IpForm) {
  // Each failing step is skipped.
  host::Skipping([&] {
    host::Object& form = host::AsObject(IpForm);
    const auto hwnd = static_cast<win32::HWND>(host::GetProperty(form, "hwnd").ToLong());
    win32::LONG_PTR style = win32::GetWindowLongA(hwnd, win32::GWL_STYLE);
    style &=
        ~static_cast<win32::LONG_PTR>(win32::WS_THICKFRAME | win32::WS_DLGFRAME | win32::WS_BORDER |
                                      win32::WS_MINIMIZEBOX | win32::WS_MAXIMIZEBOX);
    style |= win32::WS_SYSMENU;
    win32::SetWindowLongA(hwnd, win32::GWL_STYLE, style);
  });
  host::Skipping([&] {
    host::Object& form = host::AsObject(IpForm);
    const auto hwnd = static_cast<win32::HWND>(host::GetProperty(form, "hwnd").ToLong());
    win32::SetWindowPos(hwnd, 0, Px15(host::GetProperty(form, "Left").ToSingle()),
                        Px15(host::GetProperty(form, "Top").ToSingle()),
                        Px15(host::GetProperty(form, "Width").ToSingle()),
                        Px15(host::GetProperty(form, "Height").ToSingle()), win32::SWP_SHOWWINDOW);
  });
  host::Skipping([&] {
    host::Object& form = host::AsObject(IpForm);
    if (host::GetProperty(form, "BorderStyle").ToInteger() != 0) {
      host::LetProperty(form, "Height",
                        host::GetProperty(form, "Height").ToSingle() - kStyleShrink);
    }
  });
}

void QuorinSkin::MyForm_Activate() {
  host::Skipping([&] { SetFormActiveStyle(true); });
}

void QuorinSkin::MyForm_Deactivate() {
  host::Skipping([&] { SetFormActiveStyle(false); });
}

void QuorinSkin::MyForm_Resize() {
  host::Skipping([&] {
    MaximizeButton->ButtonStyle(HostForm().WindowState() == VB::vbMaximized ? 3 : 1);
    FollowFormSize();
  });
}

}  // namespace quorin
