// The notification icon's model: showing and hiding, the record it gives the shell, its
// properties, persistence, design time and teardown.

#include <algorithm>
#include <string>

#include "artwork/artwork.h"
#include "platform/gfx/bitmap.h"
#include "platform/host/control/property_bag.h"
#include "platform/vb/ansi.h"
#include "platform/vb/ole_color.h"
#include "platform/win/shell32.h"
#include "platform/win/user32.h"
#include "tests/tray_icon/tray_fixture.h"
#include "tray_icon/tray_record.h"

namespace {

using traytest::TrayFixture;

vb::PictureRef SomeIcon() {
  return artwork::Picture("skin/about/Image2_32x32");
}

TEST_F(TrayFixture, ANewIconHasTheBuiltInPictureTheDefaultTipAndTheFixedSize) {
  auto tray = Place("Tray1");
  EXPECT_FALSE(tray->ShowIcon());
  EXPECT_EQ(tray->IconTip(), "Quorin Skin");
  EXPECT_EQ(tray->Icon(), artwork::Picture("tray_icon/Picture"));
  EXPECT_EQ(tray->Picture(), tray->Icon());
  EXPECT_FLOAT_EQ(tray->Width(), 660);
  EXPECT_FLOAT_EQ(tray->Height(), 735);
  tray->Move(0, 0, 3000, 200);  // whatever the designer drags it to
  EXPECT_FLOAT_EQ(tray->Width(), 660);
  EXPECT_FLOAT_EQ(tray->Height(), 735);
  EXPECT_TRUE(Icons().empty());
}

TEST_F(TrayFixture, ShowingTwiceRegistersOnceAndHidingWhenHiddenReportsNothing) {
  auto tray = Place("Tray1");
  changes_.lines.clear();
  tray->ShowIcon(false);
  EXPECT_TRUE(changes_.lines.empty());

  tray->ShowIcon(true);
  tray->ShowIcon(true);
  ASSERT_EQ(Icons().size(), 1u);
  EXPECT_EQ(changes_.lines, std::vector<std::string>{"Tray1.ShowIcon"});
  const win::NotifyIcon& icon = Icons()[0];
  EXPECT_EQ(icon.hwnd, tray->hWnd());
  EXPECT_EQ(icon.id, 0u);
  EXPECT_EQ(icon.callback_message, 1125u);
  EXPECT_EQ(icon.flags, win32::NIF_MESSAGE | win32::NIF_ICON | win32::NIF_TIP);
  EXPECT_EQ(icon.icon, tray->Icon()->Handle());
  EXPECT_EQ(icon.tip, "Quorin Skin");

  tray->ShowIcon(false);
  EXPECT_TRUE(Icons().empty());
  EXPECT_FALSE(tray->Shown());
  tray->ShowIcon(false);
  EXPECT_EQ(changes_.lines.size(), 2u);
}

TEST_F(TrayFixture, AnEmptyTipIsLeftOutOfTheRegistration) {
  auto tray = Place("Tray1");
  tray->IconTip("");
  tray->ShowIcon(true);
  ASSERT_EQ(Icons().size(), 1u);
  EXPECT_EQ(Icons()[0].flags, win32::NIF_MESSAGE | win32::NIF_ICON);
}

TEST_F(TrayFixture, IconAndTipModifyAShownIcon) {
  auto tray = Place("Tray1");
  tray->ShowIcon(true);
  changes_.lines.clear();
  vb::PictureRef other = SomeIcon();
  tray->Icon(other);
  tray->IconTip("Mail: 3 new");
  ASSERT_EQ(Icons().size(), 1u);
  EXPECT_EQ(Icons()[0].icon, other->Handle());
  EXPECT_EQ(Icons()[0].tip, "Mail: 3 new");
  EXPECT_EQ(tray->Picture(), other);  // the design face shows it too
  EXPECT_EQ(changes_.lines, (std::vector<std::string>{"Tray1.Icon", "Tray1.IconTip"}));
}

TEST_F(TrayFixture, ABitmapOrNoPictureIsIgnoredWithoutAChange) {
  auto tray = Place("Tray1");
  tray->ShowIcon(true);
  const vb::PictureRef before = tray->Icon();
  changes_.lines.clear();
  tray->Icon(artwork::Picture("skin/Title"));  // a bitmap
  tray->Icon(nullptr);
  EXPECT_EQ(tray->Icon(), before);
  EXPECT_EQ(Icons()[0].icon, before->Handle());
  EXPECT_TRUE(changes_.lines.empty());
}

struct TipCase {
  const char* name;
  std::string tip;
  std::string shown;  // what the shell holds afterwards
};

class TipField : public TrayFixture, public ::testing::WithParamInterface<TipCase> {};

TEST_P(TipField, FitsTheFieldWithItsNulAndEndsOnACharacter) {
  const TipCase& c = GetParam();
  win32::NOTIFYICONDATAA record;
  std::fill(std::begin(record.szTip), std::end(record.szTip), 'x');
  quorin::PutTip(record, c.tip);
  EXPECT_EQ(record.szTip[63], '\0');
  EXPECT_EQ(vb::FromAnsi(record.szTip), c.shown);

  auto tray = Place("Tray1");
  tray->IconTip(c.tip);
  tray->ShowIcon(true);
  EXPECT_EQ(Icons()[0].tip, c.shown);
  EXPECT_EQ(tray->IconTip(), c.tip);  // the property keeps the whole text
}

std::string Repeat(const std::string& unit, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += unit;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Tray, TipField,
    ::testing::Values(TipCase{"Short", "Quorin Skin", "Quorin Skin"},
                      TipCase{"Exactly63", Repeat("a", 63), Repeat("a", 63)},
                      TipCase{"Seventy", Repeat("0123456789", 7), Repeat("0123456789", 6) + "012"},
                      // Two bytes a character in the code page: 31 fit, the 32nd would not.
                      TipCase{"Chinese", Repeat("\xE6\x89\x98", 40), Repeat("\xE6\x89\x98", 31)},
                      TipCase{"MixedOddEnd", "a" + Repeat("\xE6\x89\x98", 40),
                              "a" + Repeat("\xE6\x89\x98", 31)}),
    [](const ::testing::TestParamInfo<TipCase>& info) { return info.param.name; });

TEST_F(TrayFixture, PropertiesAreWrittenAlwaysInTheirOrder) {
  auto tray = Place("Tray1");
  host::PropertyBag bag;
  tray->UserControl_WriteProperties(bag);
  ASSERT_EQ(bag.entries().size(), 3u);
  EXPECT_EQ(bag.entries()[0].key, "ShowIcon");
  EXPECT_FALSE(bag.entries()[0].value.ToBoolean());
  EXPECT_EQ(bag.entries()[1].key, "Icon");
  EXPECT_EQ(bag.entries()[2].key, "IconTip");
  EXPECT_EQ(bag.entries()[2].value.ToString(), "Quorin Skin");
}

TEST_F(TrayFixture, AStoredShownIconRegistersFirstThenTakesItsPictureAndTip) {
  host::PropertyBag bag;
  bag.Put("ShowIcon", true);
  bag.Put("Icon", vb::Variant(vb::ObjectRef(SomeIcon())));
  bag.Put("IconTip", "Stored tip");
  auto tray = Place("Tray1", &bag);
  EXPECT_TRUE(tray->Shown());
  ASSERT_EQ(Icons().size(), 1u);
  EXPECT_EQ(Icons()[0].icon, SomeIcon()->Handle());
  EXPECT_EQ(Icons()[0].tip, "Stored tip");

  host::PropertyBag empty;
  auto plain = Place("Tray2", &empty);  // nothing stored: the defaults
  EXPECT_FALSE(plain->ShowIcon());
  EXPECT_EQ(plain->IconTip(), "Quorin Skin");
  EXPECT_EQ(plain->Icon(), artwork::Picture("tray_icon/Picture"));
}

TEST_F(TrayFixture, AtDesignTimeShowIconIsStoredButNothingIsShown) {
  form_->SetDesignMode(true);
  auto tray = Place("Tray1");
  tray->ShowIcon(true);
  EXPECT_TRUE(tray->ShowIcon());
  EXPECT_TRUE(Icons().empty());
  EXPECT_EQ(win32::GetWindowLongA(tray->hWnd(), win32::GWL_USERDATA), 0);
  host::PropertyBag bag;
  tray->UserControl_WriteProperties(bag);
  EXPECT_TRUE(bag.Find("ShowIcon")->ToBoolean());

  auto run_form = host::NewForm("Form2");
  auto running = run_form->Add<quorin::TrayIcon>("Tray1", {}, &bag);
  EXPECT_TRUE(running->Shown());
  EXPECT_EQ(Icons().size(), 1u);
}

TEST_F(TrayFixture, TheDesignFaceIsTheIconInARaisedEdgeAndTheRunTimeWindowIsHidden) {
  form_->SetDesignMode(true);
  auto tray = Place("Tray1");
  form_->Show();
  screen_.Run();
  EXPECT_TRUE(win32::IsWindowVisible(tray->hWnd()));
  win32::RECT r;
  win32::GetWindowRect(tray->hWnd(), &r);
  EXPECT_EQ(r.right - r.left, 44);
  EXPECT_EQ(r.bottom - r.top, 49);
  const gfx::Bitmap& shot = screen_.Screen();
  // The raised edge: light along the top, dark along the bottom, the icon inside.
  EXPECT_EQ(shot.pixel(r.left + 5, r.top) & 0xFFFFFF,
            gfx::ArgbFromColorref(vb::GetSysColor(vb::COLOR_BTNHIGHLIGHT)) & 0xFFFFFF);
  EXPECT_EQ(shot.pixel(r.left + 5, r.bottom - 1) & 0xFFFFFF,
            gfx::ArgbFromColorref(vb::GetSysColor(vb::COLOR_3DDKSHADOW)) & 0xFFFFFF);

  auto run_form = host::NewForm("Form2");
  auto running = run_form->Add<quorin::TrayIcon>("Tray1");
  run_form->Show();
  EXPECT_FALSE(win32::IsWindowVisible(running->hWnd()));
}

TEST_F(TrayFixture, UnloadingTheFormRemovesTheIcon) {
  auto tray = Place("Tray1");
  tray->ShowIcon(true);
  form_->Show();
  ASSERT_EQ(Icons().size(), 1u);
  host::Unload(*form_);
  EXPECT_TRUE(Icons().empty());
  EXPECT_FALSE(tray->Shown());
}

}  // namespace
