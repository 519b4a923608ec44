#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/vb/ansi.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "platform/vb/ole_color.h"
#include "platform/vb/std_font.h"
#include "platform/vb/std_picture.h"
#include "platform/vb/units.h"
#include "platform/vb/variant.h"

namespace {

int ErrorNumberOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const vb::Error& e) {
    return e.Number();
  }
  return 0;
}

struct RoundCase {
  double in;
  int out;
};

TEST(Conversions, IntegerConversionRoundsHalvesToEven) {
  const RoundCase cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},         {-0.5, 0},
                             {-1.5, -2}, {2.4999, 2}, {32767.4, 32767}, {-32768.5, -32768},
                             {14.5, 14}, {11.5, 12}};
  for (const auto& c : cases) EXPECT_EQ(vb::CInt(c.in), c.out) << c.in;
}

TEST(Conversions, OutOfRangeIsOverflow) {
  const double cases[] = {32767.5, -32768.51, 1e10, std::numeric_limits<double>::infinity(),
                          std::nan("")};
  for (double v : cases) EXPECT_EQ(ErrorNumberOf([&] { vb::CInt(v); }), vb::kOverflow) << v;
  EXPECT_EQ(vb::CLng(2147483647.4), 2147483647);
  EXPECT_EQ(ErrorNumberOf([] { vb::CLng(2147483647.5); }), vb::kOverflow);
  EXPECT_EQ(vb::CLng(-2147483648.0), std::numeric_limits<std::int32_t>::min());
}

TEST(Errors, CarryTheEngineNumbersAndTexts) {
  const std::pair<int, const char*> cases[] = {
      {5, "Invalid procedure call or argument"},
      {6, "Overflow"},
      {9, "Subscript out of range"},
      {13, "Type mismatch"},
      {91, "Object variable or With block variable not set"},
      {380, "Invalid property value"},
      {438, "Object doesn't support this property or method"},
      {481, "Invalid picture"},
  };
  for (const auto& [number, text] : cases) {
    vb::Error e(number);
    EXPECT_EQ(e.Number(), number);
    EXPECT_EQ(e.Description(), text);
  }
  EXPECT_EQ(vb::Error(340, "Tab(3)").Description(), "Control array element 'Tab(3)' doesn't exist");
}

TEST(VariantConversions, FollowTheEngine) {
  EXPECT_EQ(vb::Variant(true).ToInteger(), -1);
  EXPECT_EQ(vb::Variant(false).ToLong(), 0);
  EXPECT_EQ(vb::Variant("  42 ").ToInteger(), 42);
  EXPECT_EQ(vb::Variant("&HFF").ToLong(), 255);
  EXPECT_EQ(vb::Variant("&H80000012&").ToLong(), static_cast<std::int32_t>(0x80000012));
  EXPECT_EQ(vb::Variant(2.5).ToInteger(), 2);
  EXPECT_EQ(vb::Variant().ToLong(), 0);
  EXPECT_EQ(vb::Variant().ToString(), "");
  EXPECT_EQ(vb::Variant(std::int16_t{7}).ToString(), "7");
  EXPECT_EQ(vb::Variant(1.25).ToString(), "1.25");
  EXPECT_TRUE(vb::Variant(std::int32_t{3}).ToBoolean());
  EXPECT_TRUE(vb::Variant("True").ToBoolean());
  EXPECT_EQ(ErrorNumberOf([] { vb::Variant("abc").ToInteger(); }), vb::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { vb::Variant("").ToLong(); }), vb::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { vb::Variant(40000.0).ToInteger(); }), vb::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { vb::Variant(std::make_shared<vb::StdFont>()).ToLong(); }),
            vb::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { vb::Variant(5.0).ToObject(); }), vb::kTypeMismatch);
}

TEST(VariantConversions, ObjectsCompareByIdentity) {
  auto font = std::make_shared<vb::StdFont>();
  vb::Variant a(font);
  EXPECT_EQ(a, vb::Variant(font));
  EXPECT_FALSE(a == vb::Variant(std::make_shared<vb::StdFont>()));
  EXPECT_EQ(a.ToObject().get(), font.get());
}

