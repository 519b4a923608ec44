#include "platform/host/control/property_bag.h"

#include <gtest/gtest.h>

#include "platform/vb/error.h"
#include "platform/vb/std_font.h"

namespace host_test {
namespace {

TEST(PropertyBag, AValueEqualToItsDefaultIsNotStored) {
  struct Case {
    const char* name;
    vb::Variant value;
    vb::Variant default_value;
    bool stored;
  };
  const Case cases[] = {
      {"same string", "Option1", "Option1", false},
      {"other string", "Option", "Option1", true},
      {"True against True", true, true, false},
      {"True stored as -1 against True", std::int16_t{-1}, true, false},
      {"colour differs", std::int32_t{0}, std::int32_t{static_cast<std::int32_t>(0x8000000F)},
       true},
      {"Single equal", 9.75f, 9.75f, false},
      {"empty picture against Nothing", vb::Variant(vb::ObjectRef()), vb::Variant(), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host::PropertyBag bag;
    bag.WriteProperty("Key", c.value, c.default_value);
    EXPECT_EQ(bag.Find("Key") != nullptr, c.stored);
    // Read back with the same default, an absent entry gives the value not stored.
    EXPECT_TRUE(host::PropertyBag::SameValue(bag.ReadProperty("Key", c.default_value), c.value));
  }
}

TEST(PropertyBag, KeysCompareWithoutRegardToCaseAndKeepTheirOrder) {
  host::PropertyBag bag;
  bag.WriteProperty("Style", std::int32_t{2}, std::int32_t{0});
  bag.WriteProperty("Caption", "x", "");
  bag.WriteProperty("style", std::int32_t{3}, std::int32_t{0});
  ASSERT_EQ(bag.entries().size(), 2u);
  EXPECT_EQ(bag.entries()[0].key, "Style");
  EXPECT_EQ(bag.ReadProperty("STYLE", std::int32_t{0}).ToLong(), 3);
  // Writing the default again removes what was stored.
  bag.WriteProperty("sTyLe", std::int32_t{0}, std::int32_t{0});
  EXPECT_EQ(bag.Find("Style"), nullptr);
}

TEST(PropertyBag, TheDefaultFixesTheTypeRead) {
  host::PropertyBag bag;
  bag.Put("Enabled", std::int16_t{-1});
  bag.Put("Size", "12");
  bag.Put("Name", "abc");
  EXPECT_EQ(bag.ReadProperty("Enabled", false).kind(), vb::Variant::Kind::Boolean);
  EXPECT_TRUE(bag.ReadProperty("Enabled", false).ToBoolean());
  EXPECT_EQ(bag.ReadProperty("Size", std::int16_t{0}).kind(), vb::Variant::Kind::Integer);
  EXPECT_EQ(bag.ReadProperty("Size", std::int16_t{0}).ToInteger(), 12);
  EXPECT_EQ(bag.ReadProperty("Missing", 4.5f).ToSingle(), 4.5f);
  try {
    bag.ReadProperty("Name", std::int32_t{0});
    ADD_FAILURE() << "a string that is no number read as a Long";
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.Number(), vb::kTypeMismatch);
  }
}

TEST(PropertyBag, FontsEqualInEveryAttributeCountAsTheDefault) {
  auto ambient = std::make_shared<vb::StdFont>("Arial", 9);
  auto same = ambient->Clone();
  auto bigger = ambient->Clone();
  bigger->Size(12);
  host::PropertyBag bag;
  bag.WriteProperty("Font", same, ambient);
  EXPECT_EQ(bag.Find("Font"), nullptr);
  bag.WriteProperty("Font", bigger, ambient);
  ASSERT_NE(bag.Find("Font"), nullptr);
  EXPECT_EQ(bag.ReadProperty("font", ambient).ToObject(), bigger);
}

}  // namespace
}  // namespace host_test
