// DrawText: line splitting, word wrap, ellipsis, alignment and prefixes over the text layout.

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/gfx/device_context.h"
#include "platform/gfx/text.h"
#include "platform/gfx/text/font_cache.h"
#include "platform/gfx/text/text_layout.h"
#include "platform/vb/ansi.h"

namespace win32 {

namespace {

using gfx::text::TextRun;

// Lines split at CR LF, LF or CR; a trailing line break starts no further line, so empty text
// has no lines at all. A single-line format keeps everything on one line.
std::vector<std::u32string> SplitLines(const std::u32string& text, bool single_line) {
  if (single_line) return {text};
  std::vector<std::u32string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != U'\n' && text[i] != U'\r') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// Han, kana and full-width forms may break between any two characters.
bool IsIdeographic(char32_t cp) {
  return (cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
         (cp >= 0xFF00 && cp <= 0xFFEF) || (cp >= 0x20000 && cp <= 0x3FFFF);
}

// A word: [begin, word_end) to measure, then its trailing spaces up to `end`.
struct Word {
  std::size_t begin, word_end, end;
};

std::vector<Word> SplitWords(const std::u32string& chars) {
  std::vector<Word> words;
  std::size_t i = 0;
  while (i < chars.size()) {
    Word word{i, i, i};
    while (i < chars.size() && chars[i] == U' ') ++i;  // leading spaces of the line
    if (i < chars.size() && IsIdeographic(chars[i])) {
      ++i;
    } else {
      while (i < chars.size() && chars[i] != U' ' && !IsIdeographic(chars[i])) ++i;
    }
    word.word_end = i;
    while (i < chars.size() && chars[i] == U' ') ++i;
    word.end = i;
    words.push_back(word);
  }
  return words;
}

TextRun SubRun(const gfx::text::Font& font, const TextRun& run, std::size_t begin, std::size_t end,
               int tab_width) {
  const int underline =
      run.underline >= static_cast<int>(begin) && run.underline < static_cast<int>(end)
          ? run.underline - static_cast<int>(begin)
          : -1;
  return gfx::text::LayOut(font, run.chars.substr(begin, end - begin), underline, tab_width);
}

// Greedy word wrap: each line takes as many words as fit in `width`, and at least one; the
// spaces where a line breaks are dropped.
std::vector<TextRun> Wrap(const gfx::text::Font& font, const TextRun& run, std::int64_t width,
                          int tab_width) {
  const std::vector<Word> words = SplitWords(run.chars);
  if (words.empty()) return {run};
  // Without tabs a span's width does not depend on where its line starts.
  auto span_width = [&](std::size_t begin, std::size_t end) {
    return tab_width > 0 ? SubRun(font, run, begin, end, tab_width).width()
                         : run.x[end] - run.x[begin];
  };
  std::vector<TextRun> lines;
  std::size_t w = 0;
  while (w < words.size()) {
    const std::size_t begin = words[w].begin;
    std::size_t last = w;
    while (last + 1 < words.size() && span_width(begin, words[last + 1].word_end) <= width) {
      ++last;
    }
    lines.push_back(SubRun(font, run, begin, words[last].word_end, tab_width));
    w = last + 1;
  }
  return lines;
}

// A line wider than `width` keeps its longest prefix that fits together with "...", then
// "...".
TextRun Ellipsize(const gfx::text::Font& font, const TextRun& run, std::int64_t width,
                  int tab_width) {
  if (run.width() <= width) return run;
  const std::int64_t room = width - gfx::text::LayOut(font, U"...").width();
  std::size_t keep = 0;
  while (keep < run.chars.size() && run.x[keep + 1] <= room) ++keep;
  const int underline = run.underline < static_cast<int>(keep) ? run.underline : -1;
  return gfx::text::LayOut(font, run.chars.substr(0, keep) + U"...", underline, tab_width);
}

}  // namespace

// Vertical alignment applies to single lines only. DT_CALCRECT measures the text without
// ellipsis (its natural width) and draws nothing; empty text is one empty line with
// DT_SINGLELINE and no line at all without it. The height returned counts from the
// rectangle's top, so with DT_VCENTER or DT_BOTTOM it includes the text's offset.
int DrawTextA(HDC hdc, std::string_view text, int count, RECT* rect, UINT format) {
  gfx::DeviceContext* dc = gfx::FindDeviceContext(hdc);
  if (!dc || !rect) return 0;
  const gfx::LogicalFont& logical = gfx::text::SelectedFont(*dc);
  const auto font = gfx::text::ResolveFont(logical);
  const int line_height = font->metrics().height();
  const int tab_width =
      (format & DT_EXPANDTABS) ? 8 * std::max(1, font->metrics().ave_char_width) : 0;
  const bool single_line = (format & DT_SINGLELINE) != 0;
  const std::int64_t box_width = std::max<std::int64_t>(0, std::int64_t{rect->right} - rect->left);
  const bool calc_rect = (format & DT_CALCRECT) != 0;

  std::vector<TextRun> lines;
  const std::u32string chars = gfx::text::DecodeUtf8(vb::AnsiPrefix(text, count));
  for (const std::u32string& line : SplitLines(chars, single_line)) {
    gfx::text::PrefixedText shown{line, -1};
    if (!(format & DT_NOPREFIX)) shown = gfx::text::StripPrefixes(line);
    TextRun run = gfx::text::LayOut(*font, std::move(shown.chars), shown.underline, tab_width);
    std::vector<TextRun> pieces;
    if (!single_line && (format & DT_WORDBREAK)) {
      pieces = Wrap(*font, run, box_width, tab_width);
    } else {
      pieces.push_back(std::move(run));
    }
    for (TextRun& piece : pieces) {
      if (!calc_rect && (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS))) {
        piece = Ellipsize(*font, piece, box_width, tab_width);
      }
      lines.push_back(std::move(piece));
    }
  }
  const std::int64_t total = static_cast<std::int64_t>(lines.size()) * line_height;

