#include "glossy_button/vista_button.h"

#include <string>

#include "artwork/artwork.h"
#include "glossy_button/face_geometry.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/control/steps.h"
#include "platform/host/control/stored.h"
#include "platform/vb/error.h"
#include "platform/win/user32.h"

namespace quorin {

namespace {

constexpr std::int16_t kSkinStates = 4;  // disabled, normal, hover, pressed
constexpr vb::OLE_COLOR kWhite = 0xFFFFFF;

void FillSet(VistaButton& owner, host::ControlArray<VB::Image>& set, const std::string& name) {
  set.Create(owner, name);
  for (std::int16_t i = 1; i < kSkinStates; ++i) set.Load(i);
  for (std::int16_t i = 0; i < kSkinStates; ++i) {
    set(i).Visible(false);
    set(i).Picture(artwork::Picture("glossy_button/" + name + "_" + std::to_string(i)));
  }
}

}  // namespace

VistaButton::VistaButton() {
  IM1 = AddElement<VB::Image>("IM1");
  IM1->Visible(false);
  FillSet(*this, im, "im");
  FillSet(*this, bu2, "bu2");
  FillSet(*this, bu3, "bu3");
  FillSet(*this, bu4, "bu4");
  FillSet(*this, bu5, "bu5");
  FillSet(*this, bu6, "bu6");

  Pback = AddElement<VB::PictureBox>("Pback");
  Pback->BorderStyle(0);
  Pback->AutoRedraw(true);
  Pback->BackColor(kWhite);
  Pback->MouseMove.Connect([this](std::int16_t& b, std::int16_t& s, float& x, float& y) {
    Pback_MouseMove(b, s, x, y);
  });
  Pback->MouseDown.Connect([this](std::int16_t& b, std::int16_t& s, float& x, float& y) {
    Pback_MouseDown(b, s, x, y);
  });
  Pback->MouseUp.Connect(
      [this](std::int16_t& b, std::int16_t& s, float& x, float& y) { Pback_MouseUp(b, s, x, y); });
  Pback->Click.Connect([this] { Pback_Click(); });
  Pback->KeyDown.Connect([this](std::int16_t& k, std::int16_t& s) { Pback_KeyDown(k, s); });

  // The designer's size of a new button: 113 x 61 px.
  SetTwips(0, 0, 1695, 915);
  Pback->Move(0, 0, 1695, 915);
}

// Properties ------------------------------------------------------------------------------

std::string VistaButton::Caption() const {
  return Pback->Tag();
}

void VistaButton::Caption(std::string value) {
  Pback->Tag(std::move(value));
  PrintB(1);
  PropertyChanged("caption");
}

bool VistaButton::Enabled() const {
  return Pback->Enabled();
}

void VistaButton::Enabled(bool value) {
  Pback->Enabled(value);
  PropertyChanged("Enabled");
  PrintB(1);
}

vb::FontRef VistaButton::Font() const {
  return Pback->Font();
}

void VistaButton::Font(vb::FontRef value) {
  Pback->Font(std::move(value));
  PropertyChanged("Font");
  PrintB(1);
}

vb::OLE_COLOR VistaButton::ForeColor() const {
  return Pback->ForeColor();
}

void VistaButton::ForeColor(vb::OLE_COLOR value) {
  Pback->ForeColor(value);
  PropertyChanged("ForeColor");
  PrintB(1);
}

vb::PictureRef VistaButton::Picture() const {
  return IM1->Picture();
}

void VistaButton::Picture(vb::PictureRef value) {
  IM1->Picture(std::move(value));
  PrintB(1);
  PropertyChanged("Picture");
}

void VistaButton::Style(std::int32_t value) {
  style_ = value;
  PrintB(1);
  PropertyChanged("style");
}

void VistaButton::Skin(std::int32_t value) {
  skin_ = value;
  PropertyChanged("Skin");
}

// Drawing ---------------------------------------------------------------------------------

const host::ControlArray<VB::Image>* VistaButton::SkinSet() const {
  switch (skin_) {
    case 0:
      return &im;
    case 1:
      return &bu2;
    case 2:
      return &bu3;
    case 3:
      return &bu4;
    case 4:
      return &bu5;
    case 5:
      return &bu6;
    default:
      return nullptr;
  }
}

void VistaButton::PrintB(const vb::Variant& VV) {
  Pback->Cls();
  std::int16_t state = 0;
  if (VV.ToDouble() == 1) {
    state = Pback->Enabled() ? 1 : 0;
  } else {
    state = VV.ToInteger();
  }
  const float W = Pback->ScaleWidth();
  const float H = Pback->ScaleHeight();
  if (const host::ControlArray<VB::Image>* set = SkinSet()) {
    // Error 340 for a state without a picture; the face stays cleared.
    const vb::PictureRef& face = (*set)(state).Picture();
    for (const FaceSlice& s : FaceSlices(W, H)) {
      // On a face narrower or lower than 6 px the corners overlap and the edges and centre
      // have no room: those are left out rather than drawn mirrored.
      if (s.dw <= 0 || s.dh <= 0) continue;
      Pback->PaintPicture(face, s.dx, s.dy, s.dw, s.dh, s.sx, s.sy, s.sw, s.sh);
    }
  }
  SetText(vb::Variant(Pback->Tag()));
}

void VistaButton::DrawCaption(const std::string& text, float x, float y) {
  win32::HDC hdc = Pback->hDC();
  win32::HFONT font = gfx::CreateFontFromStdFont(*Pback->Font());
  win32::HGDIOBJ old_font = win32::SelectObject(hdc, font);
  const int old_mode = win32::SetBkMode(hdc, win32::TRANSPARENT);
  const vb::COLORREF old_color = win32::SetTextColor(hdc, vb::TranslateColor(Pback->ForeColor()));
  // One line, character for character: an ampersand is drawn as itself.
  win32::TextOutA(hdc, Pback->ToPixelX(x), Pback->ToPixelY(y), text, -1);
  win32::SetTextColor(hdc, old_color);
  win32::SetBkMode(hdc, old_mode);
  win32::SelectObject(hdc, old_font);
  win32::DeleteObject(font);
  win32::InvalidateRect(Pback->hWnd(), nullptr, win32::FALSE);
}

void VistaButton::SetText(const vb::Variant& Caption) {
  float PW = 0;
  float PH = 0;
  bool has_picture = false;
  std::string text;
  float TW = 0;
  float TH = 0;
  host::Skipping([&] {
    has_picture = !vb::IsEmpty(IM1->Picture());
    PW = IM1->Width();
    PH = IM1->Height();
  });
  host::Skipping([&] { text = Caption.ToString(); });
  host::Skipping([&] {
    if (text.empty()) return;
    TW = Pback->TextWidth(text);
    TH = Pback->TextHeight(text);
  });
  const CaptionLayout layout = PlaceCaption(Pback->ScaleWidth(), Pback->ScaleHeight(), PW, PH, TW,
                                            TH, !text.empty(), has_picture, style_);
  if (layout.picture) {
    host::Skipping(
        [&] { Pback->PaintPicture(IM1->Picture(), layout.picture_x, layout.picture_y); });
  }
  if (layout.caption) {
    host::Skipping([&] { DrawCaption(text, layout.caption_x, layout.caption_y); });
  }
}

// Input -----------------------------------------------------------------------------------

void VistaButton::Pback_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  MouseMove.Raise(Button, Shift, X, Y);
  const float width = Pback->ScaleWidth();
  const float height = Pback->ScaleHeight();
  if (X < 0 || X > width || Y < 0 || Y > height) {
    // Off the face (heard only while the face holds the capture).
    PrintB(1);
    hover_ = false;
    win32::ReleaseCapture();
    return;
  }
  if (!hover_) {
    PrintB(2);
    hover_ = true;
  }
  win32::SetCapture(Pback->hWnd());
}

