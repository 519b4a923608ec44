#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "gfx_fixture.h"
#include "platform/gfx/text.h"
#include "platform/vb/ansi.h"
#include "platform/vb/units.h"

namespace {

using gfx_test::kWhite;
using gfx_test::Surface;
using namespace win32;

using Pixels = std::set<std::pair<int, int>>;

HFONT MakeFont(const std::string& face, LONG height, LONG weight = FW_NORMAL, bool italic = false,
               bool underline = false, bool strikeout = false) {
  LOGFONTA lf;
  lf.lfFaceName = face;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfItalic = italic;
  lf.lfUnderline = underline;
  lf.lfStrikeOut = strikeout;
  return CreateFontIndirectA(&lf);
}

// A white surface with a font selected (8-point MS Sans Serif unless told otherwise).
class TextSurface : public Surface {
 public:
  explicit TextSurface(int w = 120, int h = 40, HFONT font = MakeFont("MS Sans Serif", -11))
      : Surface(w, h), font_(font), w_(w), h_(h) {
    SelectObject(hdc(), font_);
  }
  ~TextSurface() {
    SelectObject(hdc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(font_);
  }

  std::vector<vb::COLORREF> Snapshot() const {
    std::vector<vb::COLORREF> pixels;
    for (int y = 0; y < h(); ++y) {
      for (int x = 0; x < w(); ++x) pixels.push_back(at(x, y));
    }
    return pixels;
  }
  // Pixels that differ from another surface of the same size.
  Pixels Diff(const TextSurface& other) const {
    Pixels diff;
    for (int y = 0; y < h(); ++y) {
      for (int x = 0; x < w(); ++x) {
        if (at(x, y) != other.at(x, y)) diff.insert({x, y});
      }
    }
    return diff;
  }
  int Width(std::string_view text, int count = -1) {
    SIZE size;
    EXPECT_TRUE(GetTextExtentPoint32A(hdc(), text, count, &size));
    return size.cx;
  }
  TEXTMETRICA Metrics() {
    TEXTMETRICA tm;
    EXPECT_TRUE(GetTextMetricsA(hdc(), &tm));
    return tm;
  }
  int w() const { return w_; }
  int h() const { return h_; }

 private:
  HFONT font_;
  int w_, h_;
};

TEST(FontResolution, PicksTheExpectedFaceFiles) {
  struct Case {
    std::string face;
    int weight;
    bool italic;
    std::string file;  // a part of the resolved path
  };
  const Case cases[] = {
      {"Arial", FW_NORMAL, false, "LiberationSans-Regular"},
      {"arial", FW_BOLD, false, "LiberationSans-Bold"},
      {"Arial", FW_NORMAL, true, "LiberationSans-Italic"},
      {"Arial", FW_BOLD, true, "LiberationSans-BoldItalic"},
      {"MS Sans Serif", FW_NORMAL, false, "LiberationSans-Regular"},
      {"System", FW_BOLD, false, "LiberationSans-Bold"},
      {"Times New Roman", FW_NORMAL, false, "LiberationSerif-Regular"},
      // A face nobody has, or none at all, lands on the default face.
      {"No Such Face 42", FW_NORMAL, false, "LiberationSans-Regular"},
      {"", FW_NORMAL, false, "LiberationSans-Regular"},
  };
  for (const Case& c : cases) {
    gfx::LogicalFont font;
    font.face = c.face;
    font.weight = c.weight;
    font.italic = c.italic;
    EXPECT_NE(gfx::ResolvedFontFile(font).find(c.file), std::string::npos)
        << c.face << " " << c.weight << " " << c.italic << " -> " << gfx::ResolvedFontFile(font);
  }
}

TEST(FontResolution, AnUnknownFaceStillMeasuresAndDraws) {
  TextSurface s(120, 30, MakeFont("No Such Face 42", -13));
  EXPECT_GT(s.Width("Hello"), 0);
  EXPECT_TRUE(TextOutA(s.hdc(), 0, 0, "Hello", -1));
  EXPECT_FALSE(s.Ink().empty());
}

TEST(FontResolution, HeightsFollowThePlatformRules) {
  struct Case {
    LONG height;
    int cell;  // expected tmHeight, or 0 when the em size is what is fixed
    int em;    // expected tmHeight - tmInternalLeading, or 0
  };
  const Case cases[] = {
      {-11, 0, 11}, {-24, 0, 24}, {13, 13, 0}, {20, 20, 0}, {24, 24, 0}, {0, 13, 0},
  };
  for (const Case& c : cases) {
    TextSurface s(10, 10, MakeFont("Arial", c.height));
    const TEXTMETRICA tm = s.Metrics();
    if (c.cell) {
      EXPECT_EQ(tm.tmHeight, c.cell) << c.height;
    }
    if (c.em) {
      EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, c.em) << c.height;
    }
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight) << c.height;
    EXPECT_GT(tm.tmAveCharWidth, 0) << c.height;
    EXPECT_EQ(s.Width("x"), s.Width("xx") / 2) << c.height;  // whole-pixel advances
  }
}

