#include "skin_parts/command_button.h"

#include "artwork/artwork.h"
#include "platform/host/control/steps.h"
#include "platform/host/control/stored.h"
#include "platform/host/types/class_builder.h"
#include "platform/vb/error.h"
#include "platform/win/input.h"
#include "platform/win/user32.h"

namespace quorin {

CommandButton::CommandButton() {
  PicMain = AddElement<VB::PictureBox>("PicMain");
  PicMain->BorderStyle(0);
  PicMain->AutoSize(true);
  Timer1 = AddElement<VB::Timer>("Timer1");
  Timer1->Interval(10);
  Timer1->Enabled(false);

  PicMain->MouseDown.Connect(
      [this](std::int16_t& button, std::int16_t&, float&, float&) { PicMain_MouseDown(button); });
  PicMain->MouseMove.Connect(
      [this](std::int16_t& button, std::int16_t&, float&, float&) { PicMain_MouseMove(button); });
  PicMain->Click.Connect([this] { PicMain_Click(); });
  Timer1->Tick.Connect([this] { Timer1_Timer(); });
}

vb::PictureRef CommandButton::Holder(const char* array, std::int32_t index, std::int32_t count) {
  const std::string member = std::string(array) + "(" + std::to_string(index) + ")";
  if (index < 0 || index >= count) throw vb::Error(vb::kControlArrayElementMissing, member);
  return artwork::Picture(std::string("skin_parts/") + array + "_" + std::to_string(index));
}

vb::PictureRef CommandButton::FaceFor(Look look) const {
  const int k = static_cast<int>(look);
  // Each kind's array holds the light set, then the dark set; the maximise array keeps its
  // disabled face between the two (index 4) and after them (index 9).
  switch (button_style_) {
    case 0:
      return Holder("CbMin", theme_ * 4 + k, 8);
    case 1:
      return Holder("CbMax", theme_ * 5 + k, 10);
    case 2:
      return Holder("CbClose", theme_ * 4 + k, 8);
    default:
      return Holder("CbRestore", theme_ * 4 + k, 8);
  }
}

vb::PictureRef CommandButton::DisabledFace() const {
  // Only the two sets have a disabled face; another theme has none.
  if (theme_ != 0 && theme_ != 1) {
    throw vb::Error(vb::kControlArrayElementMissing, "CbMax(" + std::to_string(theme_) + ")");
  }
  return Holder("CbMax", theme_ == 0 ? 4 : 9, 10);
}

void CommandButton::RefreshControl(bool IpRes) {
  pressed_ = 0;
  vb::PictureRef face =
      !PicMain->Enabled() ? DisabledFace() : FaceFor(IpRes ? Look::kActive : Look::kInactive);
  PicMain->Picture(std::move(face));
}

void CommandButton::Refresh() {
  PicMain->Refresh();
}

void CommandButton::ShowPointerFace(bool over) {
  // No holder for this theme: the face stays as it was.
  host::Skipping(
      [&] { PicMain->Picture(FaceFor(over && pressed_ != 1 ? Look::kHover : Look::kPressed)); });
}

bool CommandButton::IsCursorOver(std::int32_t hwnd) const {
  win32::POINT cursor;
  if (!win32::GetCursorPos(&cursor)) return false;
  return win32::WindowFromPoint(cursor) == static_cast<win32::HWND>(hwnd);
}

void CommandButton::PicMain_MouseDown(std::int16_t Button) {
  if (Button != 1) return;
  pressed_ = 1;
  ShowPointerFace(false);
  Timer1->Enabled(true);
}

void CommandButton::PicMain_MouseMove(std::int16_t Button) {
  pressed_ = Button;
  Timer1->Enabled(true);
}

void CommandButton::PicMain_Click() {
  RefreshControl(true);
  Click();
}

void CommandButton::Timer1_Timer() {
  const bool over = IsCursorOver(hwnd());
  if (pressed_ == 1 && over) {
    ShowPointerFace(false);
  } else {
    ShowPointerFace(over);
  }
  if (!over) {
    // A theme without artwork keeps its face; polling still ends.
    host::Skipping([&] { RefreshControl(is_activate_); });
    Timer1->Enabled(false);
  }
}

void CommandButton::ButtonStyle(std::int32_t value) {
  button_style_ = value;
  PropertyChanged("ButtonStyle");
  RefreshControl(true);
}

void CommandButton::Theme(std::int32_t value) {
  theme_ = value;
  PropertyChanged("Theme");
  RefreshControl(true);
}

void CommandButton::IsActivate(bool value) {
  is_activate_ = value;
  PropertyChanged("IsActivate");
}

bool CommandButton::Enabled() const {
  return PicMain->Enabled();
}

void CommandButton::Enabled(bool value) {
  PicMain->Enabled(value);
  PropertyChanged("Enabled");
  RefreshControl(true);
}

bool CommandButton::AutoRedraw() const {
  return PicMain->AutoRedraw();
}

void CommandButton::AutoRedraw(bool value) {
  PicMain->AutoRedraw(value);
  PropertyChanged("AutoRedraw");
}

void CommandButton::ToolTipText(std::string value) {
  tool_tip_text_ = std::move(value);
  PropertyChanged("ToolTipText");
}

std::int32_t CommandButton::hwnd() const {
  return static_cast<std::int32_t>(PicMain->hWnd());
}

void CommandButton::UserControl_Initialize() {
  RefreshControl(true);
}

void CommandButton::UserControl_InitProperties() {
  host::InitStored(*this);
}

void CommandButton::UserControl_ReadProperties(host::PropertyBag& PropBag) {
  host::ReadStored(*this, PropBag);
  RefreshControl(true);
  if (!PicMain->Enabled()) PicMain->Picture(DisabledFace());
}

void CommandButton::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  host::WriteStored(*this, PropBag);
}

