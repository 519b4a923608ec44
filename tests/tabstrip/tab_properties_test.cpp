#include "platform/host/control/property_bag.h"
#include "platform/vb/error.h"
#include "tests/tabstrip/tabstrip_fixture.h"

namespace tabstrip_test {
namespace {

using quorin::XPTabstrip;

vb::PictureRef SolidPicture(int width, int height, std::uint32_t argb = 0xFF2040A0u) {
  vb::PixelBuffer pixels;
  pixels.width = width;
  pixels.height = height;
  pixels.pixels.assign(static_cast<std::size_t>(width * height), argb);
  return vb::MakeBitmapPicture(std::move(pixels));
}

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const vb::Error& e) {
    return e.Number();
  }
  return 0;
}

TEST_F(TabstripTest, NewStripHasOneTabAndColoursFromTheForm) {
  auto s = Place(200, 100);
  ASSERT_EQ(s->NumberOfTabs(), 1);
  EXPECT_EQ(s->TabCaption(1), "Tab1");
  EXPECT_EQ(s->TabWidth(1), 60);
  EXPECT_TRUE(s->AutoSize(1));
  EXPECT_TRUE(s->TabEnabled(1));
  EXPECT_EQ(s->SelectedTab(), 1);
  EXPECT_EQ(s->TabHeight(), 22);
  EXPECT_EQ(s->BackColor(), kFormBack);
  EXPECT_EQ(s->BackColorScroll(), kFormBack);
  EXPECT_EQ(s->FrameColor(), vb::RGB(200, 200, 184));
  EXPECT_EQ(s->ForeColorDisabled(), s->FrameColor());
  EXPECT_EQ(s->ScrollArrowColor(), vb::RGB(180, 180, 164));
  EXPECT_EQ(s->ForeColor(), vb::GetSysColor(vb::COLOR_BTNTEXT));
  EXPECT_EQ(s->ForeColorActive(), 0x00985038u);
  EXPECT_EQ(s->ForeColorHot(), 0x00FF0000u);
  EXPECT_EQ(s->MaskColor(), 0x00FF00FFu);
  EXPECT_EQ(s->TabHotStripColor(), 0x002890E8u);
  EXPECT_FALSE(s->NoFocusRect());
  // The spare record 0 reads empty.
  EXPECT_EQ(s->TabCaption(0), "");
  EXPECT_FALSE(s->TabEnabled(0));
}

TEST_F(TabstripTest, SettersClampAndTranslate) {
  auto s = Place(200, 100);
  s->TabHeight(10);
  EXPECT_EQ(s->TabHeight(), 22);
  s->TabHeight(30);
  EXPECT_EQ(s->TabHeight(), 30);
  const std::pair<int, int> widths[] = {{150, 150}, {199, 199}, {200, 180}, {500, 180}};
  for (auto [in, out] : widths) {
    s->TabWidth(1, in);
    EXPECT_EQ(s->TabWidth(1), out) << in;
  }
  s->ForeColor(0x80000000u | vb::COLOR_BTNFACE);
  EXPECT_EQ(s->ForeColor(), vb::GetSysColor(vb::COLOR_BTNFACE));
  s->FrameColor(0x80000000u | vb::COLOR_BTNSHADOW);
  EXPECT_EQ(s->FrameColor(), vb::GetSysColor(vb::COLOR_BTNSHADOW));
}

TEST_F(TabstripTest, AddAndDeleteTabs) {
  auto s = Place(400, 100);
  s->AddTab();
  s->AddTab();
  EXPECT_EQ(s->AddTab(), 4);
  EXPECT_EQ(s->TabCaption(4), "Tab4");
  EXPECT_EQ(s->AddTab(60, "Mail"), 5);
  EXPECT_EQ(s->TabCaption(5), "Mail");
  EXPECT_EQ(s->SelectedTab(), 1);

  auto captions = [&] {
    std::string out;
    for (int i = 1; i <= s->NumberOfTabs(); ++i) out += s->TabCaption(i);
    return out;
  };
  struct Case {
    std::int16_t index;
    const char* after;
  };
  // Each case starts from "A", "B", "C", "D".
  const Case cases[] = {{0, "ABD"}, {1, "BCD"}, {4, "ABC"}, {9, "ABC"}};
  for (const Case& c : cases) {
    while (s->NumberOfTabs() > 1) s->DeleteTab(1);
    s->TabCaption(1, "A");
    for (const char* t : {"B", "C", "D"}) s->AddTab(60, t);
    s->DeleteTab(c.index);
    EXPECT_EQ(captions(), c.after) << c.index;
  }
  EXPECT_EQ(ErrorOf([&] { s->DeleteTab(-1); }), vb::kSubscriptOutOfRange);
  EXPECT_EQ(captions(), "ABC");
  while (s->NumberOfTabs() > 1) s->DeleteTab();
  s->DeleteTab();
  EXPECT_EQ(s->NumberOfTabs(), 1);
}

