// The option button's face: which box picture shows in which state, the layout of box and
// caption, the hover poll and the focus look.

#include "option_button/radio_button.h"
#include "platform/vb/convert.h"
#include "platform/win/user32.h"

namespace quorin {

namespace {

constexpr float kBoxSize = 195;  // twips
constexpr float kCaptionLeft = 240;
constexpr vb::OLE_COLOR kGrayText = 0x80000011;

// (outer - inner) \ 2 after bringing the difference to a whole number, halves to even.
float CentredTop(float outer, float inner) {
  const auto difference = static_cast<long long>(vb::RoundHalfEven(outer - inner));
  return static_cast<float>(difference / 2);
}

}  // namespace

void RadioButton::Show(std::int16_t index) {
  p->Picture(SetPicture(skin_, index));
}

void RadioButton::ShowFace() {
  if (!enabled_copy_) {
    ShowDisabledFace();
    return;
  }
  Show(value_ ? kBoxResting + kBoxSelected : kBoxResting);
}

void RadioButton::ShowDisabledFace() {
  Show(value_ ? kBoxDisabled + kBoxSelected : kBoxDisabled);
}

void RadioButton::ApplyEnabled() {
  if (!enabled_copy_) {
    ShowDisabledFace();
    lbl->ForeColor(kGrayText);
    Timer1->Enabled(false);
    return;
  }
  ShowFace();
  lbl->ForeColor(fore_color_);
}

void RadioButton::UserControl_Resize() {
  ShowFace();
  ScaleMode(host::vbTwips);
  const float height = ScaleHeight();
  p->Move(0, CentredTop(height, kBoxSize), kBoxSize, kBoxSize);
  lbl->Move(kCaptionLeft, CentredTop(height, lbl->Height()));
}

void RadioButton::MouseDownHandling(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  if (!enabled_copy_) return;
  Show(value_ ? kBoxPressed + kBoxSelected : kBoxPressed);
  pressed_ = 1;
  MouseDown.Raise(Button, Shift, X, Y);
}

void RadioButton::MouseMoveHandling(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  if (!enabled_copy_) return;
  // Once the hover look shows, a move costs this one comparison.
  if (p->Picture() == SetPicture(skin_, hover_picture_) || pressed_ == 1) return;
  Timer1->Enabled(true);
  hover_picture_ = value_ ? kBoxHover + kBoxSelected : kBoxHover;
  Show(hover_picture_);
  MouseMove.Raise(Button, Shift, X, Y);
}

void RadioButton::MouseUpHandling(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  MouseUp.Raise(Button, Shift, X, Y);
  pressed_ = 0;
}

void RadioButton::UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  MouseDownHandling(Button, Shift, X, Y);
}

void RadioButton::UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  MouseMoveHandling(Button, Shift, X, Y);
}

void RadioButton::UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  MouseUpHandling(Button, Shift, X, Y);
}

void RadioButton::Timer1_Timer() {
  // The scale stays in pixels until the next layout step.
  ScaleMode(host::vbPixels);
  win32::POINT cursor{};
  win32::GetCursorPos(&cursor);
  win32::ScreenToClient(hWnd(), &cursor);
  const float x = static_cast<float>(cursor.x);
  const float y = static_cast<float>(cursor.y);
  // The right and bottom edge lines count as inside.
  const bool outside = x < 0 || y < 0 || x > ScaleWidth() || y > ScaleHeight();
  if (!outside || pressed_ == 1) return;
  ShowFace();
  Timer1->Enabled(false);
  MouseOut();
}

void RadioButton::p_GotFocus() {
  // The focus look is the hover look, held wherever the cursor is.
  MouseMoveHandling(0, 0, 0, 0);
  Timer1->Enabled(false);
}

void RadioButton::p_LostFocus() {
  // No enabled box shows picture 7, so the hover look is taken afresh and the poll ends it.
  hover_picture_ = kBoxDisabled + kBoxSelected;
  MouseMoveHandling(0, 0, 0, 0);
}

}  // namespace quorin
