#pragma once

// Realised fonts: a logical font as a FreeType face at a pixel size, with its metrics and
// rendered glyphs. Faces, sizes, glyphs and realised fonts are cached process-wide.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/gfx/gdi_objects.h"

namespace gfx {
class DeviceContext;
}

namespace gfx::text {

// A rendered glyph: an 8-bit coverage mask placed relative to the pen position on the
// baseline, and the pen advance in whole pixels.
struct Glyph {
  int left = 0;  // columns from the pen position to the mask's first column
  int top = 0;   // rows from the baseline up to the mask's first row
  int width = 0;
  int height = 0;
  int advance = 0;
  std::vector<std::uint8_t> coverage;  // width * height, rows top to bottom
};

// Cell metrics in pixels, as the platform's TEXTMETRIC reports them.
struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int internal_leading = 0;
  int external_leading = 0;
  int ave_char_width = 0;
  int max_char_width = 0;
  int weight = 400;
  // Underline: free rows between the baseline and the line's top row, and thickness;
  // strikeout: rows from its top row down to the baseline, and thickness.
  int underline_offset = 1;
  int underline_thickness = 1;
  int strikeout_offset = 0;
  int strikeout_thickness = 1;
  int height() const { return ascent + descent; }
};

class SizedFace;

// A logical font realised at its pixel size. Characters the primary face lacks come from a
// fallback face picked by character set; a character no face has draws the primary face's
// missing-glyph shape.
class Font {
 public:
  Font(SizedFace* primary, FontMetrics metrics, int pixel_size, int weight, bool italic,
       std::string file);

  const FontMetrics& metrics() const { return metrics_; }
  int pixel_size() const { return pixel_size_; }
  // The primary face's file (empty when no font file could be opened at all).
  const std::string& file() const { return file_; }

  // Never null; an empty glyph with a nominal advance when no face could be opened.
  std::shared_ptr<const Glyph> GlyphFor(char32_t code_point) const;
  int Advance(char32_t code_point) const { return GlyphFor(code_point)->advance; }

 private:
  SizedFace* primary_;
  FontMetrics metrics_;
  int pixel_size_;
  int weight_;
  bool italic_;
  std::string file_;
  // Which face and glyph index each character drew from so far (guarded by the cache lock).
  mutable std::unordered_map<char32_t, std::pair<SizedFace*, unsigned>> chars_;
};

// The realised font for a logical font (cached; never null).
std::shared_ptr<const Font> ResolveFont(const LogicalFont& font);

// The logical font a device context draws with: its selected font, or the default font.
const LogicalFont& SelectedFont(const DeviceContext& dc);

}  // namespace gfx::text