TEST_F(TabstripTest, TabIndexOutsideTheListIsARangeErrorAndStoresNothing) {
  auto s = Place(200, 100);
  s->AddTab(60, "B");
  for (std::int32_t bad : {-1, 3, 100}) {
    EXPECT_EQ(ErrorOf([&] { s->TabCaption(bad, "x"); }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { s->TabWidth(bad, 5); }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { (void)s->TabEnabled(bad); }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { s->AutoSize(bad, true); }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { s->TabPicture(bad, nullptr); }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { s->DrawSelectedTab(bad); }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { s->DrawUnSelectedTab(bad); }), vb::kSubscriptOutOfRange);
  }
  // Through late binding the error reaches the script the same way.
  std::vector<vb::Variant> index{vb::Variant(std::int32_t{7})};
  EXPECT_EQ(ErrorOf([&] { host::LetProperty(*s, "TabCaption", index, vb::Variant("x")); }),
            vb::kSubscriptOutOfRange);
  EXPECT_EQ(s->TabCaption(2), "B");
}

TEST_F(TabstripTest, IndexedPropertiesThroughLateBinding) {
  auto s = Place(300, 100);
  s->AddTab(60, "Two");
  std::vector<vb::Variant> two{vb::Variant(std::int16_t{2})};
  EXPECT_EQ(host::GetProperty(*s, "TabCaption", two).ToString(), "Two");
  host::LetProperty(*s, "TabWidth", two, vb::Variant(std::int32_t{249}));
  EXPECT_EQ(s->TabWidth(2), 249);
  host::SetProperty(*s, "TabPicture", two, SolidPicture(4, 4));
  EXPECT_FALSE(vb::IsEmpty(s->TabPicture(2)));
  EXPECT_EQ(ErrorOf([&] { host::GetProperty(*s, "TabCaption"); }), host::kArgumentNotOptional);
  EXPECT_EQ(ErrorOf([&] { host::GetProperty(*s, "TabHeight", two); }),
            host::kWrongNumberOfArguments);
  // A method read with arguments is a call.
  s->TabCaption(2, "&Edit");
  std::vector<vb::Variant> e{vb::Variant(std::int16_t{'e'})};
  EXPECT_EQ(host::GetProperty(*s, "GetTabAccessKey", e).ToLong(), 2);
}

TEST_F(TabstripTest, SelectedTabRaisesTabPressedOnEveryAssignment) {
  auto s = Place(300, 100);
  s->AddTab();
  s->AddTab();
  events_.clear();
  s->SelectedTab(3);
  s->SelectedTab(3);
  s->SelectedTab(9);  // no check: no tab shows as selected
  EXPECT_EQ(events_, (std::vector<std::string>{"TabPressed 0", "TabPressed 3", "TabPressed 3"}));
  EXPECT_EQ(s->SelectedTab(), 9);
  EXPECT_EQ(s->PreviousTab, 9);
  s->SelectedTab(65537);
  EXPECT_EQ(s->PreviousTab, 1);  // the low 16 bits
}

TEST_F(TabstripTest, AccessKeysFollowCaptions) {
  auto s = Place(300, 100);
  s->TabCaption(1, "&File");
  s->AddTab(60, "&Edit");
  EXPECT_EQ(s->AccessKeys(), "f");  // AddTab does not rebuild them
  s->TabCaption(2, "&Edit");
  EXPECT_EQ(s->AccessKeys(), "fe");
  EXPECT_EQ(s->GetTabAccessKey('e'), 2);
  EXPECT_EQ(s->GetTabAccessKey('E'), 0);
  EXPECT_EQ(s->GetTabAccessKey('x'), 0);
}

TEST_F(TabstripTest, AStripRefusesATabBeyondTheLimitAndKeepsTheOthers) {
  host::PropertyBag bag;
  bag.Put("NumberOfTabs", vb::Variant(std::int32_t{XPTabstrip::kMaxTabs - 1}));
  auto s = Place(300, 100, &bag);
  EXPECT_EQ(s->AddTab(60, "last"), XPTabstrip::kMaxTabs);
  EXPECT_EQ(ErrorOf([&] { s->AddTab(); }), vb::kOverflow);
  EXPECT_EQ(s->NumberOfTabs(), XPTabstrip::kMaxTabs);
  EXPECT_EQ(s->TabCaption(XPTabstrip::kMaxTabs), "last");
}