TEST(FontResolution, ExtremeHeightsAreClampedNotFatal) {
  for (LONG height : {LONG{INT_MIN}, LONG{-100000}, LONG{1}, LONG{INT_MAX}}) {
    TextSurface s(40, 20, MakeFont("Arial", height));
    const TEXTMETRICA tm = s.Metrics();
    EXPECT_GT(tm.tmHeight, 0) << height;
    EXPECT_TRUE(TextOutA(s.hdc(), 0, 0, "W", -1)) << height;
  }
}

TEST(FontResolution, BoldIsWiderThanRegular) {
  TextSurface regular(10, 10, MakeFont("Arial", -12));
  TextSurface bold(10, 10, MakeFont("Arial", -12, FW_BOLD));
  EXPECT_GT(bold.Width("Minimize"), regular.Width("Minimize"));
  EXPECT_EQ(bold.Metrics().tmWeight, FW_BOLD);
}

TEST(StdFonts, BecomeLogicalFontsAtTheDisplayDpi) {
  struct Case {
    float twips_per_pixel;
    float points;
    int height;
  };
  const Case cases[] = {
      {15, 8.25f, -11}, {15, 9, -12},
      {15, 10, -13},    {15, 9.375f, -13},  // 12.5 pixels round away from zero
      {12, 8.25f, -14},                     // 120 DPI
  };
  const vb::DisplayMetrics saved = vb::Display();
  for (const Case& c : cases) {
    vb::SetDisplay({c.twips_per_pixel, c.twips_per_pixel});
    vb::StdFont font("Arial", c.points, true);
    font.Italic(true);
    font.Underline(true);
    font.Strikethrough(true);
    font.Charset(134);
    const gfx::LogicalFont logical = gfx::LogicalFontFromStdFont(font);
    EXPECT_EQ(logical.height, c.height) << c.points << "pt at " << c.twips_per_pixel;
    EXPECT_EQ(logical.face, "Arial");
    EXPECT_EQ(logical.weight, FW_BOLD);
    EXPECT_TRUE(logical.italic && logical.underline && logical.strikeout);
    EXPECT_EQ(logical.charset, 134);
  }
  vb::SetDisplay(saved);

  const HFONT handle = gfx::CreateFontFromStdFont(vb::StdFont("Arial", 8.25f));
  auto* stored = gfx::GdiObjects().FindAs<std::shared_ptr<const gfx::LogicalFont>>(handle);
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ((*stored)->height, -11);
  EXPECT_TRUE(DeleteObject(handle));
}

