#pragma once

#include <memory>

#include "platform/host/elements/element.h"
#include "platform/vb/ole_color.h"
#include "platform/vb/std_font.h"

namespace host {

// A windowed element that draws text in a font of its own on a background colour (check box,
// option button, list box, text box). A new font or colour redraws it.
class TextElement : public WindowedElement {
 public:
  const vb::FontRef& Font() const { return font_; }
  // Nothing is not a font: error 380.
  void Font(vb::FontRef value);
  vb::OLE_COLOR BackColor() const { return back_color_; }
  void BackColor(vb::OLE_COLOR value);
  vb::OLE_COLOR ForeColor() const { return fore_color_; }
  void ForeColor(vb::OLE_COLOR value);

 protected:
  TextElement(vb::OLE_COLOR back_color, vb::OLE_COLOR fore_color)
      : back_color_(back_color), fore_color_(fore_color) {}
  // The colour text is drawn in: ForeColor, or the system's grey while disabled.
  vb::COLORREF TextColor() const;
  // Gives a copy (an element of a control array) the same font and colours.
  void CopyLookTo(TextElement& copy) const;

  vb::FontRef font_ = std::make_shared<vb::StdFont>();
  vb::OLE_COLOR back_color_;
  vb::OLE_COLOR fore_color_;
};

}  // namespace host
