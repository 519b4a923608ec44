#include "skin_parts/label_menu.h"

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
  try {
    Click();
    SetHot(true);
  } catch (const vb::Error&) {
  }
}

void LabelMenu::HandleMouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  try {
    MouseDown.Raise(Button, Shift, X, Y);
    SetHot(true);
  } catch (const vb::Error&) {
  }
}

void LabelMenu::HandleMouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  try {
    MouseMove.Raise(Button, Shift, X, Y);
    SetHot(true);
  } catch (const vb::Error&) {
  }
}

void LabelMenu::HandleMouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  try {
    MouseUp.Raise(Button, Shift, X, Y);
  } catch (const vb::Error&) {
  }
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
  DrawingSurface::BackColor(static_cast<vb::OLE_COLOR>(
      PropBag.ReadProperty("BackColor", static_cast<std::int32_t>(kButtonFace)).ToLong()));
  Label1->Caption(PropBag.ReadProperty("Caption", "&System").ToString());
  Control::Enabled(PropBag.ReadProperty("Enabled", true).ToBoolean());
  FitWidth();
  UserControl::BorderStyle(PropBag.ReadProperty("BorderStyle", std::int16_t{0}).ToInteger());
}

void LabelMenu::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  // A lit title stores the look it returns to, not the passing highlight.
  const vb::OLE_COLOR back = MyTimer ? saved_color_ : DrawingSurface::BackColor();
  const std::int16_t border = MyTimer ? std::int16_t{0} : UserControl::BorderStyle();
  PropBag.WriteProperty("BackColor", static_cast<std::int32_t>(back),
                        static_cast<std::int32_t>(kButtonFace));
  PropBag.WriteProperty("Caption", Label1->Caption(), "&System");
  PropBag.WriteProperty("Enabled", Control::Enabled(), true);
  PropBag.WriteProperty("BorderStyle", border, std::int16_t{0});
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
    host::ClassBuilder<LabelMenu>(i)
        .Property("BackColor", &LabelMenu::BackColor, &LabelMenu::BackColor)
        .Property("BorderStyle", &LabelMenu::BorderStyle, &LabelMenu::BorderStyle)
        .Property("Caption", &LabelMenu::Caption, &LabelMenu::Caption)
        .Property("Enabled", &LabelMenu::Enabled, &LabelMenu::Enabled)
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