TEST(Prefixes, AreMeasuredAndDrawnAsTheyShow) {
  struct Case {
    std::string text;
    UINT format;
    std::string shown;
    int underline_from = -1, underline_to = -1;  // characters of `shown` underlined
  };
  const Case cases[] = {
      {"&File", 0, "File", 0, 1},
      {"Fi&le", 0, "File", 2, 3},
      {"A&&B", 0, "A&B"},
      {"File&", 0, "File&"},
      // The last prefix of a line is the one underlined.
      {"&a&b", 0, "ab", 1, 2},
      {"&&&x", 0, "&x", 1, 2},
      {"&File", DT_NOPREFIX, "&File"},
      {"&File", DT_HIDEPREFIX, "File"},
  };

  for (const Case& c : cases) {
    TextSurface drawn, expected;
    RECT calc{0, 0, 0, 0};
    DrawTextA(drawn.hdc(), c.text, -1, &calc, DT_SINGLELINE | DT_CALCRECT | c.format);
    EXPECT_EQ(calc.right, drawn.Width(c.shown)) << c.text;

    RECT box{0, 0, drawn.w(), drawn.h()};
    DrawTextA(drawn.hdc(), c.text, -1, &box, DT_SINGLELINE | c.format);
    TextOutA(expected.hdc(), 0, 0, c.shown, -1);
    Pixels underline;
    if (c.underline_from >= 0) {
      const int from = drawn.Width(c.shown.substr(0, c.underline_from));
      const int to = drawn.Width(c.shown.substr(0, c.underline_to));
      const Pixels diff = drawn.Diff(expected);
      ASSERT_FALSE(diff.empty()) << c.text;
      const int row = diff.begin()->second;
      const TEXTMETRICA tm = drawn.Metrics();
      EXPECT_GE(row, tm.tmAscent) << c.text;
      EXPECT_LT(row, tm.tmHeight) << c.text;
      for (int x = from; x < to; ++x) underline.insert({x, row});
      EXPECT_EQ(drawn.at(from, row), 0x000000u) << c.text;
    }
    EXPECT_EQ(drawn.Diff(expected), underline) << c.text;
  }
}

TEST(DrawTextCalcRect, SizesTheRectangleAndDrawsNothing) {
  TextSurface s;
  const int h = s.Metrics().tmHeight;
  const int tab = 8 * s.Metrics().tmAveCharWidth;
  struct Case {
    std::string text;
    UINT format;
    LONG width;  // of the rectangle passed in
    LONG expected_width, expected_height;
  };
  const Case cases[] = {
      {"File", DT_SINGLELINE, 0, s.Width("File"), h},
      {"File", DT_SINGLELINE | DT_CENTER | DT_VCENTER, 90, s.Width("File"), h},
      {"", DT_SINGLELINE, 50, 0, h},
      {"", 0, 50, 0, 0},
      {"ab\ncdef", 0, 0, s.Width("cdef"), 2 * h},
      {"a\r\nb\rc", 0, 0, s.Width("a"), 3 * h},
      {"a\n", 0, 0, s.Width("a"), h},
      {"a\n\nb", 0, 0, s.Width("a"), 3 * h},
      {"a\nb", DT_SINGLELINE, 0, s.Width("ab"), h},
      {"one two three", DT_WORDBREAK, s.Width("one two"), s.Width("one two"), 2 * h},
      {"one two three", DT_WORDBREAK, s.Width("one two") - 1, s.Width("three"), 3 * h},
      {"a verylongword", DT_WORDBREAK, s.Width("very"), s.Width("verylongword"), 2 * h},
      {"a\tb", DT_SINGLELINE | DT_EXPANDTABS, 0, tab + s.Width("b"), h},
      // Ellipsis does not shorten what is measured.
      {"File", DT_SINGLELINE | DT_END_ELLIPSIS, 3, s.Width("File"), h},
  };
  for (const Case& c : cases) {
    RECT r{5, 7, 5 + c.width, 100};
    const int height = DrawTextA(s.hdc(), c.text, -1, &r, c.format | DT_CALCRECT);
    EXPECT_EQ(r, (RECT{5, 7, 5 + c.expected_width, 7 + c.expected_height})) << c.text;
    EXPECT_EQ(height, c.expected_height) << c.text;
  }
  EXPECT_TRUE(s.Ink().empty());
}

