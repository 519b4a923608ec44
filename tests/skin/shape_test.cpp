#include "foundation/fade.h"
#include "platform/gfx/gdi.h"
#include "platform/win/styles.h"
#include "platform/win/user32.h"
#include "tests/skin/skin_fixture.h"

namespace {

using SkinShape = skintest::SkinFixture;

std::uint8_t Alpha(win32::HWND hwnd) {
  std::uint8_t alpha = 0;
  win32::DWORD flags = 0;
  win32::GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags);
  return alpha;
}

bool Topmost(win32::HWND hwnd) {
  return (win32::GetWindowLongA(hwnd, win32::GWL_EXSTYLE) & win32::WS_EX_TOPMOST) != 0;
}

TEST_F(SkinShape, TheOutlineCutsEachCornerRowByRow) {
  auto skin = Place();
  form_->Move(1500, 1500, 300 * 15, 200 * 15);
  skin->ReTransObj(form_);
  win32::HRGN region = win32::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(win32::GetWindowRgn(form_->hWnd(), region), 0);
  const int w = 300, h = 200;
  // Inclusive x ranges of each row; rows 3 to h - 5 run from 1 to w - 2.
  const struct {
    int row, first, last;
  } rows[] = {{0, 5, w - 6},     {1, 3, w - 4},     {2, 2, w - 3},
              {3, 1, w - 2},     {100, 1, w - 2},   {h - 5, 1, w - 2},
              {h - 4, 2, w - 3}, {h - 3, 2, w - 3}, {h - 2, 3, w - 4}};
  for (const auto& r : rows) {
    EXPECT_FALSE(win32::PtInRegion(region, r.first - 1, r.row)) << "row " << r.row;
    EXPECT_TRUE(win32::PtInRegion(region, r.first, r.row)) << "row " << r.row;
    EXPECT_TRUE(win32::PtInRegion(region, r.last, r.row)) << "row " << r.row;
    EXPECT_FALSE(win32::PtInRegion(region, r.last + 1, r.row)) << "row " << r.row;
  }
  for (int x = 0; x < w; ++x) EXPECT_FALSE(win32::PtInRegion(region, x, h - 1)) << x;
  EXPECT_FALSE(win32::PtInRegion(region, 0, 100));
  EXPECT_TRUE(win32::PtInRegion(region, 1, 100));
  win32::DeleteObject(region);
}

TEST_F(SkinShape, ASmallFormIsEnlargedToTheMinimumFirst) {
  auto skin = Place();
  form_->Move(1500, 1500, 2000, 1000);
  skin->ReTransObj(form_);
  EXPECT_FLOAT_EQ(form_->Width(), 3400);
  EXPECT_FLOAT_EQ(form_->Height(), 1850);
  // An object without a size or window gets nothing and raises nothing.
  skin->ReTransObj(skin->Caption1);
  skin->ReTransObj(nullptr);
}

TEST_F(SkinShape, TheFadeInReachesFullOpacityOnTheFiftyFirstTick) {
  auto skin = Place();
  skin->GradualChange(true);
  form_->Show();
  const win32::HWND hwnd = form_->hWnd();
  EXPECT_EQ(Alpha(hwnd), 0);
  EXPECT_TRUE(skin->Timer1->running());
  Wait(50 * 20 + 5);  // fifty ticks
  EXPECT_EQ(skin->m_Alpha, 250);
  EXPECT_EQ(Alpha(hwnd), 250);
  EXPECT_TRUE(skin->Timer1->running());
  Wait(20);  // the fifty-first
  EXPECT_EQ(Alpha(hwnd), 255);
  EXPECT_FALSE(skin->Timer1->running());
}

TEST_F(SkinShape, WithoutFadesTheFormIsOpaqueAndTopmostAtOnce) {
  auto skin = Place();
  form_->Show();
  EXPECT_EQ(Alpha(form_->hWnd()), 255);
  EXPECT_TRUE(Topmost(form_->hWnd()));
  EXPECT_FALSE(skin->Timer1->running());
}

TEST_F(SkinShape, TheFadeOutClosesOnTheFortySecondTickWithTheFormStillLoaded) {
  auto skin = Place();
  form_->Show();
  skin->GradualChange(true);  // after showing: only the closing fades
  const win32::HWND hwnd = form_->hWnd();
  EXPECT_EQ(Alpha(hwnd), 255);
  robot().Do("close", [skin] { skin->CloseButton->Click(); });
  Wait(41 * 20 + 5);
  EXPECT_TRUE(form_->alive());
  EXPECT_EQ(Alpha(hwnd), 50);
  EXPECT_TRUE(close_events_.empty());
  Wait(20);
  EXPECT_EQ(close_events_, std::vector<std::string>{"loaded"});
  EXPECT_FALSE(form_->alive());
}

TEST_F(SkinShape, ClosingDuringTheFadeInEndsItAndFadesOut) {
  auto skin = Place();
  skin->GradualChange();
  form_->Show();
  Wait(10 * 20 + 5);
  robot().Do("close", [skin] { skin->CloseButton->Click(); });
  Wait(25);
  EXPECT_FALSE(skin->Timer1->running());
  Wait(42 * 20);
  EXPECT_EQ(close_events_.size(), 1u);
  EXPECT_FALSE(form_->alive());
}

TEST_F(SkinShape, FormOnTopPinsReleasesOrOnlyRaises) {
  auto skin = Place();
  form_->Show();
  const win32::HWND hwnd = form_->hWnd();
  skin->FormOnTop(static_cast<std::int32_t>(hwnd), 0);
  EXPECT_FALSE(Topmost(hwnd));
  skin->FormOnTop(static_cast<std::int32_t>(hwnd), -1);
  EXPECT_TRUE(Topmost(hwnd));
  skin->FormOnTop(static_cast<std::int32_t>(hwnd), 5);  // neither True nor False: stays
  EXPECT_TRUE(Topmost(hwnd));
  skin->FormOnTop(0, 0);  // not a window: nothing happens
}

TEST_F(SkinShape, TaskBarShowBringsTheTaskbarOverAMaximisedForm) {
  auto skin = Place();
  form_->Show();
  form_->WindowState(2);
  Run();
  const win32::HWND taskbar = win32::FindWindowA("Shell_TrayWnd", nullptr);
  win32::RECT before{};
  win32::GetWindowRect(taskbar, &before);
  skin->TaskBarShow();
  // The taskbar now lies above the form in the z-order, and kept its place.
  EXPECT_TRUE(Above(taskbar, form_->hWnd()));
  win32::RECT after{};
  win32::GetWindowRect(taskbar, &after);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.bottom, before.bottom);
}

}  // namespace
