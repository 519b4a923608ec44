// The progress bar's properties: validation with its message boxes, and the property store.

#include <gtest/gtest.h>

#include <functional>

#include "platform/host/control/property_bag.h"
#include "tests/progress_bar/bar_fixture.h"

namespace bartest {
namespace {

using Model = ProgressBar;

TEST_F(Model, RefusedValuesShowTheirBoxAndKeepTheOldValue) {
  auto bar = Place();
  bar->Value(80);
  bar->ClearDirty();
  struct Case {
    const char* name;
    std::function<void()> set;
    std::function<std::int32_t()> get;
    std::int32_t kept;
    const char* message;
  };
  const Case cases[] = {
      {"Value above Max", [&] { bar->Value(150); }, [&] { return bar->Value(); }, 80,
       "value不能大于max值 !"},
      {"Value below Min", [&] { bar->Value(-1); }, [&] { return bar->Value(); }, 80,
       "value不能小于min值 !"},
      {"Min above Max", [&] { bar->Min(200); }, [&] { return bar->Min(); }, 0,
       "min不能大于max值 !"},
      {"Min below 0", [&] { bar->Min(-1); }, [&] { return bar->Min(); }, 0, "min不能小于0 !"},
      {"Max below Min", [&] { bar->Max(-5); }, [&] { return bar->Max(); }, 100,
       "Maximum can NOT be smaller than minimum !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    boxes_.clear();
    const std::vector<std::uint32_t> before(bar->image().row(8), bar->image().row(8) + 100);
    headless_.robot().Key(win32::VK_RETURN);
    EXPECT_NO_THROW(c.set());
    EXPECT_EQ(c.get(), c.kept);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Format(),
              std::string("msgbox \"Error\" \"") + c.message + "\" critical [OK] -> OK");
    EXPECT_FALSE(bar->dirty());
    EXPECT_EQ(std::vector<std::uint32_t>(bar->image().row(8), bar->image().row(8) + 100), before);
  }
  // Min checks Max first: 200 with Max 100 is "above Max", not "below 0".
  bar->Max(10);
  boxes_.clear();
  headless_.robot().Key(win32::VK_RETURN);
  bar->Min(-3);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].prompt, "min不能小于0 !");
}

TEST_F(Model, EqualityPassesAndLimitsNeverTouchValue) {
  auto bar = Place();
  bar->Value(80);
  bar->Max(80);  // equal to Value
  bar->Max(50);  // below Value: accepted, Value stays
  EXPECT_EQ(bar->Max(), 50);
  EXPECT_EQ(bar->Value(), 80);
  bar->Min(50);  // equal to Max
  EXPECT_EQ(bar->Min(), 50);
  bar->Value(50);  // equal to both
  EXPECT_EQ(bar->Value(), 50);
  bar->Max(1000000);  // no bound of its own beyond Min
  EXPECT_EQ(bar->Max(), 1000000);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(bar->changed_properties(), (std::set<std::string>{"Value", "Max", "Min"}));
}

TEST_F(Model, AFreshBarSavesNothingButDefaultsAndReadsThemBack) {
  auto bar = Place();
  host::PropertyBag saved;
  bar->RunWriteProperties(saved);
  EXPECT_TRUE(saved.empty());
  auto again = form_->Add<quorin::XpProgressBar>("XpProgressBar2", {300, 900, 1500, 240}, &saved);
  EXPECT_EQ(again->Min(), 0);
  EXPECT_EQ(again->Max(), 100);
  EXPECT_EQ(again->Value(), 0);
  EXPECT_EQ(again->Style(), 0);
  EXPECT_EQ(again->Skin(), 0);
}

TEST_F(Model, StoredValuesAreTrustedAndKeepTheirFullRange) {
  host::PropertyBag stored;
  stored.Put("Min", std::int32_t{40000});
  stored.Put("Max", std::int32_t{70000});
  stored.Put("Value", std::int32_t{90000});  // above Max: taken as it is
  stored.Put("Style", std::int32_t{1});
  stored.Put("Skin", std::int32_t{3});
  auto bar = Place(100, 16, &stored);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(bar->Min(), 40000);
  EXPECT_EQ(bar->Max(), 70000);
  EXPECT_EQ(bar->Value(), 90000);
  EXPECT_EQ(bar->Style(), 1);
  // Skin is applied through its property: the red blocks are the active ones.
  EXPECT_EQ(bar->pc(2).Picture(), artwork::Picture("progress_bar/redmet_2"));

  host::PropertyBag saved;
  bar->RunWriteProperties(saved);
  std::vector<std::string> keys;
  for (const auto& e : saved.entries()) keys.push_back(e.key);
  EXPECT_EQ(keys, (std::vector<std::string>{"Min", "Max", "Value", "Style", "Skin"}));
  EXPECT_EQ(saved.Find("Max")->ToLong(), 70000);
  EXPECT_EQ(saved.Find("Min")->ToLong(), 40000);

  host::PropertyBag negative;
  negative.Put("Min", std::int16_t{-7});
  auto odd = form_->Add<quorin::XpProgressBar>("XpProgressBar2", {300, 900, 1500, 240}, &negative);
  EXPECT_EQ(odd->Min(), -7);
}

}  // namespace
}  // namespace bartest
