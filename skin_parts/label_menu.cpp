#include "skin_parts/label_menu.h"

#include "platform/host/control/steps.h"
#include "platform/host/control/stored.h"
#include "platform/host/types/class_builder.h"
#include "platform/vb/error.h"

namespace quorin {

namespace {

constexpr float kHeightTwips = 270;      // 18 px
constexpr float kExtraWidthTwips = 210;  // 5 px left of the caption, 9 px right of it
constexpr vb::OLE_COLOR kButtonFace = 0x8000000F;

}  // namespace

LabelMenu::LabelMenu() {
  Label1 = AddElement<VB::Label>("Label1");
  Label1->BackStyle(0);
  Label1->ForeColor(0);
  Label1->AutoSize(true);
  Label1->Move(75, 30);
  Label1->Caption("&System");
  DrawingSurface::BackColor(kHotColor);
  SizeTwips(std::nullopt, kHeightTwips);
  FitWidth();

  Label1->Click.Connect([this] { HandleClick(); });
  Label1->MouseDown.Connect([this](std::int16_t& b, std::int16_t& s, float& x, float& y) {
    HandleMouseDown(b, s, x, y);
  });
  Label1->MouseMove.Connect([this](std::int16_t& b, std::int16_t& s, float& x, float& y) {
    HandleMouseMove(b, s, x, y);
  });
  Label1->MouseUp.Connect(
      [this](std::int16_t& b, std::int16_t& s, float& x, float& y) { HandleMouseUp(b, s, x, y); });
}

LabelMenu::~LabelMenu() = default;

void LabelMenu::FitWidth() {
  SizeTwips(Label1->width_twips() + kExtraWidthTwips, std::nullopt);
}

void LabelMenu::SetHot(bool on) {
  if (on) {
    retired_timer_.reset();
    if (!MyTimer) {
      auto timer = std::make_shared<clsTimer>();
      timer->OnTime.Connect([this](std::int32_t&, std::int32_t&) { MyTimer_OnTime(); });
      timer->StartTimer(10);
      MyTimer = std::move(timer);
    } else if (DrawingSurface::BackColor() == kHotColor) {
      return;
    }
    // A colour the host set while the title was lit becomes the one to restore.
    saved_color_ = DrawingSurface::BackColor();
    DrawingSurface::BackColor(kHotColor);
    UserControl::BorderStyle(1);
  } else {
    if (!MyTimer) return;
    MyTimer->StopTimer();
    retired_timer_ = std::move(MyTimer);
    DrawingSurface::BackColor(saved_color_);
    UserControl::BorderStyle(0);
  }
}

void LabelMenu::MyTimer_OnTime() {
  if (!MyTimer) return;
  // The caption has no window of its own, so the cursor over it is over the surface.
  if (!MyTimer->isMouseOver(static_cast<std::int32_t>(hWnd()))) SetHot(false);
}

// Each event is raised before the highlight is applied, so a menu the host drops down
// modally from its handler has closed again before the title lights up. A failure in the
// host's handler ends the input silently and leaves the look as it is.
void LabelMenu::HandleClick() {
  host::Skipping([&] {
    Click();
    SetHot(true);
  });
}

void LabelMenu::HandleMouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  host::Skipping([&] {
    MouseDown.Raise(Button, Shift, X, Y);
    SetHot(true);
  });
}

void LabelMenu::HandleMouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  host::Skipping([&] {
    MouseMove.Raise(Button, Shift, X, Y);
    SetHot(true);
  });
}

void LabelMenu::HandleMouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  host::Skipping([&] { MouseUp.Raise(Button, Shift, X, Y); });
}

void LabelMenu::BackColor(vb::OLE_COLOR New_BackColor) {
  DrawingSurface::BackColor(New_BackColor);
  // While lit, the new colour is the one shown once the highlight ends, even when no
  // further mouse input comes to save it.
  if (MyTimer) saved_color_ = New_BackColor;
  PropertyChanged("BackColor");
}

void LabelMenu::BorderStyle(std::int16_t New_BorderStyle) {
  UserControl::BorderStyle(New_BorderStyle);
  PropertyChanged("BorderStyle");
}

void LabelMenu::Caption(std::string New_caption) {
  Label1->Caption(std::move(New_caption));
  FitWidth();
  PropertyChanged("Caption");
}

void LabelMenu::Enabled(bool New_Enabled) {
  Control::Enabled(New_Enabled);
  PropertyChanged("Enabled");
}

void LabelMenu::UserControl_ReadProperties(host::PropertyBag& PropBag) {
  host::ReadStored(*this, PropBag);
}

void LabelMenu::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  host::WriteStored(*this, PropBag);
}

void LabelMenu::UserControl_Resize() {
  SizeTwips(std::nullopt, kHeightTwips);
  FitWidth();
}

void LabelMenu::UserControl_Terminate() {
  if (MyTimer) MyTimer->StopTimer();
  MyTimer.reset();
}

const host::ClassInfo& LabelMenu::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("QuorinSkinForVB6.LabelMenu",
                                                            &host::UserControlBaseInfo());
    const std::vector<host::ParamInfo> mouse = host::MouseEventParams();
    using L = LabelMenu;
    constexpr auto kFace = static_cast<std::int32_t>(kButtonFace);
    // Stored values are kept directly; a lit title stores the look it returns to, not the
    // passing highlight.
    host::ClassBuilder<L>(i)
        .Property("BackColor", &L::BackColor, &L::BackColor)
        .Persist(
            {.read = 1, .write = 1, .default_value = kFace},
            [](L& l) {
              return vb::Variant(static_cast<std::int32_t>(
                  l.MyTimer ? l.saved_color_ : l.DrawingSurface::BackColor()));
            },
            [](L& l, const vb::Variant& v) {
              l.DrawingSurface::BackColor(static_cast<vb::OLE_COLOR>(v.ToLong()));
            })
        .Property("BorderStyle", &L::BorderStyle, &L::BorderStyle)
        .Persist(
            {.read = 4, .write = 4, .default_value = std::int16_t{0}},
            [](L& l) {
              return vb::Variant(l.MyTimer ? std::int16_t{0} : l.UserControl::BorderStyle());
            },
            [](L& l, const vb::Variant& v) { l.UserControl::BorderStyle(v.ToInteger()); })
        .Property("Caption", &L::Caption, &L::Caption)
        .Persist({.read = 2, .write = 2, .default_value = "&System"},
                 [](L& l, const vb::Variant& v) {
                   l.Label1->Caption(v.ToString());
                   l.FitWidth();
                 })
        .Property("Enabled", &L::Enabled, &L::Enabled)
        .Persist({.read = 3, .write = 3, .default_value = true},
                 [](L& l, const vb::Variant& v) { l.Control::Enabled(v.ToBoolean()); })
        .Event("Click")
        .Event("MouseDown", mouse)
        .Event("MouseMove", mouse)
        .Event("MouseUp", mouse)
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace quorin