  if (calc_rect) {
    std::int64_t widest = 0;
    for (const TextRun& line : lines) widest = std::max(widest, line.width());
    rect->right = gfx::text::ClampToLong(rect->left + widest);
    rect->bottom = gfx::text::ClampToLong(rect->top + total);
    return gfx::text::ClampToLong(total);
  }

  std::int64_t y = rect->top;
  if (single_line && (format & DT_VCENTER)) {
    y = rect->top + (std::int64_t{rect->bottom} - rect->top) / 2 - total / 2;
  } else if (single_line && (format & DT_BOTTOM)) {
    y = rect->bottom - total;
  }
  std::optional<RECT> clip;
  if (!(format & DT_NOCLIP)) {
    clip = RECT{gfx::text::ClampToLong(std::int64_t{rect->left} + dc->origin.x),
                gfx::text::ClampToLong(std::int64_t{rect->top} + dc->origin.y),
                gfx::text::ClampToLong(std::int64_t{rect->right} + dc->origin.x),
                gfx::text::ClampToLong(std::int64_t{rect->bottom} + dc->origin.y)};
  }
  const bool show_prefix = !(format & DT_HIDEPREFIX);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TextRun& line = lines[i];
    std::int64_t x = rect->left;
    if (format & DT_CENTER) {
      x = (std::int64_t{rect->left} + rect->right - line.width()) / 2;
    } else if (format & DT_RIGHT) {
      x = rect->right - line.width();
    }
    gfx::text::PaintRun(*dc, *font, logical, line, x + dc->origin.x,
                        y + static_cast<std::int64_t>(i) * line_height + dc->origin.y, clip,
                        show_prefix);
  }
  return gfx::text::ClampToLong(y - rect->top + total);
}

}  // namespace win32
