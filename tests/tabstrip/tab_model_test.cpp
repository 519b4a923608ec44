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
