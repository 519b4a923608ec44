// The option button's model: properties, persistence, events and the group selection.

#include "option_button/radio_button.h"

#include <vector>

#include "artwork/artwork.h"
#include "platform/host/control/stored.h"
#include "platform/host/form/form.h"
#include "platform/host/types/class_builder.h"
#include "platform/host/types/late_binding.h"

namespace quorin {

namespace {

constexpr const char* kClassName = "QuorinSkinForVB6.RadioButton";
constexpr std::int32_t kButtonFace = static_cast<std::int32_t>(0x8000000F);
constexpr std::int16_t kSpace = 32;

}  // namespace

RadioButton::RadioButton() {
  p = AddElement<VB::PictureBox>("p");
  p->BorderStyle(0);
  p->Move(0, 0, 195, 195);
  p->BackColor(back_color_);
  lbl = AddElement<VB::Label>("lbl");
  lbl->BackStyle(0);
  lbl->AutoSize(true);
  lbl->Caption("Option1");
  lbl->Left(240);
  Timer1 = AddElement<VB::Timer>("Timer1");
  Timer1->Interval(50);
  Timer1->Enabled(false);
  // The picture holders: hidden, each holding its slot's shared picture.
  for (std::int16_t i = 0; i < 8; ++i) {
    const std::string n = std::to_string(i);
    img[i] = AddElement<VB::Image>("img", i);
    img[i]->Visible(false);
    img[i]->Picture(artwork::Picture("option_button/img_" + n));
    img2[i] = AddElement<VB::Image>("img2", i);
    img2[i]->Visible(false);
    img2[i]->Picture(artwork::Picture("option_button/img2_" + n));
  }
  font_ = DrawingSurface::Font();
  lbl->Font(font_);

  using Mouse = std::int16_t;
  p->MouseDown.Connect(
      [this](Mouse& b, Mouse& s, float& x, float& y) { MouseDownHandling(b, s, x, y); });
  p->MouseUp.Connect(
      [this](Mouse& b, Mouse& s, float& x, float& y) { MouseUpHandling(b, s, x, y); });
  // A move on the box reports the box's own corner.
  p->MouseMove.Connect(
      [this](Mouse& b, Mouse& s, float&, float&) { MouseMoveHandling(b, s, p->Left(), p->Top()); });
  p->Click.Connect([this] { MouseClick(); });
  p->GotFocus.Connect([this] { p_GotFocus(); });
  p->LostFocus.Connect([this] { p_LostFocus(); });
  p->KeyDown.Connect([this](Mouse& k, Mouse& s) { KeyDown.Raise(k, s); });
  p->KeyPress.Connect([this](Mouse& a) { p_KeyPress(a); });
  p->KeyUp.Connect([this](Mouse& k, Mouse& s) { p_KeyUp(k, s); });
  lbl->MouseDown.Connect(
      [this](Mouse& b, Mouse& s, float& x, float& y) { MouseDownHandling(b, s, x, y); });
  lbl->MouseUp.Connect(
      [this](Mouse& b, Mouse& s, float& x, float& y) { MouseUpHandling(b, s, x, y); });
  lbl->MouseMove.Connect(
      [this](Mouse& b, Mouse& s, float& x, float& y) { MouseMoveHandling(b, s, x, y); });
  lbl->Click.Connect([this] { MouseClick(); });
  lbl->Change.Connect([this] { UserControl_Resize(); });
  Timer1->Tick.Connect([this] { Timer1_Timer(); });
}

bool RadioButton::Enabled() const {
  enabled_copy_ = Control::Enabled();
  return enabled_copy_;
}

void RadioButton::Enabled(bool value) {
  Control::Enabled(value);
  enabled_copy_ = value;
  ApplyEnabled();
  PropertyChanged("Enabled");
}

void RadioButton::Value(bool value) {
  value_ = value;
  ShowFace();
  PropertyChanged("Value");
}

void RadioButton::Font(vb::FontRef value) {
  if (!value) throw vb::Error(vb::kInvalidPropertyValue, "Font");
  font_ = value;
  DrawingSurface::Font(value);
  lbl->Font(value);
  UserControl_Resize();
  PropertyChanged("Font");
}

void RadioButton::Caption(std::string value) {
  lbl->Caption(std::move(value));
  UserControl_Resize();
  PropertyChanged("Caption");
}

void RadioButton::BackColor(vb::OLE_COLOR value) {
  back_color_ = value;
  DrawingSurface::BackColor(value);
  p->BackColor(value);
  PropertyChanged("BackColor");
}

void RadioButton::ForeColor(vb::OLE_COLOR value) {
  fore_color_ = value;
  ApplyEnabled();
  PropertyChanged("ForeColor");
}

void RadioButton::Skin(Pictese value) {
  // The box keeps its state and takes the new set's picture for it at once.
  const std::int16_t shown = ShownIndex();
  skin_ = value;
  if (shown >= 0) p->Picture(SetPicture(skin_, shown));
  PropertyChanged("Skin");
}

const vb::PictureRef& RadioButton::SetPicture(Pictese skin, std::int16_t index) const {
  const auto& holders = skin == XPStyle ? img : img2;
  if (index < 0 || index > 7) {
    throw vb::Error(vb::kControlArrayElementMissing, "img(" + std::to_string(index) + ")");
  }
  return holders[static_cast<std::size_t>(index)]->Picture();
}

std::int16_t RadioButton::ShownIndex() const {
  for (std::int16_t i = 0; i < 8; ++i) {
    if (p->Picture() == SetPicture(skin_, i)) return i;
  }
  return -1;
}

void RadioButton::Select() {
  if (value_) {
    ApplyEnabled();
    return;
  }
  host::Form* form = this->form();
  if (!form) throw vb::Error(vb::kObjectNotSet, "Parent");
  const vb::ObjectRef mine = Extender().Container();
  // A snapshot: a handler seeing a change may load or unload controls meanwhile.
  const std::vector<host::ObjectPtr> members = form->Controls().items();
  for (const host::ObjectPtr& member : members) {
    if (!member->alive() || !host::IsKindOf(member.get(), kClassName)) continue;
    if (host::GetProperty(*member, "Container").ToObject() != mine) continue;
    if (host::GetProperty(*member, "Group").ToBoolean() != group_) continue;
    host::LetProperty(*member, "Value", false);
  }
  Value(true);
}

void RadioButton::UserControl_Click() {
  MouseClick();
}

void RadioButton::MouseClick() {
  // A mouse click selects and then tells the host once, with Value already set; the Space
  // key raises its own Click before the press and never comes through here.
  Select();
  Click();
}

void RadioButton::p_KeyPress(std::int16_t& KeyAscii) {
  if (KeyAscii != kSpace) return;
  KeyPress.Raise(KeyAscii);
  Click();
  MouseDownHandling(1, 0, 0, 0);
}

void RadioButton::p_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
  if (KeyCode != kSpace) return;
  KeyUp.Raise(KeyCode, Shift);
  Select();
  pressed_ = 0;
}