TEST_F(TabstripTest, SavedStripLoadsBackWithEveryTab) {
  auto s = Place(300, 100);
  auto picture = SolidPicture(16, 16);
  s->TabCaption(1, "&First");
  s->AddTab(77, "Second", false, false, picture);
  s->AddTab(50, "", true, true);
  s->Alignment(quorin::tLeft);
  s->TabHeight(25);
  s->BackColor(vb::RGB(200, 210, 220));
  s->NoFocusRect(true);
  s->SelectedTab(2);
  host::PropertyBag bag;
  s->RunWriteProperties(bag);
  // Written always, in order, with the tabs after the fixed keys.
  std::vector<std::string> keys;
  for (const auto& e : bag.entries()) keys.push_back(e.key);
  const std::vector<std::string> head{"Alignment",    "TabHeight",
                                      "BackColor",    "BackColorScroll",
                                      "ForeColor",    "ForeColorActive",
                                      "ForeColorHot", "ForeColorDisabled",
                                      "FrameColor",   "ScrollArrowColor",
                                      "MaskColor",    "TabHotStripColor",
                                      "SelectedTab",  "Font",
                                      "NumberOfTabs", "NoFocusRect",
                                      "AutoSize1",    "TabWidth1"};
  ASSERT_GE(keys.size(), head.size());
  EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 18), head);

  auto loaded = form_->Add<XPTabstrip>("XPTabstrip2", {0.0f, 0.0f, 4500.0f, 1500.0f}, &bag);
  // TabPressed fired once while reading, before the handler could be connected here; the
  // reading order is checked through PreviousTab.
  EXPECT_EQ(loaded->PreviousTab, 2);
  ASSERT_EQ(loaded->NumberOfTabs(), 3);
  EXPECT_EQ(loaded->TabCaption(1), "&First");
  EXPECT_EQ(loaded->TabCaption(2), "Second");
  EXPECT_EQ(loaded->TabWidth(2), 77);
  EXPECT_FALSE(loaded->TabEnabled(2));
  EXPECT_FALSE(loaded->AutoSize(2));
  EXPECT_EQ(loaded->TabPicture(2), picture);
  EXPECT_TRUE(vb::IsEmpty(loaded->TabPicture(3)));
  EXPECT_TRUE(loaded->AutoSize(3));
  EXPECT_EQ(loaded->TabCaption(3), "Tab3");
  EXPECT_EQ(loaded->Alignment(), quorin::tLeft);
  EXPECT_EQ(loaded->TabHeight(), 25);
  EXPECT_EQ(loaded->BackColor(), vb::RGB(200, 210, 220));
  EXPECT_TRUE(loaded->NoFocusRect());
  EXPECT_EQ(loaded->SelectedTab(), 2);
  EXPECT_EQ(loaded->AccessKeys(), "f");
}

TEST_F(TabstripTest, ReadingRaisesTabPressedOnceWithNoPreviousTab) {
  host::PropertyBag bag;
  bag.Put("NumberOfTabs", vb::Variant(std::int32_t{2}));
  bag.Put("SelectedTab", vb::Variant(std::int32_t{2}));
  bag.Put("TabText2", vb::Variant("&Two"));
  std::vector<std::int16_t> pressed;
  auto s = std::make_shared<XPTabstrip>();
  s->TabPressed.Connect([&](std::int16_t& p) { pressed.push_back(p); });
  s->SetName("XPTabstrip1");
  host::Place(*form_, *form_, s, &bag, {0.0f, 0.0f, 3000.0f, 1500.0f});
  EXPECT_EQ(pressed, std::vector<std::int16_t>{0});
  EXPECT_EQ(s->NumberOfTabs(), 2);
  EXPECT_EQ(s->TabCaption(1), "");  // absent keys read as empty
  EXPECT_FALSE(s->TabEnabled(1));
  EXPECT_EQ(s->AccessKeys(), "t");
  EXPECT_EQ(s->BackColor(), vb::RGB(240, 240, 224));
  EXPECT_EQ(s->FrameColor(), vb::RGB(152, 160, 160));
}

TEST_F(TabstripTest, AStoredCountTheStripCannotHoldIsRefused) {
  host::PropertyBag bag;
  bag.Put("NumberOfTabs", vb::Variant(std::int32_t{-3}));
  auto s = std::make_shared<XPTabstrip>();
  s->SetName("XPTabstrip1");
  host::Place(*form_, *form_, s, &bag, {0.0f, 0.0f, 3000.0f, 1500.0f});
  EXPECT_EQ(s->NumberOfTabs(), 0);
  s->DrawTab();                               // nothing to lay out; the body frame alone
  EXPECT_EQ(At(*s, 0, 22), s->FrameColor());  // the body's top frame line
}

}  // namespace
}  // namespace tabstrip_test
