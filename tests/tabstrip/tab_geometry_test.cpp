#include "tests/tabstrip/tabstrip_fixture.h"

namespace tabstrip_test {
namespace {

using quorin::XPTabstrip;

TEST_F(TabstripTest, OverflowingTopStripShowsThePanelAndFirstTabs) {
  auto s = PlaceFixed(300, 120, 10, 60);
  EXPECT_TRUE(s->picBlank->Visible());
  EXPECT_EQ(s->picBlank->Left(), 260);
  EXPECT_EQ(s->picBlank->Top(), 0);
  EXPECT_EQ(s->picBlank->Width(), 40);
  EXPECT_EQ(s->picBlank->Height(), 22);
  EXPECT_EQ(s->pLeftUp->Left(), 2);
  EXPECT_EQ(s->pLeftUp->Top(), 2);
  EXPECT_EQ(s->pLeftUp->Width(), 18);
  EXPECT_EQ(s->pRightDown->Left(), 22);
  EXPECT_EQ(s->pRightDown->Height(), 18);
  EXPECT_EQ(s->FirstVisibleTab, 1);
  EXPECT_EQ(s->LastVisibleTab, 5);
  const int lefts[] = {2, 64, 126, 188, 250};
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(s->TabRects[i].left, lefts[i - 1]) << i;
    EXPECT_EQ(s->TabRects[i].right, lefts[i - 1] + 60) << i;
  }
}

}  // namespace
}  // namespace tabstrip_test

