#include <gtest/gtest.h>

#include "tabstrip/tab_model.h"

namespace {

TEST(TabModel, AccessKeyOfLooksAtTheFirstTwoAmpersandsOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"&File", "f"}, {"Save &As", "a"}, {"Fish && &Chips", "c"}, {"A&&B", ""},   {"Tab&", ""},
      {"&&", ""},     {"", ""},          {"&& && &X", ""},        {"a&&&b", "b"}, {"x&&y&", ""},
      {"&É", "É"},
  };
  for (const auto& [caption, key] : cases) EXPECT_EQ(quorin::AccessKeyOf(caption), key) << caption;
}

}  // namespace

namespace {

TEST(TabModel, ShiftColorTranslatesThenClampsEachChannel) {
  struct Case {
    vb::OLE_COLOR colour;
    int amount;
    vb::COLORREF expected;
  };
  const Case cases[] = {
      {vb::RGB(240, 240, 224), 20, vb::RGB(255, 255, 244)},
      {vb::RGB(240, 240, 224), -20, vb::RGB(220, 220, 204)},
      {vb::RGB(10, 200, 30), -40, vb::RGB(0, 160, 0)},
      {vb::RGB(1, 2, 3), 0, vb::RGB(1, 2, 3)},
      {0x80000000u | vb::COLOR_BTNFACE, 0, vb::GetSysColor(vb::COLOR_BTNFACE)},
      {0x800000FFu, 10, vb::RGB(10, 10, 10)},  // no such system colour: black, shifted
  };
  for (const Case& c : cases) {
    EXPECT_EQ(quorin::ShiftColor(c.colour, c.amount), c.expected) << std::hex << c.colour;
  }
}

}  // namespace
