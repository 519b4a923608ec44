#pragma once

#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/vb/ole_color.h"
#include "platform/vb/std_font.h"
#include "platform/win/win_types.h"

namespace quorin {

// The control's font selected into a device context for the lifetime of the object, with a
// transparent text background.
class SelectedFont {
 public:
  SelectedFont(win32::HDC hdc, const vb::StdFont& font)
      : hdc_(hdc), font_(gfx::CreateFontFromStdFont(font)) {
    old_font_ = win32::SelectObject(hdc_, font_);
    old_mode_ = win32::SetBkMode(hdc_, win32::TRANSPARENT);
  }
  ~SelectedFont() {
    win32::SetBkMode(hdc_, old_mode_);
    win32::SelectObject(hdc_, old_font_);
    win32::DeleteObject(font_);
  }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  win32::HDC hdc_;
  win32::HFONT font_;
  win32::HGDIOBJ old_font_ = 0;
  int old_mode_ = 0;
};

// Fills rect upward from its bottom in bands of the current colour, from dark towards (but
// never reaching) light, over steps + 1 rows when steps is below 510; rect is left at the top
// of the last band. Steps below 0 fill nothing.
void GradientFill(win32::HDC hdc, win32::RECT& rect, vb::COLORREF light, vb::COLORREF dark,
                  int steps);

}  // namespace quorin
