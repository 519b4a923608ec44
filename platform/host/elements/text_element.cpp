#include "platform/host/elements/text_element.h"

#include "platform/vb/error.h"

namespace host {

void TextElement::Font(vb::FontRef value) {
  if (!value) throw vb::Error(vb::kInvalidPropertyValue);
  font_ = std::move(value);
  Invalidate();
}
void TextElement::BackColor(vb::OLE_COLOR value) {
  back_color_ = value;
  Invalidate();
}
void TextElement::ForeColor(vb::OLE_COLOR value) {
  fore_color_ = value;
  Invalidate();
}

vb::COLORREF TextElement::TextColor() const {
  return Enabled() ? vb::TranslateColor(fore_color_) : vb::GetSysColor(vb::COLOR_GRAYTEXT);
}

void TextElement::CopyLookTo(TextElement& copy) const {
  copy.font_ = font_;
  copy.back_color_ = back_color_;
  copy.fore_color_ = fore_color_;
}

}  // namespace host
