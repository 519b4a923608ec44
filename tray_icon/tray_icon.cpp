#include "tray_icon/tray_icon.h"

#include "artwork/artwork.h"
#include "platform/gfx/gdi.h"
#include "platform/host/control/stored.h"
#include "platform/host/types/class_builder.h"
#include "platform/win/messages.h"
#include "platform/win/shell32.h"
#include "platform/win/styles.h"
#include "platform/win/user32.h"
#include "tray_icon/m_sys_tray.h"
#include "tray_icon/tray_record.h"

namespace quorin {

namespace {

constexpr float kWidthTwips = 660;
constexpr float kHeightTwips = 735;
constexpr const char* kDefaultTip = "Quorin Skin";

vb::PictureRef BuiltInIcon() {
  return artwork::Picture("tray_icon/Picture");
}

}  // namespace

TrayIcon::TrayIcon() = default;

TrayIcon::~TrayIcon() {
  // Normally Terminate has hidden the icon; never leave a key to a dead instance behind.
  if (key_) mSysTray::Detach(key_);
}

void TrayIcon::CallShell(win32::DWORD message, win32::UINT flags) {
  win32::NOTIFYICONDATAA record = IconRecord(hwnd_, icon_id_);
  record.uFlags = flags;
  if (flags & win32::NIF_MESSAGE) record.uCallbackMessage = kTrayCallbackMessage;
  if ((flags & win32::NIF_ICON) && icon_) record.hIcon = icon_->Handle();
  if (flags & win32::NIF_TIP) PutTip(record, icon_tip_);
  win32::Shell_NotifyIconA(message, &record);
}

void TrayIcon::Icon(vb::PictureRef value) {
  if (!value || value->Type() != vb::vbPicTypeIcon) return;
  icon_ = std::move(value);
  if (shown_) CallShell(win32::NIM_MODIFY, win32::NIF_ICON);
  Picture(icon_);
  PropertyChanged("Icon");
}

void TrayIcon::IconTip(std::string value) {
  icon_tip_ = std::move(value);
  if (shown_) CallShell(win32::NIM_MODIFY, win32::NIF_TIP);
  PropertyChanged("IconTip");
}

void TrayIcon::ShowIcon(bool value) {
  if (value == show_icon_) return;
  if (value) {
    if (Ambient().UserMode()) ShowInTray();
  } else {
    RemoveFromTray();
  }
  show_icon_ = value;
  PropertyChanged("ShowIcon");
}

void TrayIcon::ShowInTray() {
  if (shown_ || !win32::IsWindow(hwnd_)) return;
  // Each instance keeps the procedure it replaced, so icons on one form never restore
  // another's procedure, whatever order they are shown and hidden in.
  key_ = mSysTray::Attach(*this);
  own_proc_ = mSysTray::Procedure();
  previous_proc_ = win32::SetWindowLongA(hwnd_, win32::GWL_WNDPROC, own_proc_);
  win32::SetWindowLongA(hwnd_, win32::GWL_USERDATA, key_);
  win32::UINT flags = win32::NIF_MESSAGE;
  if (icon_) flags |= win32::NIF_ICON;
  if (!icon_tip_.empty()) flags |= win32::NIF_TIP;
  CallShell(win32::NIM_ADD, flags);
  shown_ = true;
}

void TrayIcon::RemoveFromTray() {
  if (!shown_) return;
  CallShell(win32::NIM_DELETE, 0);
  if (win32::IsWindow(hwnd_) && win32::GetWindowLongA(hwnd_, win32::GWL_WNDPROC) == own_proc_) {
    win32::SetWindowLongA(hwnd_, win32::GWL_WNDPROC, previous_proc_);
    win32::SetWindowLongA(hwnd_, win32::GWL_USERDATA, 0);
  }
  mSysTray::Detach(key_);
  key_ = 0;
  previous_proc_ = 0;
  shown_ = false;
}

void TrayIcon::Notify(std::int32_t id, std::int32_t mouse_message) {
  std::int32_t Id = id;
  auto button_event = [&](host::Event<std::int16_t, std::int32_t>& event, std::int16_t b) {
    std::int16_t Button = b;
    event.Raise(Button, Id);
  };
  switch (mouse_message) {
    case win32::WM_MOUSEMOVE:
      MouseMove.Raise(Id);
      break;
    case win32::WM_LBUTTONDOWN:
      button_event(MouseDown, 1);
      break;
    case win32::WM_RBUTTONDOWN:
      button_event(MouseDown, 2);
      break;
    case win32::WM_LBUTTONUP:
      button_event(MouseUp, 1);
      break;
    case win32::WM_RBUTTONUP:
      button_event(MouseUp, 2);
      break;
    case win32::WM_LBUTTONDBLCLK:
      button_event(MouseDblClick, 1);
      break;
    case win32::WM_RBUTTONDBLCLK:
      button_event(MouseDblClick, 2);
      break;
    default:
      break;  // the middle button and anything else raise nothing
  }
}

void TrayIcon::UserControl_Initialize() {
  show_icon_ = false;
  shown_ = false;
  icon_id_ = 0;
  hwnd_ = window();
  Picture(BuiltInIcon());
}

void TrayIcon::UserControl_InitProperties() {
  show_icon_ = false;
  icon_tip_ = kDefaultTip;
  icon_ = Picture();
}

void TrayIcon::UserControl_ReadProperties(host::PropertyBag& PropBag) {
  host::ReadStored(*this, PropBag);
}

void TrayIcon::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  host::WriteStored(*this, PropBag);
}

void TrayIcon::UserControl_Resize() {
  SizeTwips(kWidthTwips, kHeightTwips);
}

void TrayIcon::UserControl_Paint() {
  win32::RECT r{};
  win32::GetClientRect(window(), &r);
  win32::DrawEdge(hDC(), &r, win32::BDR_RAISEDOUTER, win32::BF_RECT | win32::BF_SOFT);
}

void TrayIcon::UserControl_Terminate() {
  if (show_icon_) ShowIcon(false);
}

const host::ClassInfo& TrayIcon::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("QuorinSkinForVB6.TrayIcon",
                                                            &host::UserControlBaseInfo());
    i.invisible_at_runtime = true;
    using C = TrayIcon;
    // Read and written in the same order, each read through its setter and always written.
    host::ClassBuilder<C>(i)
        .Property("ShowIcon", &C::ShowIcon, &C::ShowIcon)
        .Persist({.read = 1, .write = 1, .default_value = false, .write_default = vb::Variant()})
        .Property("Icon", &C::Icon, &C::Icon)
        .Persist({.read = 2,
                  .write = 2,
                  .write_default = vb::Variant(),
                  .default_from = [](C&) { return vb::Variant(vb::ObjectRef(BuiltInIcon())); }})
        .Property("IconTip", &C::IconTip, &C::IconTip)
        .Persist(
            {.read = 3, .write = 3, .default_value = kDefaultTip, .write_default = vb::Variant()})
        .Event("MouseMove", {host::Param("Id")})
        .Event("MouseDown", {host::Param("Button"), host::Param("Id")})
        .Event("MouseUp", {host::Param("Button"), host::Param("Id")})
        .Event("MouseDblClick", {host::Param("Button"), host::Param("Id")})
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace quorin
