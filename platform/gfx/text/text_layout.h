#pragma once

// Lines of text laid out with a realised font, the "&" prefix rules, and painting a laid-out
// line onto a device context.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/gdi_objects.h"
#include "platform/gfx/text/font_cache.h"
#include "platform/gfx/types.h"

namespace gfx::text {

// UTF-8 to code points; a malformed byte becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

// Control characters have no glyph and no width.
bool IsControl(char32_t code_point);

// A line laid out from pen position 0: x[i] is where character i starts and x.back() is the
// line's width. `underline` marks the character a prefix underlines (-1: none).
struct TextRun {
  std::u32string chars;
  std::vector<std::int64_t> x{0};
  int underline = -1;
  std::int64_t width() const { return x.back(); }
};

// Advances are whole pixels without kerning, so a line's width is the sum of its characters'.
// With `tab_width` > 0 a tab moves to the next multiple of it; otherwise it is a control.
TextRun LayOut(const Font& font, std::u32string chars, int underline = -1, int tab_width = 0);

// "&x" shows x and marks it (the last such character of the line is the one marked), "&&"
// shows one "&", a lone trailing "&" shows as it is.
struct PrefixedText {
  std::u32string chars;
  int underline = -1;
};
PrefixedText StripPrefixes(std::u32string_view line);

// Paints a run whose cell's top-left is at device (x, y): the text's extent in the
// background colour when the context is opaque, the glyphs in the text colour, the font's
// underline and strikeout, and (when `show_prefix`) the marked character's 1-pixel underline.
// Everything is clipped to `clip` (device coordinates) when given, and to the context.
void PaintRun(DeviceContext& dc, const Font& font, const LogicalFont& logical, const TextRun& run,
              std::int64_t x, std::int64_t y, const std::optional<win32::RECT>& clip,
              bool show_prefix);

// Narrows a coordinate computed in 64 bits to the platform's 32-bit range.
win32::LONG ClampToLong(std::int64_t value);

}  // namespace gfx::text