void RadioButton::UserControl_Initialize() {
  UserControl_Resize();
  ShowFace();
  hover_picture_ = kBoxHover;
  group_ = false;
}

void RadioButton::UserControl_InitProperties() {
  Caption(Ambient().DisplayName());
  Enabled(true);
  Value(false);
  Font(Ambient().Font());
  BackColor(0x8000000F);
  ForeColor(0);
}

void RadioButton::UserControl_ReadProperties(host::PropertyBag& PropBag) {
  host::ReadStored(*this, PropBag);
}

void RadioButton::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  host::WriteStored(*this, PropBag);
}

const host::ClassInfo& RadioButton::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i =
        host::TypeRegistry::Instance().Add(kClassName, &host::UserControlBaseInfo());
    i.alignable = true;
    using R = RadioButton;
    const std::vector<host::ParamInfo> mouse = host::MouseEventParams();
    // Read and written in the same order, each read value through its property's setter
    // except Group, which has none.
    host::ClassBuilder<R>(i)
        .Property("Enabled", &R::Enabled, &R::Enabled)
        .Persist({.read = 1, .write = 1, .default_value = true})
        .Property("Value", &R::Value, &R::Value)
        .Persist({.read = 2, .write = 2, .default_value = false})
        .Property("Group", &R::Group)
        .Persist({.read = 3, .write = 3, .default_value = false},
                 [](R& r, const vb::Variant& v) { r.group_ = v.ToBoolean(); })
        .Property("Font", &R::Font, &R::Font)
        .Persist({.read = 4,
                  .write = 4,
                  .default_from = [](R& r) { return vb::Variant(r.Ambient().Font()); }})
        .Property("Caption", &R::Caption, &R::Caption)
        .Persist({.read = 5, .write = 5, .default_value = "Option1"})
        .Property("BackColor", &R::BackColor, &R::BackColor)
        .Persist({.read = 6, .write = 6, .default_value = kButtonFace})
        .Property("ForeColor", &R::ForeColor, &R::ForeColor)
        .Persist({.read = 7, .write = 7, .default_value = std::int32_t{0}})
        .Property("Skin", &R::Skin, &R::Skin)
        .Persist({.read = 8, .write = 8, .default_value = std::int32_t{0}})
        .Event("Click")
        .Event("KeyDown", {host::Param("KeyCode"), host::Param("Shift")})
        .Event("KeyPress", {host::Param("KeyAscii")})
        .Event("KeyUp", {host::Param("KeyCode"), host::Param("Shift")})
        .Event("MouseOut")
        .Event("MouseDown", mouse)
        .Event("MouseMove", mouse)
        .Event("MouseUp", mouse)
        .Enum("Pictese", {{"VistaStyle", VistaStyle}, {"XPStyle", XPStyle}})
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace quorin
