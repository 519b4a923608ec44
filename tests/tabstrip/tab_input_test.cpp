#include "platform/win/input.h"
#include "tests/tabstrip/tabstrip_fixture.h"

namespace tabstrip_test {
namespace {

using quorin::XPTabstrip;

// Four fixed tabs 60 wide at x = 2, 64, 126, 188 of a 300 x 120 strip; tab 3 is disabled.
class InputTest : public TabstripTest {
 protected:
  void SetUp() override {
    s_ = PlaceFixed(300, 120, 4, 60);
    s_->TabEnabled(3, false);
    Run();
    events_.clear();
  }
  // The events other than MouseIn and MouseOut.
  std::vector<std::string> Picks() const {
    std::vector<std::string> out;
    for (const auto& e : events_) {
      if (e != "MouseIn" && e != "MouseOut") out.push_back(e);
    }
    return out;
  }
  static int Centre(int tab) { return 2 + (tab - 1) * 62 + 30; }
  std::shared_ptr<XPTabstrip> s_;
};

TEST_F(InputTest, LeftPressSelectsAnEnabledTabAndOtherPressesOnlyRecord) {
  ClickAt(*s_, Centre(2), 10);
  Run();
  EXPECT_EQ(s_->SelectedTab(), 2);
  EXPECT_EQ(Picks(), (std::vector<std::string>{"TabPressed 0"}));
  events_.clear();
  // A right press records where it was and raises MouseDown once.
  win32::POINT p = OnScreen(*s_, Centre(4), 12);
  robot().Click(p.x, p.y, win::MouseButton::kRight);
  Run();
  EXPECT_EQ(s_->SelectedTab(), 2);
  EXPECT_EQ(s_->PressX, Centre(4));
  EXPECT_EQ(s_->PressY, 12);
  EXPECT_EQ(Picks(),
            (std::vector<std::string>{"MouseDown 2 " + std::to_string(Centre(4)) + " 12"}));
  events_.clear();
  // Pressing the selected tab selects it again.
  ClickAt(*s_, Centre(2), 10);
  Run();
  EXPECT_EQ(Picks(), (std::vector<std::string>{"TabPressed 2"}));
}

TEST_F(InputTest, PressOnADisabledTabOrTheBodySelectsNothing) {
  ClickAt(*s_, Centre(3), 10);
  ClickAt(*s_, 150, 80);
  Run();
  EXPECT_EQ(s_->SelectedTab(), 1);
  EXPECT_EQ(Picks(), (std::vector<std::string>{"MouseDown 1 " + std::to_string(Centre(3)) + " 10",
                                               "MouseDown 1 150 80"}));
}

TEST_F(InputTest, PressOnTheTabUnderThePanelScrollsByOneAndSelectsIt) {
  auto s = PlaceFixed(300, 120, 10, 60);
  s->SelectedTab(1);
  events_.clear();
  ClickAt(*s, 255, 10);  // tab 5 at 250..310 reaches under the panel at 260
  Run();
  EXPECT_EQ(s->SelectedTab(), 5);
  EXPECT_EQ(s->FirstVisibleTab, 2);
  EXPECT_EQ(s->TabRects[5].left, 2 + 3 * 62);
}

TEST_F(InputTest, HotTrackingFollowsTheMouseAcrossTabsAndOntoTheBody) {
  const vb::COLORREF hot = s_->TabHotStripColor();
  auto strip_at = [&](int tab) { return At(*s_, 2 + (tab - 1) * 62 + 10, 2); };
  MoveTo(*s_, Centre(2), 10);
  Run();
  EXPECT_EQ(s_->HotTab, 2);
  EXPECT_TRUE(s_->HotActive);
  EXPECT_EQ(strip_at(2), hot);
  MoveTo(*s_, Centre(4), 10);
  Run();
  EXPECT_EQ(s_->HotTab, 4);
  EXPECT_EQ(strip_at(4), hot);
  EXPECT_NE(strip_at(2), hot);
  // Over a disabled tab and the empty band the hot tab stays.
  MoveTo(*s_, Centre(3), 10);
  MoveTo(*s_, 280, 10);
  Run();
  EXPECT_EQ(s_->HotTab, 4);
  MoveTo(*s_, Centre(2), 10);
  Run();
  EXPECT_EQ(s_->HotTab, 2);
  MoveTo(*s_, 150, 80);
  Run();
  EXPECT_EQ(s_->HotTab, 0);
  EXPECT_FALSE(s_->HotActive);
  EXPECT_TRUE(s_->MouseInBody);
  EXPECT_NE(strip_at(2), hot);
  // Every move over the control raised MouseIn; nothing left it yet.
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "MouseIn"), 6);
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "MouseOut"), 0);
}

TEST_F(InputTest, LeavingTheControlRaisesMouseOutOnceAndReleasesTheCapture) {
  MoveTo(*s_, Centre(2), 10);
  Run();
  EXPECT_EQ(win32::GetCapture(), s_->hWnd());
  win32::POINT outside = OnScreen(*s_, 320, 130);
  robot().MoveTo(outside.x, outside.y);
  robot().MoveTo(outside.x + 5, outside.y + 5);
  Run();
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "MouseOut"), 1);
  EXPECT_EQ(s_->HotTab, 0);
  EXPECT_NE(win32::GetCapture(), s_->hWnd());
}

TEST_F(InputTest, DoubleClicks) {
  win32::POINT tab = OnScreen(*s_, Centre(2), 10);
  robot().DoubleClick(tab.x, tab.y);
  Run();
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "TabDblClick 2"), 1);
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "DblClick"), 0);
  events_.clear();
  win32::POINT disabled = OnScreen(*s_, Centre(3), 10);
  robot().DoubleClick(disabled.x, disabled.y);
  win32::POINT body = OnScreen(*s_, 150, 80);
  robot().DoubleClick(body.x, body.y);
  Run();
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "DblClick"), 2);
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "TabDblClick 3"), 0);
}