void CommandButton::UserControl_Resize() {
  // The control always has its face's size.
  SizeTwips(PicMain->width_twips(), PicMain->height_twips());
}

const host::ClassInfo& CommandButton::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("QuorinSkinForVB6.CommandButton",
                                                            &host::UserControlBaseInfo());
    using C = CommandButton;
    // Stored values are read and written in the same order, each kept directly (no redraw).
    host::ClassBuilder<C>(i)
        .Property("ButtonStyle", &C::ButtonStyle, &C::ButtonStyle)
        .Persist(
            {.read = 4, .write = 4, .default_value = std::int32_t{0}, .initial = std::int32_t{0}},
            [](C& c, const vb::Variant& v) { c.button_style_ = v.ToLong(); })
        .Property("Theme", &C::Theme, &C::Theme)
        .Persist(
            {.read = 3, .write = 3, .default_value = std::int32_t{0}, .initial = std::int32_t{0}},
            [](C& c, const vb::Variant& v) { c.theme_ = v.ToLong(); })
        .Property("IsActivate", &C::IsActivate, &C::IsActivate)
        .Persist({.read = 6, .write = 6, .default_value = true, .initial = true},
                 [](C& c, const vb::Variant& v) { c.is_activate_ = v.ToBoolean(); })
        .Property("Enabled", &C::Enabled, &C::Enabled)
        .Persist({.read = 5, .write = 5, .default_value = true},
                 [](C& c, const vb::Variant& v) { c.PicMain->Enabled(v.ToBoolean()); })
        .Property("AutoRedraw", &C::AutoRedraw, &C::AutoRedraw)
        .Persist({.read = 1, .write = 1, .default_value = false},
                 [](C& c, const vb::Variant& v) { c.PicMain->AutoRedraw(v.ToBoolean()); })
        .Property("ToolTipText", &C::ToolTipText, &C::ToolTipText)
        .Persist({.read = 2, .write = 2, .default_value = ""},
                 [](C& c, const vb::Variant& v) { c.tool_tip_text_ = v.ToString(); })
        .Property("hwnd", &CommandButton::hwnd)
        .Method("RefreshControl", &CommandButton::RefreshControl, {host::Optional("IpRes", true)})
        .Method("Refresh", &CommandButton::Refresh)
        .Event("Click")
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace quorin
