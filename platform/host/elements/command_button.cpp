#include "platform/host/elements/command_button.h"

#include "platform/gfx/blit.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/control/placement.h"
#include "platform/host/elements/text_support.h"
#include "platform/host/services/input.h"
#include "platform/vb/error.h"

namespace VB {

// ---- CommandButton ----

CommandButton::CommandButton() {
  SetTwips(0, 0, 1215, 495);
}

void CommandButton::Caption(std::string value) {
  caption_ = std::move(value);
  Invalidate();
}
void CommandButton::Font(vb::FontRef value) {
  if (!value) throw vb::Error(vb::kInvalidPropertyValue);
  font_ = std::move(value);
  Invalidate();
}
void CommandButton::BackColor(vb::OLE_COLOR value) {
  back_color_ = value;
  Invalidate();
}

void CommandButton::Style(std::int16_t value) {
  if (value != 0 && value != 1) throw vb::Error(vb::kInvalidPropertyValue);
  style_ = value;
  Invalidate();
}
void CommandButton::Picture(vb::PictureRef value) {
  picture_ = std::move(value);
  Invalidate();
}

void CommandButton::Value(bool value) {
  if (value) PerformClick();
}

void CommandButton::PerformClick() {
  if (!alive() || !EnabledOnForm()) return;
  host::RaiseOn(*this, "Click", [this] { Click(); });
}

void CommandButton::OnMouse(host::MouseKind kind, std::int16_t button, std::int16_t shift, float x,
                            float y) {
  if (button == host::vbLeftButton && kind != host::MouseKind::kMove) {
    pressed_ = kind == host::MouseKind::kDown;
    Refresh();
  }
  Element::OnMouse(kind, button, shift, x, y);
}

void CommandButton::OnKeyDown(std::int16_t& key, std::int16_t& shift) {
  Element::OnKeyDown(key, shift);
  if (key == win32::VK_SPACE) {
    pressed_ = true;
    Refresh();
  }
}

void CommandButton::OnKeyUp(std::int16_t& key, std::int16_t& shift) {
  Element::OnKeyUp(key, shift);
  if (key == win32::VK_SPACE && pressed_) {
    pressed_ = false;
    Refresh();
    Click();
  }
}

void CommandButton::OnGotFocus() {
  focused_ = true;
  Invalidate();
  Element::OnGotFocus();
}

void CommandButton::OnLostFocus() {
  focused_ = false;
  pressed_ = false;
  Invalidate();
  Element::OnLostFocus();
}

void CommandButton::PaintElement(win32::HDC hdc) {
  win32::RECT r;
  win32::GetClientRect(window(), &r);
  host::FillSolid(hdc, r, vb::TranslateColor(back_color_));
  win32::RECT edge = r;
  if (default_ || focused_) {
    win32::FrameRect(hdc, &edge, win32::GetSysColorBrush(vb::COLOR_WINDOWFRAME));
    edge = {edge.left + 1, edge.top + 1, edge.right - 1, edge.bottom - 1};
  }
  win32::DrawEdge(hdc, &edge, pressed_ ? win32::EDGE_SUNKEN : win32::EDGE_RAISED, win32::BF_RECT);
  win32::RECT text = r;
  if (pressed_) text = {r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
  vb::COLORREF color =
      Enabled() ? vb::GetSysColor(vb::COLOR_BTNTEXT) : vb::GetSysColor(vb::COLOR_GRAYTEXT);
  if (style_ == 1 && !vb::IsEmpty(picture_)) {
    // The picture in the middle, or above the caption's line when there is a caption.
    const int pw = picture_->PixelWidth();
    const int ph = picture_->PixelHeight();
    const int line = caption_.empty() ? 0 : host::LineHeight(*font_);
    const int x = text.left + (text.right - text.left - pw) / 2;
    const int y = text.top + (text.bottom - text.top - ph - line) / 2;
    if (gfx::DeviceContext* dc = gfx::FindDeviceContext(hdc)) {
      gfx::StretchPixels(*dc, x, y, pw, ph, gfx::PixelSource::From(*picture_->Pixels()), 0, 0, pw,
                         ph);
    }
    text.top = y + ph;
    text.bottom = text.top + line;
  }
  if (!caption_.empty()) {
    host::DrawTextIn(hdc, *font_, color, caption_, text,
                     win32::DT_CENTER | win32::DT_VCENTER | win32::DT_SINGLELINE);
  }
  if (focused_) {
    win32::RECT focus{r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
    win32::DrawFocusRect(hdc, &focus);
  }
}

std::shared_ptr<host::Control> CommandButton::CloneForArray() const {
  auto copy = std::make_shared<CommandButton>();
  CopyStateTo(*copy);
  copy->caption_ = caption_;
  copy->font_ = font_;
  copy->back_color_ = back_color_;
  copy->style_ = style_;
  copy->picture_ = picture_;
  return copy;
}

const host::ClassInfo& CommandButton::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.CommandButton");
    host::ClassBuilder<CommandButton> b(i);
    host::Element::AddCommonMembers(b, true);
    b.Property("Caption", &CommandButton::Caption, &CommandButton::Caption)
        .Property("Default", &CommandButton::Default, &CommandButton::Default)
        .Property("Cancel", &CommandButton::Cancel, &CommandButton::Cancel)
        .Property("Font", &CommandButton::Font, &CommandButton::Font)
        .Property("BackColor", &CommandButton::BackColor, &CommandButton::BackColor)
        .Property("Style", &CommandButton::Style, &CommandButton::Style)
        .Property("Picture", &CommandButton::Picture, &CommandButton::Picture)
        .Property("Value", &CommandButton::Value, &CommandButton::Value)
        .Event("Click");
    host::Element::AddInputEvents(b).Creatable();
    return i;
  }();
  return info;
}

// ---- CheckBox ----

// The button face behind, the button text colour.
CheckBox::CheckBox() : TextElement(0x8000000F, 0x80000012) {
  SetTwips(0, 0, 1215, 255);
}

void CheckBox::Caption(std::string value) {
  caption_ = std::move(value);
  Invalidate();
}

void CheckBox::Value(std::int16_t value) {
  if (value < 0 || value > 2) throw vb::Error(vb::kInvalidPropertyValue);
  if (value == value_) return;
  value_ = value;
  Invalidate();
  // A new value raises Click, as a click does (but not twice for a click itself).
  if (!toggling_ && RaisesChangeEvents()) host::RaiseOn(*this, "Click", [this] { Click(); });
}

void CheckBox::OnClick() {
  toggling_ = true;
  Value(value_ == 1 ? 0 : 1);
  toggling_ = false;
  Click();
}

void CheckBox::OnKeyUp(std::int16_t& key, std::int16_t& shift) {
  Element::OnKeyUp(key, shift);
  if (key == win32::VK_SPACE) OnClick();
}

void CheckBox::PaintElement(win32::HDC hdc) {
  win32::RECT r;
  win32::GetClientRect(window(), &r);
  host::FillSolid(hdc, r, vb::TranslateColor(back_color_));
  int top = (r.bottom - 13) / 2;
  win32::RECT box{0, top, 13, top + 13};
  host::FillSolid(hdc, box, vb::GetSysColor(value_ == 2 ? vb::COLOR_BTNFACE : vb::COLOR_WINDOW));
  win32::DrawEdge(hdc, &box, win32::EDGE_SUNKEN, win32::BF_RECT);
  if (value_ != 0) {
    win32::HPEN pen =
        win32::CreatePen(win32::PS_SOLID, 1,
                         vb::GetSysColor(value_ == 2 ? vb::COLOR_GRAYTEXT : vb::COLOR_WINDOWTEXT));
    win32::HGDIOBJ old = win32::SelectObject(hdc, pen);
    for (int dy = 0; dy < 3; ++dy) {
      win32::MoveToEx(hdc, 3, top + 5 + dy, nullptr);
      win32::LineTo(hdc, 5, top + 7 + dy);
      win32::LineTo(hdc, 10, top + 2 + dy);
    }
    win32::SelectObject(hdc, old);
    win32::DeleteObject(pen);
  }
  vb::COLORREF color = TextColor();
  host::DrawTextIn(hdc, *font_, color, caption_, {17, 0, r.right, r.bottom},
                   win32::DT_VCENTER | win32::DT_SINGLELINE);
}

std::shared_ptr<host::Control> CheckBox::CloneForArray() const {
  auto copy = std::make_shared<CheckBox>();
  CopyStateTo(*copy);
  copy->caption_ = caption_;
  copy->value_ = value_;
  CopyLookTo(*copy);
  return copy;
}

const host::ClassInfo& CheckBox::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.CheckBox");
    host::ClassBuilder<CheckBox> b(i);
    host::Element::AddCommonMembers(b, true);
    b.Property("Caption", &CheckBox::Caption, &CheckBox::Caption)
        .Property("Value", &CheckBox::Value, &CheckBox::Value)
        .Property("Font", &CheckBox::Font, &CheckBox::Font)
        .Property("BackColor", &CheckBox::BackColor, &CheckBox::BackColor)
        .Property("ForeColor", &CheckBox::ForeColor, &CheckBox::ForeColor)
        .Event("Click")
        .Event("GotFocus")
        .Event("LostFocus")
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace VB
