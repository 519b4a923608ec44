#pragma once

// Text calls of the drawing layer under the platform's names: fonts through fontconfig and
// FreeType, the platform's DrawText layout and "&" prefix rules.

#include <string>
#include <string_view>

#include "platform/gfx/gdi_objects.h"
#include "platform/gfx/types.h"
#include "platform/vb/std_font.h"

namespace win32 {

// DrawText formats.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_EXPANDTABS = 0x0040;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;
constexpr UINT DT_WORD_ELLIPSIS = 0x40000;
constexpr UINT DT_HIDEPREFIX = 0x100000;

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

struct LOGFONTA {
  LONG lfHeight = 0;
  LONG lfWidth = 0;
  LONG lfEscapement = 0;
  LONG lfOrientation = 0;
  LONG lfWeight = FW_NORMAL;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 0;
  std::string lfFaceName;
};

struct TEXTMETRICA {
  LONG tmHeight = 0;
  LONG tmAscent = 0;
  LONG tmDescent = 0;
  LONG tmInternalLeading = 0;
  LONG tmExternalLeading = 0;
  LONG tmAveCharWidth = 0;
  LONG tmMaxCharWidth = 0;
  LONG tmWeight = 0;
};

HFONT CreateFontIndirectA(const LOGFONTA* font);

// Strings are UTF-8; `count` is in bytes of the system ANSI code page as the platform's
// "A" calls count them (-1: the whole string).
BOOL TextOutA(HDC hdc, int x, int y, std::string_view text, int count);
BOOL GetTextExtentPoint32A(HDC hdc, std::string_view text, int count, SIZE* size);
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);
// Returns the height of the text drawn (or measured), 0 on failure.
int DrawTextA(HDC hdc, std::string_view text, int count, RECT* rect, UINT format);

}  // namespace win32

namespace gfx {

// The logical font of a StdFont at the display's DPI (its point size as a character height).
LogicalFont LogicalFontFromStdFont(const vb::StdFont& font);
win32::HFONT CreateFontFromStdFont(const vb::StdFont& font);

// The path of the font file a logical font resolves to (for diagnostics and tests).
std::string ResolvedFontFile(const LogicalFont& font);

}  // namespace gfx