TEST(Colors, SystemColorsFollowTheSchemeWhileTheStoredValueStays) {
  const vb::OLE_COLOR button_face = 0x8000000F;
  vb::COLORREF rgb = 1;
  ASSERT_EQ(vb::OleTranslateColor(button_face, 0, &rgb), vb::S_OK);
  EXPECT_EQ(rgb, vb::RGB(212, 208, 200));
  vb::SetSysColor(vb::COLOR_BTNFACE, vb::RGB(1, 2, 3));
  EXPECT_EQ(vb::TranslateColor(button_face), vb::RGB(1, 2, 3));
  vb::SetColorScheme(vb::ClassicColorScheme());
  EXPECT_EQ(vb::TranslateColor(button_face), vb::RGB(212, 208, 200));

  const std::pair<vb::OLE_COLOR, vb::COLORREF> cases[] = {
      {0x80000004, vb::RGB(212, 208, 200)},  // menu
      {0x8000000B, vb::RGB(212, 208, 200)},  // inactive border
      {0x80000011, vb::RGB(128, 128, 128)},  // grey text
      {0x80000012, vb::RGB(0, 0, 0)},        // button text
      {0x00123456, 0x00123456},              // plain RGB passes unchanged
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(vb::TranslateColor(in), out) << std::hex << in;
}

TEST(Colors, InvalidValuesAreRefusedAndLeaveTheOutputAlone) {
  vb::COLORREF out = 0xABCDEF;
  EXPECT_EQ(vb::OleTranslateColor(0x80000040, 0, &out), vb::E_INVALIDARG);
  EXPECT_EQ(vb::OleTranslateColor(0x7F000000, 0, &out), vb::E_INVALIDARG);
  EXPECT_EQ(out, 0xABCDEFu);
}

TEST(Units, ConvertWithTheDisplaysTwipsPerPixel) {
  EXPECT_FLOAT_EQ(vb::TwipsToPixelsX(6000), 400);
  EXPECT_EQ(vb::PixelsToHimetric(16, 96), 423);
  EXPECT_EQ(vb::HimetricToPixels(423, 96), 16);
  vb::SetDisplay({12, 12});
  EXPECT_FLOAT_EQ(vb::TwipsToPixelsY(1200), 100);
  EXPECT_FLOAT_EQ(vb::Display().dpi_x(), 120);
  vb::SetDisplay({});
}

TEST(Fonts, AreSharedByReference) {
  auto font = std::make_shared<vb::StdFont>("Arial", 9.75f, true);
  auto holder = font;
  holder->Size(14);
  holder->Underline(true);
  EXPECT_EQ(font->Size(), 14);
  EXPECT_TRUE(font->Underline());
  EXPECT_EQ(font->Weight(), 700);
  auto copy = font->Clone();
  copy->Bold(false);
  EXPECT_TRUE(font->Bold());
  EXPECT_EQ(ErrorNumberOf([&] { font->Size(-1); }), vb::kInvalidPropertyValue);
  EXPECT_EQ(font->Size(), 14);
}

TEST(AnsiText, CountsBytesOfTheCodePage) {
  EXPECT_EQ(vb::AnsiLength("File"), 4);
  EXPECT_EQ(vb::AnsiLength("通用"), 4);
  EXPECT_EQ(vb::AnsiLength("a通b"), 4);
  EXPECT_EQ(vb::AnsiPrefix("a通b", 2), "a");
  EXPECT_EQ(vb::AnsiPrefix("a通b", 3), "a通");
  EXPECT_EQ(vb::AnsiPrefix("a通b", -1), "a通b");
  EXPECT_EQ(vb::FromAnsi(vb::ToAnsi("通用 File")), "通用 File");
  // A character the code page cannot hold becomes "?".
  EXPECT_EQ(vb::ToAnsi("\xF0\x9F\x98\x80x"), "?x");
  EXPECT_EQ(vb::CodePointCount("a通b"), 3);
  EXPECT_EQ(vb::CodePointOffset("a通b", 2), 4u);
}

}  // namespace

namespace {

TEST(Pictures, AnswerToTheirHandleWhileTheyLive) {
  vb::PixelBuffer pixels;
  pixels.width = 1;
  pixels.height = 1;
  pixels.pixels = {0xFF000000u};
  vb::PictureRef picture = vb::MakeBitmapPicture(pixels);
  const std::uint32_t handle = picture->Handle();
  ASSERT_NE(handle, 0u);
  EXPECT_EQ(vb::FindPicture(handle), picture);
  EXPECT_NE(vb::MakeBitmapPicture(pixels)->Handle(), handle);
  picture.reset();
  EXPECT_EQ(vb::FindPicture(handle), nullptr);
  EXPECT_EQ(vb::FindPicture(0), nullptr);
}

}  // namespace
