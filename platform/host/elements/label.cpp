#include "platform/host/elements/label.h"

#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/elements/text_support.h"
#include "platform/host/services/errors.h"
#include "platform/vb/error.h"
#include "platform/vb/units.h"

namespace VB {

Label::Label() {
  SetTwips(0, 0, 1215, 255);
}

void Label::Caption(std::string value) {
  if (value == caption_) return;
  caption_ = std::move(value);
  Fit();
  InvalidateContainer();
  auto keep = SharedAs<Label>();
  host::Dispatch(Owner(), Name() + "_Change", [this] { Change(); });
}

void Label::Font(vb::FontRef value) {
  if (!value) throw vb::Error(vb::kInvalidPropertyValue);
  font_ = std::move(value);
  Fit();
  InvalidateContainer();
}

void Label::FontSize(float value) {
  font_->Size(value);
  Fit();
  InvalidateContainer();
}

void Label::ForeColor(vb::OLE_COLOR value) {
  fore_color_ = value;
  InvalidateContainer();
}
void Label::BackColor(vb::OLE_COLOR value) {
  back_color_ = value;
  InvalidateContainer();
}
void Label::BackStyle(std::int16_t value) {
  if (value != 0 && value != 1) throw vb::Error(vb::kInvalidPropertyValue);
  back_style_ = value;
  InvalidateContainer();
}
void Label::AutoSize(bool value) {
  auto_size_ = value;
  Fit();
  InvalidateContainer();
}
void Label::WordWrap(bool value) {
  word_wrap_ = value;
  Fit();
  InvalidateContainer();
}
void Label::Alignment(std::int16_t value) {
  if (value < 0 || value > 2) throw vb::Error(vb::kInvalidPropertyValue);
  alignment_ = value;
  InvalidateContainer();
}
void Label::UseMnemonic(bool value) {
  use_mnemonic_ = value;
  Fit();
  InvalidateContainer();
}
void Label::BorderStyle(std::int16_t value) {
  if (value != 0 && value != 1) throw vb::Error(vb::kInvalidPropertyValue);
  border_style_ = value;
  Fit();
  InvalidateContainer();
}

void Label::Fit() {
  if (!auto_size_) return;
  const vb::DisplayMetrics& d = vb::Display();
  int border = border_style_ ? 2 : 0;
  if (word_wrap_) {
    // The width stays; the height takes every wrapped line.
    win32::HDC dc = host::MeasuringDC();
    win32::HFONT f = gfx::CreateFontFromStdFont(*font_);
    win32::HGDIOBJ old = win32::SelectObject(dc, f);
    win32::RECT r = PixelRect();
    r = {0, 0, r.right - r.left - border, 0};
    win32::DrawTextA(
        dc, caption_, -1, &r,
        win32::DT_CALCRECT | win32::DT_WORDBREAK | (use_mnemonic_ ? 0 : win32::DT_NOPREFIX));
    win32::SelectObject(dc, old);
    win32::DeleteObject(f);
    SetTwips(left_, top_, width_, static_cast<float>(r.bottom + border) * d.twips_per_pixel_y);
    return;
  }
  win32::SIZE size = host::MeasureText(*font_, caption_, !use_mnemonic_);
  SetTwips(left_, top_, static_cast<float>(size.cx + border) * d.twips_per_pixel_x,
           static_cast<float>(size.cy + border) * d.twips_per_pixel_y);
}

void Label::DrawWindowless(win32::HDC hdc) {
  win32::RECT r = PixelRect();
  if (back_style_ == 1) host::FillSolid(hdc, r, vb::TranslateColor(back_color_));
  if (border_style_ == 1) {
    win32::FrameRect(hdc, &r, win32::GetSysColorBrush(vb::COLOR_WINDOWFRAME));
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
  win32::UINT format = word_wrap_ || !auto_size_ ? win32::DT_WORDBREAK : win32::DT_SINGLELINE;
  if (alignment_ == 1) format |= win32::DT_RIGHT;
  if (alignment_ == 2) format |= win32::DT_CENTER;
  if (!use_mnemonic_) format |= win32::DT_NOPREFIX;
  vb::COLORREF color =
      Enabled() ? vb::TranslateColor(fore_color_) : vb::GetSysColor(vb::COLOR_GRAYTEXT);
  host::DrawTextIn(hdc, *font_, color, caption_, r, format);
}

std::shared_ptr<host::Control> Label::CloneForArray() const {
  auto copy = std::make_shared<Label>();
  CopyStateTo(*copy);
  copy->caption_ = caption_;
  copy->font_ = font_;
  copy->fore_color_ = fore_color_;
  copy->back_color_ = back_color_;
  copy->back_style_ = back_style_;
  copy->auto_size_ = auto_size_;
  copy->word_wrap_ = word_wrap_;
  copy->alignment_ = alignment_;
  copy->use_mnemonic_ = use_mnemonic_;
  copy->border_style_ = border_style_;
  return copy;
}

const host::ClassInfo& Label::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("VB.Label");
    host::ClassBuilder<Label> b(i);
    host::Element::AddCommonMembers(b, false);
    b.Property("Caption", &Label::Caption, &Label::Caption)
        .Property("Font", &Label::Font, &Label::Font)
        .Property("FontSize", &Label::FontSize, &Label::FontSize)
        .Property("ForeColor", &Label::ForeColor, &Label::ForeColor)
        .Property("BackColor", &Label::BackColor, &Label::BackColor)
        .Property("BackStyle", &Label::BackStyle, &Label::BackStyle)
        .Property("AutoSize", &Label::AutoSize, &Label::AutoSize)
        .Property("WordWrap", &Label::WordWrap, &Label::WordWrap)
        .Property("Alignment", &Label::Alignment, &Label::Alignment)
        .Property("UseMnemonic", &Label::UseMnemonic, &Label::UseMnemonic)
        .Property("BorderStyle", &Label::BorderStyle, &Label::BorderStyle)
        .Method("Refresh", &Label::Refresh)
        .Event("Change")
        .Event("Click")
        .Event("DblClick");
    host::Element::AddMouseEvents(b).Creatable();
    return i;
  }();
  return info;
}

}  // namespace VB
