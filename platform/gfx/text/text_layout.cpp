#include "platform/gfx/text/text_layout.h"

#include <algorithm>
#include <limits>

#include "platform/gfx/device_context.h"

namespace gfx::text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// A box in 64-bit device coordinates, right and bottom excluded.
struct Box {
  std::int64_t left, top, right, bottom;
  bool empty() const { return right <= left || bottom <= top; }
  Box Intersect(const Box& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
};

// The part of the target the run may touch: the bitmap, narrowed to `clip`.
Box PaintArea(DeviceContext& dc, const std::optional<win32::RECT>& clip) {
  Box area{0, 0, dc.target().width(), dc.target().height()};
  if (clip) area = area.Intersect({clip->left, clip->top, clip->right, clip->bottom});
  return area;
}

void FillBox(DeviceContext& dc, const Box& box, const Box& area, vb::COLORREF color) {
  const Box b = box.Intersect(area);
  if (b.empty()) return;
  dc.FillDeviceRect({static_cast<win32::LONG>(b.left), static_cast<win32::LONG>(b.top),
                     static_cast<win32::LONG>(b.right), static_cast<win32::LONG>(b.bottom)},
                    ArgbFromColorref(color & 0xFFFFFF));
}

void BlendGlyph(DeviceContext& dc, const Glyph& glyph, std::int64_t x, std::int64_t y,
                const Box& area, vb::COLORREF color) {
  if (glyph.width <= 0 || glyph.height <= 0) return;
  const Box b = Box{x, y, x + glyph.width, y + glyph.height}.Intersect(area);
  if (b.empty()) return;
  const std::uint8_t* mask = glyph.coverage.data() + (b.top - y) * glyph.width + (b.left - x);
  dc.BlendCoverage(static_cast<int>(b.left), static_cast<int>(b.top), mask,
                   static_cast<int>(b.right - b.left), static_cast<int>(b.bottom - b.top),
                   glyph.width, color & 0xFFFFFF);
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (lead < 0x80) {
      length = 1, cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, cp = lead & 0x07, min = 0x10000;
    }
    bool valid = length > 0 && i + length <= text.size();
    for (int k = 1; valid && k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (valid && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) valid = false;
    if (!valid) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    out.push_back(cp);
    i += length;
  }
  return out;
}

bool IsControl(char32_t cp) {
  return cp < 0x20 || (cp >= 0x7F && cp < 0xA0);
}

TextRun LayOut(const Font& font, std::u32string chars, int underline, int tab_width) {
  TextRun run;
  run.chars = std::move(chars);
  run.underline = underline >= 0 && underline < static_cast<int>(run.chars.size()) ? underline : -1;
  run.x.reserve(run.chars.size() + 1);
  std::int64_t pen = 0;
  for (char32_t cp : run.chars) {
    if (cp == U'\t' && tab_width > 0) {
      pen += tab_width - pen % tab_width;
    } else if (!IsControl(cp)) {
      pen += font.Advance(cp);
    }
    run.x.push_back(pen);
  }
  return run;
}

PrefixedText StripPrefixes(std::u32string_view line) {
  PrefixedText out;
  out.chars.reserve(line.size());
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != U'&' || i + 1 == line.size()) {
      out.chars.push_back(line[i]);
      continue;
    }
    ++i;
    if (line[i] != U'&') out.underline = static_cast<int>(out.chars.size());
    out.chars.push_back(line[i]);
  }
  return out;
}

void PaintRun(DeviceContext& dc, const Font& font, const LogicalFont& logical, const TextRun& run,
              std::int64_t x, std::int64_t y, const std::optional<win32::RECT>& clip,
              bool show_prefix) {
  const Box area = PaintArea(dc, clip);
  if (area.empty()) return;
  const FontMetrics& m = font.metrics();
  const std::int64_t baseline = y + m.ascent;
  if (dc.bk_mode == kOpaque)
    FillBox(dc, {x, y, x + run.width(), y + m.height()}, area, dc.bk_color);

  for (std::size_t i = 0; i < run.chars.size(); ++i) {
    const char32_t cp = run.chars[i];
    if (IsControl(cp)) continue;
    const std::int64_t pen = x + run.x[i];
    // Glyphs entirely left or right of the area need not be rendered.
    if (pen - font.pixel_size() * 2 > area.right) break;
    if (x + run.x[i + 1] + font.pixel_size() * 2 < area.left) continue;
    const auto glyph = font.GlyphFor(cp);
    BlendGlyph(dc, *glyph, pen + glyph->left, baseline - glyph->top, area, dc.text_color);
  }

  const std::int64_t underline_top = baseline + m.underline_offset;
  if (logical.underline) {
    FillBox(dc, {x, underline_top, x + run.width(), underline_top + m.underline_thickness}, area,
            dc.text_color);
  }
  if (logical.strikeout) {
    const std::int64_t top = baseline - m.strikeout_offset;
    FillBox(dc, {x, top, x + run.width(), top + m.strikeout_thickness}, area, dc.text_color);
  }
  if (show_prefix && run.underline >= 0) {
    const auto i = static_cast<std::size_t>(run.underline);
    FillBox(dc, {x + run.x[i], underline_top, x + run.x[i + 1], underline_top + 1}, area,
            dc.text_color);
  }
}

win32::LONG ClampToLong(std::int64_t value) {
  return static_cast<win32::LONG>(std::clamp<std::int64_t>(
      value, std::numeric_limits<win32::LONG>::min(), std::numeric_limits<win32::LONG>::max()));
}

}  // namespace gfx::text