TEST(DrawTextPlacement, MatchesTextOutAtTheComputedPosition) {
  TextSurface probe;
  const int w = probe.Width("Hello");
  const int h = probe.Metrics().tmHeight;
  const RECT r{3, 2, 98, 37};
  struct Case {
    UINT format;
    int x, y;
    int result;  // the return value
  };
  const Case cases[] = {
      {DT_SINGLELINE, 3, 2, h},
      {DT_SINGLELINE | DT_CENTER, (3 + 98 - w) / 2, 2, h},
      {DT_SINGLELINE | DT_RIGHT, 98 - w, 2, h},
      {DT_SINGLELINE | DT_VCENTER, 3, 2 + 35 / 2 - h / 2, 35 / 2 - h / 2 + h},
      {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 98 - w, 37 - h, 35},
      // Vertical alignment is for single lines only.
      {DT_VCENTER | DT_CENTER, (3 + 98 - w) / 2, 2, h},
  };
  for (const Case& c : cases) {
    TextSurface drawn, expected;
    RECT box = r;
    EXPECT_EQ(DrawTextA(drawn.hdc(), "Hello", -1, &box, c.format), c.result) << c.format;
    EXPECT_EQ(box, r) << "the rectangle is only changed by DT_CALCRECT";
    TextOutA(expected.hdc(), c.x, c.y, "Hello", -1);
    EXPECT_FALSE(drawn.Ink().empty());
    EXPECT_EQ(drawn.Snapshot(), expected.Snapshot()) << c.format;
  }
}

TEST(DrawTextPlacement, LinesStackAndAlignOneByOne) {
  TextSurface drawn(120, 60), expected(120, 60);
  const int h = drawn.Metrics().tmHeight;
  RECT r{0, 4, 120, 60};
  EXPECT_EQ(DrawTextA(drawn.hdc(), "Wide line\r\nab", -1, &r, DT_CENTER), 2 * h);
  TextOutA(expected.hdc(), (120 - expected.Width("Wide line")) / 2, 4, "Wide line", -1);
  TextOutA(expected.hdc(), (120 - expected.Width("ab")) / 2, 4 + h, "ab", -1);
  EXPECT_EQ(drawn.Snapshot(), expected.Snapshot());
}

TEST(DrawTextWordBreak, WrapsGreedilyAtSpacesAndBetweenHanCharacters) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"one two three", {"one two", "three"}},
      {"one  two", {"one", "two"}},  // the spaces at a break are dropped
      {"通用设置", {"通用", "设置"}},
  };
  for (const Case& c : cases) {
    TextSurface drawn(120, 60), expected(120, 60);
    const int h = drawn.Metrics().tmHeight;
    RECT r{0, 0, drawn.Width(c.lines[0]), 60};
    EXPECT_EQ(DrawTextA(drawn.hdc(), c.text, -1, &r, DT_WORDBREAK | DT_NOCLIP),
              static_cast<int>(c.lines.size()) * h)
        << c.text;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      TextOutA(expected.hdc(), 0, static_cast<int>(i) * h, c.lines[i], -1);
    }
    EXPECT_EQ(drawn.Snapshot(), expected.Snapshot()) << c.text;
  }
}

TEST(DrawTextEllipsis, KeepsTheLongestPrefixThatFitsWithTheDots) {
  const std::string text = "Minimize the window";
  for (UINT flag : {DT_END_ELLIPSIS, DT_WORD_ELLIPSIS}) {
    for (int width : {10, 40, 61, 80}) {
      TextSurface drawn, expected;
      std::string prefix;
      for (std::size_t n = 1; n <= text.size(); ++n) {
        if (expected.Width(text.substr(0, n) + "...") <= width) prefix = text.substr(0, n);
      }
      RECT r{0, 0, width, 20};
      DrawTextA(drawn.hdc(), text, -1, &r, DT_SINGLELINE | DT_NOCLIP | flag);
      TextOutA(expected.hdc(), 0, 0, prefix + "...", -1);
      EXPECT_EQ(drawn.Snapshot(), expected.Snapshot()) << flag << " " << width;
    }
    // Text that fits is left alone.
    TextSurface drawn, expected;
    RECT r{0, 0, 120, 20};
    DrawTextA(drawn.hdc(), "Close", -1, &r, DT_SINGLELINE | flag);
    TextOutA(expected.hdc(), 0, 0, "Close", -1);
    EXPECT_EQ(drawn.Snapshot(), expected.Snapshot()) << flag;
  }
}