namespace tabstrip_test {
namespace {

using quorin::XPTabstrip;

// Screen pixel in the middle of an element.
win32::POINT Middle(const VB::PictureBox& box) {
  win32::RECT r;
  win32::GetWindowRect(box.hWnd(), &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class ScrollTest : public TabstripTest {
 protected:
  void SetUp() override { s_ = PlaceFixed(300, 120, 10, 60); }
  // Presses an arrow button and holds it for `ms` of virtual time.
  void Hold(const VB::PictureBox& button, std::uint64_t ms) {
    win32::POINT p = Middle(button);
    robot().MoveTo(p.x, p.y).Press();
    if (ms) robot().Wait(ms);
    robot().Release();
    Run();
  }
  std::shared_ptr<XPTabstrip> s_;
};

TEST_F(ScrollTest, AShortPressScrollsExactlyOneTab) {
  Hold(*s_->pRightDown, 0);
  EXPECT_EQ(s_->FirstVisibleTab, 2);
  EXPECT_EQ(s_->LastVisibleTab, 6);
  EXPECT_EQ(s_->TabRects[2].left, 2);  // the first visible tab starts at 2
  EXPECT_FALSE(s_->ScrollForwardOn);
  Hold(*s_->pRightDown, 300);
  EXPECT_EQ(s_->FirstVisibleTab, 3);
  Hold(*s_->pLeftUp, 0);
  EXPECT_EQ(s_->FirstVisibleTab, 2);
  EXPECT_FALSE(s_->ScrollBackHeld);
}

TEST_F(ScrollTest, AHeldForwardButtonStopsByItselfAtTheEnd) {
  Hold(*s_->pRightDown, 5000);
  EXPECT_EQ(s_->FirstVisibleTab, 7);
  EXPECT_EQ(s_->LastVisibleTab, 10);
  EXPECT_TRUE(s_->ScrollEnd);
  EXPECT_FALSE(s_->ScrollForwardOn);
  Hold(*s_->pRightDown, 0);  // nothing more to show
  EXPECT_EQ(s_->FirstVisibleTab, 7);
  // Held back, it runs to the start and stays there.
  Hold(*s_->pLeftUp, 2000);
  EXPECT_EQ(s_->FirstVisibleTab, 1);
  EXPECT_EQ(s_->LastVisibleTab, 5);
  EXPECT_FALSE(s_->ScrollBackHeld);
}

TEST_F(ScrollTest, ASingleClickStopsWhereTheLastTabReachesUnderThePanel) {
  for (int i = 0; i < 8; ++i) Hold(*s_->pRightDown, 0);
  EXPECT_EQ(s_->FirstVisibleTab, 6);
  EXPECT_EQ(s_->LastVisibleTab, 10);
  EXPECT_FALSE(s_->ScrollEnd);
}

TEST_F(ScrollTest, WideningUntilAllTabsFitHidesThePanel) {
  Hold(*s_->pRightDown, 0);
  host::LetProperty(*s_, "Width", vb::Variant(700.0f * 15));
  EXPECT_FALSE(s_->picBlank->Visible());
  EXPECT_EQ(s_->FirstVisibleTab, 1);
  EXPECT_EQ(s_->LastVisibleTab, 10);
  EXPECT_EQ(s_->TabRects[10].left, 2 + 9 * 62);
}

TEST_F(TabstripTest, LeftAlignmentUsesTheWidestTabWithAFloorOf20) {
  auto s = PlaceFixed(200, 120, 6, 12);
  s->Alignment(quorin::tLeft);
  EXPECT_EQ(s->WidestTab, 20);
  EXPECT_EQ(s->BodyRect.left, 20);
  const int tops[] = {2, 25, 48};
  for (int i = 1; i <= 3; ++i) {
    const win32::RECT& r = s->TabRects[i];
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.right, 20);
    EXPECT_EQ(r.top, tops[i - 1]);
    EXPECT_EQ(r.bottom, tops[i - 1] + 22);
  }
  // Six rows need 140 pixels: the panel shows, as wide as the widest tab without the floor.
  EXPECT_TRUE(s->picBlank->Visible());
  EXPECT_EQ(s->picBlank->Width(), 12);
  EXPECT_EQ(s->picBlank->Top(), 120 - 46);
  EXPECT_EQ(s->pRightDown->Top(), 26);
}

TEST_F(TabstripTest, AutomaticWidthsComeFromCaptionAndPicture) {
  auto s = Place(400, 120);
  form_->Show();
  vb::PixelBuffer pixels;
  pixels.width = 16;
  pixels.height = 16;
  pixels.pixels.assign(256, 0xFF000000u);
  s->TabCaption(1, "&File");
  s->AddTab(60, "", true, true, vb::MakeBitmapPicture(std::move(pixels)));
  s->TabCaption(2, "");
  const int text = static_cast<int>(s->TextWidth("File"));
  EXPECT_EQ(s->TabRects[1].right - s->TabRects[1].left, text + 10);
  EXPECT_EQ(s->TabRects[2].right - s->TabRects[2].left, 16 + 10);
  // Left alignment: every tab has the band's width.
  s->Alignment(quorin::tLeft);
  EXPECT_EQ(s->WidestTab, std::max(text + 10, 26));
  EXPECT_EQ(s->TabRects[2].right, s->WidestTab);
}

TEST_F(TabstripTest, AnUnknownAlignmentDrawsOnlyTheBodyFrame) {
  auto s = PlaceFixed(200, 100, 3, 40);
  s->Alignment(static_cast<quorin::eTabAlignment>(7));
  EXPECT_EQ(s->BodyRect.left, 0);
  EXPECT_EQ(s->BodyRect.top, 0);
  EXPECT_EQ(s->BodyRect.right, 200);
  EXPECT_EQ(s->BodyRect.bottom, 100);
  EXPECT_EQ(At(*s, 0, 0), s->FrameColor());
  EXPECT_EQ(At(*s, 5, 5), s->BackColor());
  EXPECT_FALSE(s->picBlank->Visible());
}

}  // namespace
}  // namespace tabstrip_test

namespace tabstrip_test {
namespace {

// A press on the back arrow whose release never comes still returns once the first tab shows.
TEST_F(TabstripTest, AHeldBackArrowStopsRepeatingAtTheFirstTab) {
  auto s = PlaceFixed(300, 120, 10, 60);
  s->FirstVisibleTab = 4;
  s->DrawTab();
  ASSERT_EQ(s->FirstVisibleTab, 4);
  win32::RECT r;
  win32::GetWindowRect(s->pLeftUp->hWnd(), &r);
  robot().MoveTo(r.left + 9, r.top + 9).Press();
  Run();
  EXPECT_EQ(s->FirstVisibleTab, 1);
  EXPECT_TRUE(s->ScrollBackHeld);  // until the release
  robot().Release();
  Run();
  EXPECT_FALSE(s->ScrollBackHeld);
}

}  // namespace
}  // namespace tabstrip_test

namespace tabstrip_test {
namespace {

TEST_F(TabstripTest, ThePanelCoversTheEndOfTheBandInEveryAlignment) {
  auto s = PlaceFixed(300, 120, 10, 60);
  struct Case {
    quorin::eTabAlignment alignment;
    float left, top, width, height;
    int first_tab_left, first_tab_top;
  };
  const Case cases[] = {
      {quorin::tTop, 260, 0, 40, 22, 2, 2},
      {quorin::tBottom, 260, 98, 40, 22, 2, 96},
      {quorin::tLeft, 0, 74, 60, 46, 2, 2},
      {quorin::tRight, 240, 74, 300, 46, 240, 2},
  };
  for (const Case& c : cases) {
    s->Alignment(c.alignment);
    EXPECT_TRUE(s->picBlank->Visible()) << c.alignment;
    EXPECT_EQ(s->picBlank->Left(), c.left) << c.alignment;
    EXPECT_EQ(s->picBlank->Top(), c.top) << c.alignment;
    EXPECT_EQ(s->picBlank->Width(), c.width) << c.alignment;
    EXPECT_EQ(s->picBlank->Height(), c.height) << c.alignment;
    EXPECT_EQ(s->TabRects[1].left, c.first_tab_left) << c.alignment;
    EXPECT_EQ(s->TabRects[1].top, c.first_tab_top) << c.alignment;
  }
}

}  // namespace
}  // namespace tabstrip_test