TEST_F(InputTest, ArrowKeysStepTheSelectionAndRepeatItAtBothEnds) {
  form_->Show();
  s_->Extender().SetFocus();
  Run();
  events_.clear();
  robot().Key(37);  // Left on the first tab
  Run();
  EXPECT_EQ(s_->SelectedTab(), 1);
  EXPECT_EQ(events_, (std::vector<std::string>{"TabPressed 0"}));
  for (int i = 0; i < 3; ++i) robot().Key(40);  // Down reaches disabled tab 3 too
  Run();
  EXPECT_EQ(s_->SelectedTab(), 4);
  events_.clear();
  robot().Key(39);
  Run();
  EXPECT_EQ(s_->SelectedTab(), 4);
  EXPECT_EQ(events_, (std::vector<std::string>{"TabPressed 4"}));
  robot().Key(38);
  Run();
  EXPECT_EQ(s_->SelectedTab(), 3);
}

TEST_F(InputTest, PageDownScrollsOnlyWhenThePanelShows) {
  s_->Extender().SetFocus();
  Run();
  robot().Key(34);  // no panel: nothing
  Run();
  EXPECT_EQ(s_->FirstVisibleTab, 1);
  for (int i = 5; i <= 10; ++i) s_->AddTab(60, "T" + std::to_string(i), true, false);
  ASSERT_TRUE(s_->picBlank->Visible());
  robot().Key(34);
  Run();
  EXPECT_EQ(s_->FirstVisibleTab, 2);
  robot().KeyDown(34).Wait(2000).KeyUp(34);
  Run();
  EXPECT_EQ(s_->FirstVisibleTab, 7);
  EXPECT_TRUE(s_->ScrollEnd);
  robot().Key(33);
  Run();
  EXPECT_EQ(s_->FirstVisibleTab, 6);
  EXPECT_FALSE(s_->ScrollBackHeld);
}

TEST_F(InputTest, AltWithAnAccessKeySelectsAnEnabledTabOnly) {
  s_->TabCaption(1, "&File");
  s_->TabCaption(2, "&Edit");
  s_->TabCaption(3, "&View");  // disabled
  events_.clear();
  robot().KeyDown(win32::VK_MENU).KeyDown('E').Char('e').KeyUp('E').KeyUp(win32::VK_MENU);
  Run();
  EXPECT_EQ(s_->SelectedTab(), 2);
  EXPECT_EQ(events_, (std::vector<std::string>{"TabPressed 0"}));
  robot().KeyDown(win32::VK_MENU).KeyDown('V').Char('v').KeyUp('V').KeyUp(win32::VK_MENU);
  Run();
  EXPECT_EQ(s_->SelectedTab(), 2);
  s_->TabEnabled(2, false);
  std::int16_t e = 'e';
  s_->UserControl_AccessKeyPress(e);
  EXPECT_EQ(s_->SelectedTab(), 2);
  EXPECT_EQ(events_.size(), 1u);
}

TEST_F(InputTest, FocusNotificationsDriveTheFocusLook) {
  s_->Extender().SetFocus();
  Run();
  EXPECT_TRUE(s_->HasFocus);
  EXPECT_EQ(At(*s_, 10, 0), s_->TabHotStripColor());
  s_->UserControl_LostFocus();
  EXPECT_FALSE(s_->HasFocus);
  EXPECT_EQ(At(*s_, 10, 0), s_->FrameColor());
}

}  // namespace
}  // namespace tabstrip_test

namespace tabstrip_test {
namespace {

// While the scroll panel shows, the engine gives the focus to the panel's elements.
TEST_F(TabstripTest, KeysAndTheFocusLookWorkWhileThePanelHoldsTheFocus) {
  auto s = PlaceFixed(300, 120, 10, 60);
  auto other = form_->Add<quorin::XPTabstrip>("XPTabstrip2", {150.0f, 2250.0f, 3000.0f, 1500.0f});
  form_->Show();
  ClickAt(*s, 30, 10);
  Run();
  ASSERT_NE(win32::GetFocus(), s->hWnd());  // an element of the strip has it
  EXPECT_TRUE(s->HasFocus);
  robot().Key(39);
  robot().Key(34);
  Run();
  EXPECT_EQ(s->SelectedTab(), 2);
  EXPECT_EQ(s->FirstVisibleTab, 2);
  other->Extender().SetFocus();
  Run();
  EXPECT_FALSE(s->HasFocus);
}

}  // namespace
}  // namespace tabstrip_test

namespace tabstrip_test {
namespace {

TEST_F(TabstripTest, ArrowButtonsShowTheHoverFrameWhileTheMouseIsOnThem) {
  auto s = PlaceFixed(300, 120, 10, 60);
  win32::RECT r;
  win32::GetWindowRect(s->pLeftUp->hWnd(), &r);
  robot().MoveTo(r.left + 9, r.top + 9).MoveTo(r.left + 10, r.top + 9);
  Run();
  EXPECT_TRUE(s->HoverBack);
  EXPECT_FALSE(s->HoverForward);
  EXPECT_EQ(At(*s->pLeftUp, 1, 1), s->TabHotStripColor());
  robot().MoveTo(r.left + 9, r.top + 60).MoveTo(r.left + 9, r.top + 61);
  Run();
  EXPECT_FALSE(s->HoverBack);
  EXPECT_NE(At(*s->pLeftUp, 1, 1), s->TabHotStripColor());
}

}  // namespace
}  // namespace tabstrip_test