TEST(TextBackground, OpaqueFillsTheCellAndTransparentLeavesIt) {
  constexpr vb::COLORREF kGreen = 0x00FF00, kRed = 0x0000FF;
  auto render = [&](TextSurface& s, int mode, bool draw_text) {
    HBRUSH green = CreateSolidBrush(kGreen);
    const RECT all{0, 0, s.w(), s.h()};
    FillRect(s.hdc(), &all, green);
    DeleteObject(green);
    SetBkMode(s.hdc(), mode);
    SetBkColor(s.hdc(), kRed);
    SetTextColor(s.hdc(), 0x000000);
    if (draw_text) {
      RECT r{10, 5, 110, 35};
      DrawTextA(s.hdc(), "Hello", -1, &r, DT_SINGLELINE);
    } else {
      TextOutA(s.hdc(), 10, 5, "Hello", -1);
    }
  };
  for (bool draw_text : {false, true}) {
    TextSurface opaque, transparent;
    render(opaque, OPAQUE, draw_text);
    render(transparent, TRANSPARENT, draw_text);
    const RECT cell{10, 5, 10 + opaque.Width("Hello"), 5 + opaque.Metrics().tmHeight};
    int ink = 0;
    for (int y = 0; y < opaque.h(); ++y) {
      for (int x = 0; x < opaque.w(); ++x) {
        const bool inside = PtInRect(&cell, {x, y});
        if (!inside) {
          EXPECT_EQ(opaque.at(x, y), kGreen) << x << "," << y;
          EXPECT_EQ(transparent.at(x, y), kGreen) << x << "," << y;
        } else if (transparent.at(x, y) == kGreen) {
          EXPECT_EQ(opaque.at(x, y), kRed) << x << "," << y;
        } else {
          ++ink;
        }
      }
    }
    EXPECT_GT(ink, 0) << draw_text;
  }
}

TEST(FontDecorations, UnderlineAndStrikeoutSpanTheText) {
  struct Case {
    bool underline, strikeout;
  };
  for (const Case& c : {Case{true, false}, Case{false, true}}) {
    TextSurface plain(120, 30, MakeFont("Arial", -16));
    TextSurface decorated(120, 30,
                          MakeFont("Arial", -16, FW_NORMAL, false, c.underline, c.strikeout));
    TextOutA(plain.hdc(), 4, 2, "Help me", -1);
    TextOutA(decorated.hdc(), 4, 2, "Help me", -1);
    const int w = plain.Width("Help me");
    const int baseline = 2 + plain.Metrics().tmAscent;
    std::set<int> rows;
    for (const auto& [x, y] : decorated.Diff(plain)) {
      EXPECT_GE(x, 4);
      EXPECT_LT(x, 4 + w);
      rows.insert(y);
    }
    ASSERT_FALSE(rows.empty());
    for (int y : rows) {
      for (int x = 4; x < 4 + w; ++x) EXPECT_EQ(decorated.at(x, y), 0x000000u) << x << "," << y;
      EXPECT_EQ(y >= baseline, c.underline) << y;
    }
  }
}

TEST(ChineseText, DrawsFromTheFallbackFaceAndCountsAnsiBytes) {
  ASSERT_EQ(vb::AnsiLength("通用"), 4);
  TextSurface whole, first, prefix, other;
  TextOutA(whole.hdc(), 0, 0, "通用", -1);
  TextOutA(first.hdc(), 0, 0, "通", -1);
  TextOutA(other.hdc(), 0, 0, "用", -1);
  EXPECT_FALSE(first.Ink().empty());
  // Two different shapes: the face had the characters, not a missing-glyph box for both.
  EXPECT_NE(first.Snapshot(), other.Snapshot());
  EXPECT_NE(whole.Snapshot(), first.Snapshot());
  for (int count : {2, 3}) {  // a count inside a character never splits it
    TextSurface s;
    TextOutA(s.hdc(), 0, 0, "通用", count);
    EXPECT_EQ(s.Snapshot(), first.Snapshot()) << count;
    EXPECT_EQ(s.Width("通用", count), s.Width("通")) << count;
  }
  RECT r{0, 0, 120, 40};
  DrawTextA(prefix.hdc(), "通用", 2, &r, DT_SINGLELINE);
  EXPECT_EQ(prefix.Snapshot(), first.Snapshot());
  EXPECT_GT(whole.Width("通用"), whole.Width("通"));
}

