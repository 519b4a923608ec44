#include "platform/vb/ole_color.h"

namespace vb {

const ColorScheme& ClassicColorScheme() {
  static const ColorScheme scheme = {
      RGB(212, 208, 200),  // scroll bar
      RGB(58, 110, 165),   // desktop
      RGB(10, 36, 106),    // active caption
      RGB(128, 128, 128),  // inactive caption
      RGB(212, 208, 200),  // menu
      RGB(255, 255, 255),  // window
      RGB(0, 0, 0),        // window frame
      RGB(0, 0, 0),        // menu text
      RGB(0, 0, 0),        // window text
      RGB(255, 255, 255),  // caption text
      RGB(212, 208, 200),  // active border
      RGB(212, 208, 200),  // inactive border
      RGB(128, 128, 128),  // application workspace
      RGB(10, 36, 106),    // highlight
      RGB(255, 255, 255),  // highlight text
      RGB(212, 208, 200),  // button face
      RGB(128, 128, 128),  // button shadow
      RGB(128, 128, 128),  // grey text
      RGB(0, 0, 0),        // button text
      RGB(212, 208, 200),  // inactive caption text
      RGB(255, 255, 255),  // button highlight
      RGB(64, 64, 64),     // 3-D dark shadow
      RGB(212, 208, 200),  // 3-D light
      RGB(0, 0, 0),        // tooltip text
      RGB(255, 255, 225),  // tooltip background
      RGB(181, 181, 181),  // (unused slot)
      RGB(0, 0, 128),      // hot-tracked item
      RGB(166, 202, 240),  // active caption gradient
      RGB(192, 192, 192),  // inactive caption gradient
      RGB(10, 36, 106),    // menu highlight
      RGB(212, 208, 200),  // menu bar
  };
  return scheme;
}

namespace {
ColorScheme g_scheme = ClassicColorScheme();
}

COLORREF GetSysColor(int index) {
  if (index < 0 || index >= kSystemColorCount) return 0;
  return g_scheme[static_cast<std::size_t>(index)];
}

void SetColorScheme(const ColorScheme& scheme) {
  g_scheme = scheme;
}

void SetSysColor(int index, COLORREF color) {
  if (index >= 0 && index < kSystemColorCount) {
    g_scheme[static_cast<std::size_t>(index)] = color & 0xFFFFFF;
  }
}

HRESULT OleTranslateColor(OLE_COLOR color, std::uintptr_t /*palette*/, COLORREF* out) {
  COLORREF result;
  if (IsSystemColor(color)) {
    const OLE_COLOR index = color & 0x7FFFFFFFu;
    if (index >= static_cast<OLE_COLOR>(kSystemColorCount)) return E_INVALIDARG;
    result = GetSysColor(static_cast<int>(index));
  } else {
    // Plain colours and palette-relative/index forms (0x01/0x02 high byte) keep their RGB.
    const std::uint32_t high = color >> 24;
    if (high != 0 && high != 1 && high != 2) return E_INVALIDARG;
    result = color & 0xFFFFFF;
  }
  if (out) *out = result;
  return S_OK;
}

COLORREF TranslateColor(OLE_COLOR color) {
  COLORREF result = 0;
  OleTranslateColor(color, 0, &result);
  return result;
}

}  // namespace vb
