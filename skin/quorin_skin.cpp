#include "skin/quorin_skin.h"

#include "artwork/artwork.h"
#include "platform/host/services/screen.h"
#include "platform/host/types/late_binding.h"
#include "platform/vb/error.h"
#include "skin/skin_steps.h"

namespace quorin {

namespace {

// The properties each caption button was saved with on the skin's design surface.
host::PropertyBag ButtonKind(std::int32_t style) {
  host::PropertyBag bag;
  bag.WriteProperty("ButtonStyle", style, std::int32_t{0});
  return bag;
}

std::shared_ptr<VB::Image> FramePiece(QuorinSkin& skin, const char* name, bool stretch) {
  auto piece = skin.AddElement<VB::Image>(name);
  piece->Stretch(stretch);
  piece->Picture(artwork::Picture(std::string("skin/") + name));
  return piece;
}

}  // namespace

QuorinSkin::QuorinSkin() {
  ScaleMode(host::vbPixels);
  BackColor(0xFFFFFF);

  // Windowless pieces, back to front; the preview picture covers them all until attached.
  Title = FramePiece(*this, "Title", true);
  TitleLeft = FramePiece(*this, "TitleLeft", false);
  TitleRight = FramePiece(*this, "TitleRight", false);
  Left = FramePiece(*this, "Left", true);
  Right = FramePiece(*this, "Right", true);
  Bottom = FramePiece(*this, "Bottom", true);
  BottomLeft = FramePiece(*this, "BottomLeft", false);
  BottomRight = FramePiece(*this, "BottomRight", false);
  TitleIcon = AddElement<VB::Image>("TitleIcon");
  TitleIcon->Stretch(true);
  TitleIcon->Move(14, 7, 16, 16);

  auto caption_font = std::make_shared<vb::StdFont>("Arial", 9.75f, true);
  Caption2 = AddElement<VB::Label>("Caption2");
  Caption1 = AddElement<VB::Label>("Caption1");
  for (const auto& label : {Caption2, Caption1}) {
    label->BackStyle(0);
    label->Font(caption_font);
    label->Caption("Quorin Skin");
  }
  Caption1->AutoSize(true);
  Caption1->ForeColor(0xFFFFFF);
  Caption2->ForeColor(0x400000);
  Caption2->Move(Caption1->Left() - 1, Caption1->Top() - 1, Caption1->Width(), Caption1->Height());

  beijin = AddElement<VB::Image>("beijin");
  beijin->Stretch(true);
  beijin->Picture(artwork::Picture("skin/beijin"));

  ThemeX1 = AddElement<ThemeX>("ThemeX1");
  ThemeX1->Visible(false);

  pICmenu = AddElement<VB::PictureBox>("pICmenu");
  pICmenu->BorderStyle(0);
  pICmenu->ScaleMode(host::vbTwips);
  pICmenu->BackColor(0x80000004);
  pICmenu->Visible(false);
  pICmenu->Move(12, 30, 200, 24);
  Line1 = AddElementIn<VB::Line>(*pICmenu, "Line1");
  Line2 = AddElementIn<VB::Line>(*pICmenu, "Line2");
  for (const auto& line : {Line1, Line2}) {
    line->BorderColor(0x80000010);
    line->Y1(345);
    line->Y2(345);
  }
  LbMenu.Adopt(AddElementIn<LabelMenu>(*pICmenu, "LbMenu", 0));
  LbMenu(0).Move(60, -375, 660, 270);

  Minimizebutton = AddElement<CommandButton>("Minimizebutton");
  MaximizeButton = AddElement<CommandButton>("MaximizeButton");
  CloseButton = AddElement<CommandButton>("CloseButton");
  Minimizebutton->DesignProperties(ButtonKind(0));
  MaximizeButton->DesignProperties(ButtonKind(1));
  CloseButton->DesignProperties(ButtonKind(2));

  Timer1 = AddElement<VB::Timer>("Timer1");
  Timer2 = AddElement<VB::Timer>("Timer2");
  for (const auto& timer : {Timer1, Timer2}) {
    timer->Enabled(false);
    timer->Interval(20);
  }

  // Event procedures.
  using Mouse = std::int16_t;
  Title->MouseDown.Connect([this](Mouse& b, Mouse&, float&, float&) { Title_MouseDown(b); });
  Caption1->MouseDown.Connect([this](Mouse& b, Mouse&, float&, float&) { Caption_MouseDown(b); });
  Caption2->MouseDown.Connect([this](Mouse& b, Mouse&, float&, float&) { Caption_MouseDown(b); });
  TitleLeft->MouseDown.Connect([this](Mouse&, Mouse&, float&, float&) { TitleEnd_MouseDown(); });
  TitleRight->MouseDown.Connect([this](Mouse&, Mouse&, float&, float&) { TitleEnd_MouseDown(); });
  TitleIcon->MouseDown.Connect(
      [this](Mouse& b, Mouse&, float&, float&) { TitleIcon_MouseDown(b); });
  Title->DblClick.Connect([this] { Title_DblClick(); });
  Caption1->DblClick.Connect([this] { Title_DblClick(); });
  Caption1->Change.Connect([this] {
    // The companion copy follows the title text.
    Caption2->Caption(Caption1->Caption());
    Caption2->Width(Caption1->Width());
  });

  Minimizebutton->Click.Connect([this] { Minimizebutton_Click(); });
  MaximizeButton->Click.Connect([this] { MaximizeButton_Click(); });
  CloseButton->Click.Connect([this] { CloseButton_Click(); });

  // The sizing handles and their direction codes.
  const std::pair<std::shared_ptr<VB::Image>, int> handles[] = {
      {Left, 0}, {Right, 1}, {Bottom, 3}, {BottomRight, 4}, {BottomLeft, 5}};
  for (const auto& [handle, direction] : handles) {
    VB::Image* image = handle.get();
    const int d = direction;
    handle->MouseDown.Connect([this, d](Mouse&, Mouse&, float&, float&) { Border_MouseDown(d); });
    handle->MouseMove.Connect(
        [this, image, d](Mouse&, Mouse&, float&, float&) { Border_MouseMove(*image, d); });
    handle->MouseUp.Connect([this, d](Mouse&, Mouse&, float&, float&) { Border_MouseUp(d); });
  }

  LbMenu.Connect([this](LabelMenu& title) {
    LabelMenu* t = &title;
    title.Click.Connect([this, t] { LbMenu_Click(t->Index()); });
    title.MouseDown.Connect(
        [this, t](Mouse& b, Mouse&, float&, float&) { LbMenu_MouseDown(t->Index(), b); });
  });
  pICmenu->Click.Connect([this] { Click(); });
  pICmenu->DblClick.Connect([this] { DblClick(); });
  pICmenu->MouseDown.Connect(
      [this](Mouse& b, Mouse& s, float& x, float& y) { MouseDown.Raise(b, s, x, y); });
  pICmenu->MouseMove.Connect(
      [this](Mouse& b, Mouse& s, float& x, float& y) { MouseMove.Raise(b, s, x, y); });
  pICmenu->Resize.Connect([this] { pICmenu_Resize(); });

  Timer1->Tick.Connect([this] { Timer1_Timer(); });
  Timer2->Tick.Connect([this] { Timer2_Timer(); });
}

QuorinSkin::~QuorinSkin() {
  Detach();
}

VB::Form& QuorinSkin::HostForm() const {
  std::shared_ptr<VB::Form> form = my_form_.lock();
  if (!form || !form->alive()) throw vb::Error(vb::kObjectNotSet, "MyForm");
  return *form;
}

void QuorinSkin::SetWidthTwips(float twips) {
  SizeTwips(twips, std::nullopt);
}

void QuorinSkin::SetHeightTwips(float twips) {
  SizeTwips(std::nullopt, twips);
}

void QuorinSkin::FollowFormSize() {
  VB::Form& form = HostForm();
  SetHeightTwips(form.Height());
  SetWidthTwips(form.Width());
}

// ---- Properties ----

std::string QuorinSkin::Caption() const {
  return Caption1->Caption();
}

void QuorinSkin::Caption(std::string value) {
  Caption1->Caption(value);
  Caption2->Caption(value);
  host::LetProperty(host::AsObject(Parent()), "Caption", value);
  PropertyChanged("Caption");
}

vb::FontRef QuorinSkin::Font() const {
  return Caption1->Font();
}

void QuorinSkin::Font(vb::FontRef value) {
  Caption1->Font(value);
  Caption2->Font(value);
  PropertyChanged("Font");
}

vb::PictureRef QuorinSkin::Icon() const {
  return TitleIcon->Picture();
}

void QuorinSkin::Icon(vb::PictureRef value) {
  // The icon stops silently at the first failing step.
  host::Skipping([&] {
    TitleIcon->Picture(std::move(value));
    host::SetProperty(host::AsObject(Parent()), "Icon", TitleIcon->Picture());
    ShowIcon(!vb::IsEmpty(TitleIcon->Picture()));
    PropertyChanged("Icon");
  });
}

vb::OLE_COLOR QuorinSkin::MenuBackColor() const {
  return pICmenu->BackColor();
}

void QuorinSkin::MenuBackColor(vb::OLE_COLOR value) {
  pICmenu->BackColor(value);
  PropertyChanged("MenuBackColor");
}

bool QuorinSkin::ShowIcon() const {
  return TitleIcon->Visible();
}

void QuorinSkin::ShowIcon(bool value) {
  TitleIcon->Visible(value);
  Repos();
  PropertyChanged("ShowIcon");
}

void QuorinSkin::Skin(VistaTheme value) {
  m_Theme = value;
  PropertyChanged("Theme");
  host::DoEvents();
  Repos();
  Repos();
}

std::string QuorinSkin::DefaultBackgroundColor() const {
  return "16777215";
}

vb::Variant QuorinSkin::GradualChange(bool Gradual) {
  m_Gradual = Gradual;
  return {};
}

void QuorinSkin::TransparentEdges() {
  Repos();
}

// ---- Type information ----

const host::ClassInfo& QuorinSkin::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("QuorinSkinForVB6.QuorinSkin",
                                                            &host::UserControlBaseInfo());
    const std::vector<host::ParamInfo> mouse = host::MouseEventParams();
    using host::Optional;
    using host::Param;
    host::ClassBuilder<QuorinSkin>(i)
        .Property("Caption", &QuorinSkin::Caption, &QuorinSkin::Caption)
        .Property("Font", &QuorinSkin::Font, &QuorinSkin::Font)
        .Property("Icon", &QuorinSkin::Icon, &QuorinSkin::Icon)
        .Property("MenuBackColor", &QuorinSkin::MenuBackColor, &QuorinSkin::MenuBackColor)
        .Property("ShowIcon", &QuorinSkin::ShowIcon, &QuorinSkin::ShowIcon)
        .Property("Skin", &QuorinSkin::Skin, &QuorinSkin::Skin)
        .Method("LoadXP",
                [](QuorinSkin& s, std::span<const vb::Variant> a) -> vb::Variant {
                  std::optional<std::int16_t> modal;
                  if (!a[0].IsEmpty()) modal = a[0].ToInteger();
                  s.LoadXP(modal, a[1].IsEmpty() ? nullptr : a[1].ToObject());
                  return {};
                },
                {Optional("OptModal", std::int16_t{0}), Optional("OwnForm")})
        .Method("SetStyle", &QuorinSkin::SetStyle, {Param("IpForm")})
        .Method("Repos", &QuorinSkin::Repos)
        .Method("MaxBtnClick", &QuorinSkin::MaxBtnClick)
        .Method("SetFormActiveStyle", &QuorinSkin::SetFormActiveStyle, {Param("ActiveForm")})
        .Method("DefaultBackgroundColor", &QuorinSkin::DefaultBackgroundColor)
        .Method("ReTransObj", &QuorinSkin::ReTransObj, {Param("IpObject")})
        .Method("TransparentEdges", &QuorinSkin::TransparentEdges)
        .Method("GradualChange", &QuorinSkin::GradualChange, {Optional("Gradual", true)})
        .Method("FormOnTop", &QuorinSkin::FormOnTop, {Param("hWindow"), Param("bTopMost")})
        .Method("TaskBarShow", &QuorinSkin::TaskBarShow)
        .Method("ShowChild", &QuorinSkin::ShowChild, {Param("IpForm")})
        .Method("NChildForm", &QuorinSkin::NChildForm)
        .Method("CloseChildForm", &QuorinSkin::CloseChildForm)
        .Method("ContainerCheck", &QuorinSkin::ContainerCheck)
        .Method("GetCompName", &QuorinSkin::GetCompName)
        .Method("ChangeCaption", &QuorinSkin::ChangeCaption, {Param("mCaption")})
        .Event("Resize", {Param("IsTop"), Param("IsHeight"), Param("IsWidth")})
        .Event("Help")
        .Event("CloseForm")
        .Event("Click")
        .Event("DblClick")
        .Event("MouseMove", mouse)
        .Event("MouseDown", mouse)
        .Enum("VistaTheme", {{"Vista", Vista}, {"Vista Black", Vista_Black}})
        .Creatable();
    i.property_pages = {"QuorinSkinForVB6.AboutPage"};
    return i;
  }();
  return info;
}

}  // namespace quorin
