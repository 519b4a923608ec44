#include <gtest/gtest.h>

#include "apps/quorin-run/values.h"

namespace scenario {
namespace {

struct ValueCase {
  const char* token;
  const char* described;
};

TEST(ScriptValues, EachWrittenFormBecomesTheValueOfTheRightKind) {
  const ValueCase cases[] = {
      {"5", "Integer(5)"},
      {"-32768", "Integer(-32768)"},
      {"+7", "Integer(7)"},
      {"32768", "Long(32768)"},
      {"-2147483648", "Long(-2147483648)"},
      {"3000000000", "Double(3000000000)"},
      {"1.5", "Double(1.5)"},
      {"-.5", "Double(-0.5)"},
      {"2.", "Double(2)"},
      {"1e3", "Double(1000)"},
      {"\"Mail\"", "String(\"Mail\")"},
      {"\"say \"\"hi\"\"\"", "String(\"say \"\"hi\"\"\")"},
      {"\"\"", "String(\"\")"},
      {"\"a b\"", "String(\"a b\")"},
      {"&HFF&", "Long(255)"},
      {"&H8000000F&", "Long(-2147483633)"},
      {"&HFFFF", "Integer(-1)"},  // four digits without & are an Integer
      {"&hff", "Integer(255)"},
      {"&H10000", "Long(65536)"},
      {"True", "Boolean(True)"},
      {"false", "Boolean(False)"},
      {"Nothing", "Nothing"},
      {"LoadPicture(\"icons/mail.ico\")", "Picture(\"icons/mail.ico\")"},
      {"loadpicture(\"my \"\"pics\"\".ico\")", "Picture(\"my \"\"pics\"\".ico\")"},
      {"LoadPicture(\"\")", "Picture(\"\")"},
      {"Form1", "Object(Form1)"},
      {"Form1.QuorinSkin1.LbMenu(2)", "Object(Form1.QuorinSkin1.LbMenu(2))"},
  };
  for (const ValueCase& c : cases) {
    ValueParse parsed = ParseValue(c.token);
    ASSERT_TRUE(parsed.value) << c.token << ": " << parsed.error;
    EXPECT_EQ(DescribeValue(*parsed.value), c.described) << c.token;
    EXPECT_EQ(parsed.value->source, c.token);
  }
}

TEST(ScriptValues, MalformedValuesAreRefusedWithTheReason) {
  const ValueCase cases[] = {
      {"", "missing value"},
      {"\"open", "bad string \"open"},
      {"\"a\"b", "bad string \"a\"b"},
      {"&H", "bad hexadecimal number &H:"},
      {"&H&", "bad hexadecimal number &H&:"},
      {"&HXYZ&", "bad hexadecimal number &HXYZ&:"},
      {"&H123456789&", "bad hexadecimal number &H123456789&:"},
      {"1e999", "number 1e999 is out of range"},
      {"LoadPicture(x)", "bad picture LoadPicture(x):"},
      {"LoadPicture(\"x\"", "bad picture LoadPicture(\"x\":"},
      {"LoadPicture(\"x\")y", "bad picture"},
      {"Form1..A", "bad value Form1..A:"},
      {"Form1.A(", "bad value Form1.A(:"},
      {"A(x)", "bad value A(x):"},
      {"A()", "bad value A():"},
      {"1.2.3", "bad value 1.2.3:"},
      {"1e", "bad value 1e:"},
      {"-", "bad value -:"},
      {"_x", "bad value _x:"},
  };
  for (const ValueCase& c : cases) {
    ValueParse parsed = ParseValue(c.token);
    EXPECT_FALSE(parsed.value) << c.token;
    EXPECT_EQ(parsed.error.rfind(c.described, 0), 0u) << c.token << " gave: " << parsed.error;
  }
}

struct FormatCase {
  vb::Variant value;
  const char* printed;
};

TEST(ScriptValues, VariantsPrintAsGetCallAndEventLinesShowThem) {
  struct Named : vb::Object {};
  auto named = std::make_shared<Named>();
  const FormatCase cases[] = {
      {vb::Variant(), "Empty"},
      {vb::Variant(static_cast<std::int16_t>(-5)), "-5"},
      {vb::Variant(static_cast<std::int32_t>(70000)), "70000"},
      {vb::Variant(0.1f), "0.1"},  // the Single's shortest exact form, not 0.100000001
      {vb::Variant(9.75f), "9.75"},
      {vb::Variant(1.0 / 3), "0.3333333333333333"},
      {vb::Variant(3000000000.0), "3000000000"},
      {vb::Variant(-0.00001), "-0.00001"},
      {vb::Variant(1e20), "1E+20"},
      {vb::Variant(1.5e-7f), "1.5E-07"},
      {vb::Variant(0.0), "0"},
      {vb::Variant(true), "True"},
      {vb::Variant(false), "False"},
      {vb::Variant("say \"hi\""), "\"say \"\"hi\"\"\""},
      {vb::Variant("two\r\nlines"), "\"two\" & Chr(13) & Chr(10) & \"lines\""},
      {vb::Variant("\ttab"), "Chr(9) & \"tab\""},
      {vb::Variant(vb::ObjectRef()), "Nothing"},
      {vb::Variant(vb::ObjectRef(named)), "Form1.Text1"},
  };
  auto namer = [&](const vb::ObjectRef& o) {
    return o == named ? std::string("Form1.Text1") : std::string("?");
  };
  for (const FormatCase& c : cases) EXPECT_EQ(FormatVariant(c.value, namer), c.printed);
  EXPECT_EQ(FormatVariant(vb::Variant(vb::ObjectRef(named))), "<object>");
}

TEST(ScriptValues, QuotedTextReadsBackAsItWasWritten) {
  for (const char* text : {"", "plain", "a \"quoted\" word", "\"\"", "value不能大于max值 !"}) {
    EXPECT_EQ(Unquote(Quote(text)), text);
  }
  EXPECT_FALSE(Unquote("\"unterminated"));
  EXPECT_FALSE(Unquote("\"a\" \"b\""));
  EXPECT_FALSE(Unquote("bare"));
}

TEST(ScriptValues, TextIsReadAsUtf8AndBrokenBytesAreRefused) {
  EXPECT_EQ(DecodeUtf8("a\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80"),
            (std::u32string{U'a', U'\u00E9', U'\u65E5', U'\U0001F600'}));
  EXPECT_EQ(DecodeUtf8(""), std::u32string());
  for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\x80", "\xE6\x97", "a\xE6",
                          "\xF4\x90\x80\x80", "\xFF", "\xC3\x28"}) {
    EXPECT_FALSE(DecodeUtf8(bad)) << bad;
  }
}

}  // namespace
}  // namespace scenario