void VistaButton::Pback_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  MouseDown.Raise(Button, Shift, X, Y);
  if (Button == 1) {
    PrintB(3);
    left_press_ = true;
  } else {
    left_press_ = false;
  }
}

void VistaButton::Pback_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  MouseUp.Raise(Button, Shift, X, Y);
  hover_ = false;
  PrintB(1);
}

void VistaButton::Pback_Click() {
  if (left_press_) Click();
}

void VistaButton::Pback_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
  (void)Shift;
  if (KeyCode == 13) Pback_Click();
}

void VistaButton::UserControl_KeyPress(std::int16_t& KeyAscii) {
  if (KeyAscii == 13) Click();
}

// Lifecycle -------------------------------------------------------------------------------

void VistaButton::UserControl_Initialize() {
  PrintB(1);
}

void VistaButton::UserControl_InitProperties() {
  PrintB(1);
}

void VistaButton::UserControl_ReadProperties(host::PropertyBag& PropBag) {
  // A value that cannot be used is reported after the face is drawn.
  host::FirstFailure failure;
  failure.Run([&] { host::ReadStored(*this, PropBag); });
  PrintB(1);
  failure.Report();
}

void VistaButton::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  host::WriteStored(*this, PropBag);
  PrintB(1);
}

void VistaButton::UserControl_Resize() {
  Pback->Move(0, 0, ScaleWidth(), ScaleHeight());
  PrintB(1);
}

void VistaButton::UserControl_Show() {
  PrintB(1);
}

}  // namespace quorin
