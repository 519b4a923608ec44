// The title bar and the caption buttons: dragging, the system menu, maximising and
// restoring, minimising and closing.

#include "platform/host/services/screen.h"
#include "platform/vb/error.h"
#include "platform/win/input.h"
#include "platform/win/menus.h"
#include "platform/win/messages.h"
#include "platform/win/user32.h"
#include "skin/quorin_skin.h"
#include "skin/skin_steps.h"

namespace quorin {

void QuorinSkin::Drag() {
  // The system's own move loop follows the mouse until the button is released.
  win32::ReleaseCapture();
  win32::SendMessageA(container() ? container()->ChildWindow() : 0, win32::WM_NCLBUTTONDOWN,
                      static_cast<win32::WPARAM>(win32::HTCAPTION), 0);
}

void QuorinSkin::ShowSystemMenu() {
  const win32::HWND hwnd = HostForm().hWnd();
  win32::HMENU menu = win32::GetSystemMenu(hwnd, win32::FALSE);
  win32::POINT cursor{};
  win32::GetCursorPos(&cursor);
  const win32::BOOL command =
      win32::TrackPopupMenu(menu, win32::TPM_RETURNCMD, cursor.x, cursor.y, 0, hwnd, nullptr);
  if (command != 0) {
    win32::SendMessageA(hwnd, win32::WM_SYSCOMMAND, static_cast<win32::WPARAM>(command), 0);
  }
}

void QuorinSkin::Title_MouseDown(std::int16_t Button) {
  if (Button == host::vbRightButton) ShowSystemMenu();
  if (Button == host::vbLeftButton && HostForm().Moveable() &&
      HostForm().WindowState() == VB::vbNormal) {
    Drag();
  }
}

void QuorinSkin::Caption_MouseDown(std::int16_t Button) {
  if (Button == host::vbRightButton) ShowSystemMenu();
  if (Button == host::vbLeftButton && HostForm().WindowState() == VB::vbNormal) Drag();
}

void QuorinSkin::TitleEnd_MouseDown() {
  if (HostForm().WindowState() == VB::vbNormal) Drag();
}

void QuorinSkin::TitleIcon_MouseDown(std::int16_t Button) {
  if (Button == host::vbLeftButton) ShowSystemMenu();
}

void QuorinSkin::Title_DblClick() {
  // Only a sizable form with a working maximise button; a failing step is skipped.
  if (!attached()) return;
  VB::Form& form = HostForm();
  if (form.BorderStyle() != VB::vbSizable || !(MaximizeButton->Enabled() && form.MaxButton()))
    return;
  host::Skipping([&] {
    form.WindowState(form.WindowState() == VB::vbNormal ? VB::vbMaximized : VB::vbNormal);
  });
  host::Skipping([&] { FollowFormSize(); });
  host::Skipping([&] { ReTransObj(MyForm()); });
  host::Skipping([&] { Repos(); });
  host::Skipping([&] { Minimizebutton->RefreshControl(); });
  host::Skipping([&] { MaximizeButton->RefreshControl(); });
  host::Skipping([&] { CloseButton->RefreshControl(); });
}

void QuorinSkin::MaxBtnClick() {
  // A failing step ends the operation silently.
  host::Skipping([&] {
    if (!attached()) return;
    VB::Form& form = HostForm();
    form.WindowState(form.WindowState() != VB::vbNormal ? VB::vbNormal : VB::vbMaximized);
    host::DoEvents();
    FollowFormSize();
    ReTransObj(MyForm());
    Repos();
  });
}

void QuorinSkin::Minimizebutton_Click() {
  if (attached()) HostForm().WindowState(VB::vbMinimized);
}

void QuorinSkin::MaximizeButton_Click() {
  MaxBtnClick();
}

void QuorinSkin::CloseButton_Click() {
  host::Skipping([&] {
    if (m_Gradual) {
      // The fade-out closes the form when it ends.
      m_Alpha = 255;
      Timer2->Enabled(true);
      return;
    }
    CloseNow();
  });
}

}  // namespace quorin