TEST(TextClipping, StaysInsideTheRectangleAndTheClipRegion) {
  const RECT box{10, 5, 40, 20};
  auto outside = [](const TextSurface& s, const RECT& r) {
    int count = 0;
    for (const auto& [x, y] : s.Ink()) count += !PtInRect(&r, {x, y});
    return count;
  };
  {
    TextSurface s;
    RECT r = box;
    DrawTextA(s.hdc(), "Maximize window", -1, &r, DT_SINGLELINE);
    EXPECT_FALSE(s.Ink().empty());
    EXPECT_EQ(outside(s, box), 0);
  }
  {
    TextSurface s;
    RECT r = box;
    DrawTextA(s.hdc(), "Maximize window", -1, &r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(outside(s, box), 0);
  }
  {
    // The clip region cuts TextOut; what remains equals the unclipped drawing.
    TextSurface clipped, full;
    HRGN left = CreateRectRgn(0, 0, 30, 40);
    SelectClipRgn(clipped.hdc(), left);
    DeleteObject(left);
    TextOutA(clipped.hdc(), 5, 5, "Maximize", -1);
    TextOutA(full.hdc(), 5, 5, "Maximize", -1);
    EXPECT_EQ(outside(clipped, RECT{0, 0, 30, 40}), 0);
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 30; ++x) EXPECT_EQ(clipped.at(x, y), full.at(x, y)) << x << "," << y;
    }
  }
  {
    // The viewport origin moves the text and its clip rectangle together.
    TextSurface moved, placed;
    SetViewportOrgEx(moved.hdc(), 7, 3, nullptr);
    RECT r = box;
    DrawTextA(moved.hdc(), "Maximize window", -1, &r, DT_SINGLELINE);
    RECT shifted{box.left + 7, box.top + 3, box.right + 7, box.bottom + 3};
    DrawTextA(placed.hdc(), "Maximize window", -1, &shifted, DT_SINGLELINE);
    EXPECT_EQ(moved.Snapshot(), placed.Snapshot());
  }
}

TEST(TextCalls, RejectBadInputWithoutHarm) {
  TextSurface s;
  SIZE size;
  TEXTMETRICA tm;
  RECT r{0, 0, 50, 20};
  const HDC stale = 0x7FFFFFF0;
  EXPECT_FALSE(TextOutA(stale, 0, 0, "x", -1));
  EXPECT_FALSE(GetTextExtentPoint32A(stale, "x", -1, &size));
  EXPECT_FALSE(GetTextExtentPoint32A(s.hdc(), "x", -1, nullptr));
  EXPECT_FALSE(GetTextMetricsA(stale, &tm));
  EXPECT_FALSE(GetTextMetricsA(s.hdc(), nullptr));
  EXPECT_EQ(DrawTextA(stale, "x", -1, &r, 0), 0);
  EXPECT_EQ(DrawTextA(s.hdc(), "x", -1, nullptr, 0), 0);
  EXPECT_EQ(CreateFontIndirectA(nullptr), 0u);

  // Malformed UTF-8, control characters and coordinates at the ends of the range.
  EXPECT_TRUE(TextOutA(s.hdc(), 0, 0, "\xff\xfe\xc3", -1));
  EXPECT_TRUE(TextOutA(s.hdc(), INT_MAX, INT_MIN, "Hello", -1));
  EXPECT_TRUE(TextOutA(s.hdc(), INT_MIN, INT_MAX, "Hello", -1));
  EXPECT_EQ(s.Width("a\x01\x7f"), s.Width("a"));
  for (UINT format : {DT_CENTER | DT_VCENTER | DT_SINGLELINE, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE,
                      DT_WORDBREAK | DT_END_ELLIPSIS, DT_CALCRECT}) {
    RECT huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    DrawTextA(s.hdc(), "Hello world", -1, &huge, format);
    RECT inverted{50, 20, 0, 0};
    DrawTextA(s.hdc(), "Hello world", -1, &inverted, format);
  }
}

}  // namespace
