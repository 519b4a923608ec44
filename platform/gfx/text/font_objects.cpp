// Font objects: logical fonts from LOGFONT and StdFont, and their handles.

#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/gfx/text.h"
#include "platform/gfx/text/font_cache.h"
#include "platform/vb/ansi.h"
#include "platform/vb/units.h"

namespace win32 {

HFONT CreateFontIndirectA(const LOGFONTA* font) {
  if (!font) return 0;
  gfx::LogicalFont logical;
  // The platform's face name field holds 31 ANSI bytes.
  logical.face = std::string(vb::AnsiPrefix(font->lfFaceName, 31));
  logical.height = font->lfHeight;
  logical.weight = std::clamp<LONG>(font->lfWeight, 0, 1000);
  logical.italic = font->lfItalic != 0;
  logical.underline = font->lfUnderline != 0;
  logical.strikeout = font->lfStrikeOut != 0;
  logical.charset = font->lfCharSet;
  return gfx::GdiObjects().Add(std::make_shared<const gfx::LogicalFont>(std::move(logical)));
}

}  // namespace win32

namespace gfx {

LogicalFont LogicalFontFromStdFont(const vb::StdFont& font) {
  LogicalFont logical;
  logical.face = font.Name();
  // Points to a character height at the display's DPI, rounded halves away from zero.
  const double pixels = static_cast<double>(font.Size()) * vb::Display().dpi_y() / 72.0;
  logical.height = -static_cast<int>(std::lround(std::clamp(pixels, 0.0, 1e6)));
  logical.weight = font.Weight();
  logical.italic = font.Italic();
  logical.underline = font.Underline();
  logical.strikeout = font.Strikethrough();
  logical.charset = font.Charset();
  return logical;
}

win32::HFONT CreateFontFromStdFont(const vb::StdFont& font) {
  return GdiObjects().Add(std::make_shared<const LogicalFont>(LogicalFontFromStdFont(font)));
}

std::string ResolvedFontFile(const LogicalFont& font) {
  return text::ResolveFont(font)->file();
}

}  // namespace gfx
