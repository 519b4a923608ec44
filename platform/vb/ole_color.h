#pragma once

#include <array>
#include <cstdint>

namespace vb {

// 0x00BBGGRR, red in the low byte.
using COLORREF = std::uint32_t;
// A COLORREF, or with bit 31 set a system colour index in the low byte.
using OLE_COLOR = std::uint32_t;
using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);

constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

constexpr OLE_COLOR kSystemColorFlag = 0x80000000u;
constexpr bool IsSystemColor(OLE_COLOR c) {
  return (c & kSystemColorFlag) != 0;
}

// System colour indices of the desktop scheme.
enum SystemColor : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7,
  COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9,
  COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11,
  COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14,
  COLOR_BTNFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
  COLOR_INFOTEXT = 23,
  COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26,
  COLOR_GRADIENTACTIVECAPTION = 27,
  COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29,
  COLOR_MENUBAR = 30,
};
constexpr int kSystemColorCount = 31;

using ColorScheme = std::array<COLORREF, kSystemColorCount>;

// The classic desktop scheme.
const ColorScheme& ClassicColorScheme();

// The desktop's current scheme; changing it changes every system colour at once.
COLORREF GetSysColor(int index);
void SetColorScheme(const ColorScheme& scheme);
void SetSysColor(int index, COLORREF color);

// System colour index to the scheme's current RGB; plain values pass unchanged. An index
// outside the scheme or a value with stray high bits is E_INVALIDARG and leaves *out alone.
HRESULT OleTranslateColor(OLE_COLOR color, std::uintptr_t palette, COLORREF* out);
// Convenience form: the translated colour, or black for a colour that does not translate.
COLORREF TranslateColor(OLE_COLOR color);

}  // namespace vb
