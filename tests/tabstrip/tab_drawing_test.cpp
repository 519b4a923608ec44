#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "tabstrip/tab_drawing_tools.h"
#include "tabstrip/tab_outline.h"
#include "tests/tabstrip/tabstrip_fixture.h"

namespace tabstrip_test {
namespace {

using quorin::XPTabstrip;

vb::COLORREF Shift(vb::COLORREF c, int n) {
  return quorin::ShiftColor(c, n);
}

// Two fixed tabs 60 wide; the second is selected so the first is drawn unselected.
class DrawingTest : public TabstripTest {
 protected:
  std::shared_ptr<XPTabstrip> TwoTabs(int width = 300, int height = 120) {
    auto s = PlaceFixed(width, height, 2, 60);
    s->SelectedTab(2);
    return s;
  }
};

TEST_F(DrawingTest, UnselectedTabGradientRows) {
  struct Case {
    vb::COLORREF back;
    int row;
    vb::COLORREF expected;
  };
  const Case cases[] = {
      {vb::RGB(240, 240, 224), 21, vb::RGB(220, 220, 204)},
      {vb::RGB(240, 240, 224), 20, vb::RGB(220, 220, 204)},
      {vb::RGB(240, 240, 224), 19, vb::RGB(222, 222, 206)},
      {vb::RGB(240, 240, 224), 11, vb::RGB(238, 238, 224)},
      {vb::RGB(240, 240, 224), 3, vb::RGB(253, 253, 242)},
      {vb::RGB(100, 50, 200), 21, vb::RGB(80, 30, 180)},
      {vb::RGB(100, 50, 200), 11, vb::RGB(100, 50, 200)},
      {vb::RGB(100, 50, 200), 3, vb::RGB(118, 68, 218)},
  };
  auto s = TwoTabs();
  for (const Case& c : cases) {
    s->BackColor(c.back);
    ASSERT_EQ(s->TabRects[1].left, 2);
    ASSERT_EQ(s->TabRects[1].bottom, 22);
    // Columns 3 to 61 carry the gradient; the outline is at 2 and 62.
    // Columns 3 to 61 carry the gradient (row 3 has the corner pixels at 3 and 61).
    for (int x : {4, 30, 60}) EXPECT_EQ(At(*s, x, c.row), c.expected) << c.row << " x " << x;
  }
  s->FrameColor(vb::RGB(1, 2, 3));
  EXPECT_EQ(At(*s, 2, 11), vb::RGB(1, 2, 3));
  EXPECT_EQ(At(*s, 62, 11), vb::RGB(1, 2, 3));
  EXPECT_EQ(At(*s, 3, 3), vb::RGB(1, 2, 3));  // the corner pixel (L+1, T+1)
}

TEST_F(DrawingTest, SelectedTopTabOutlineAndWipingLine) {
  auto s = PlaceFixed(300, 120, 2, 60);  // tab 1 at (2, 2, 62, 22) is selected
  const vb::COLORREF frame = s->FrameColor();
  const vb::COLORREF back = s->BackColor();
  for (int y = 2; y <= 21; ++y) {
    EXPECT_EQ(At(*s, 0, y), frame) << y;
    EXPECT_EQ(At(*s, 64, y), frame) << y;
  }
  for (int x = 2; x <= 62; ++x) EXPECT_EQ(At(*s, x, 0), frame) << x;
  EXPECT_EQ(At(*s, 1, 1), frame);
  EXPECT_EQ(At(*s, 63, 1), frame);
  for (int x = 1; x <= 63; ++x) EXPECT_EQ(At(*s, x, 22), back) << x;
  EXPECT_EQ(At(*s, 80, 22), frame);  // the body frame beside the tab
}

TEST_F(DrawingTest, SelectedTabOutlineInEveryAlignment) {
  auto s = PlaceFixed(240, 160, 2, 60);
  const vb::COLORREF frame = s->FrameColor();
  const vb::COLORREF back = s->BackColor();
  for (auto a : {quorin::tTop, quorin::tLeft, quorin::tRight, quorin::tBottom}) {
    s->Alignment(a);
    const win32::RECT r = s->TabRects[1];
    quorin::TabOutline o;
    ASSERT_TRUE(quorin::OutlineOf(a, r, true, o));
    for (const auto& p : o.corners) EXPECT_EQ(At(*s, p.x, p.y), frame) << a;
    for (const auto& l : o.lines) EXPECT_EQ(At(*s, l.x1, l.y1), frame) << a;
    // The wiping line lies on the body frame: back colour beside the tab, frame beyond it.
    const auto& w = o.wipe;
    EXPECT_EQ(At(*s, (w.x1 + w.x2) / 2, (w.y1 + w.y2) / 2), back) << a;
    const bool across = w.y1 == w.y2;
    EXPECT_EQ(At(*s, across ? w.x2 + 100 : w.x1, across ? w.y1 : w.y2 + 60), frame) << a;
  }
  // The wiping line of each alignment is on the body frame line next to the tabs.
  const std::pair<quorin::eTabAlignment, int> lines[] = {{quorin::tTop, 22},
                                                         {quorin::tLeft, 60},
                                                         {quorin::tRight, 240 - 60 - 1},
                                                         {quorin::tBottom, 160 - 22 - 1}};
  for (auto [a, at] : lines) {
    s->Alignment(a);
    quorin::TabOutline o;
    quorin::OutlineOf(a, s->TabRects[1], true, o);
    EXPECT_EQ(a == quorin::tTop || a == quorin::tBottom ? o.wipe.y1 : o.wipe.x1, at) << a;
  }
}

TEST_F(DrawingTest, FocusShowsTheStripAndTheFocusRectangleUnlessSuppressed) {
  auto s = PlaceFixed(300, 120, 2, 60);
  const vb::COLORREF hot = s->TabHotStripColor();
  s->NoFocusRect(true);
  s->UserControl_EnterFocus();
  EXPECT_EQ(At(*s, 10, 0), hot);
  EXPECT_EQ(At(*s, 10, 1), Shift(hot, 20));
  EXPECT_EQ(At(*s, 10, 2), Shift(hot, 40));
  auto dotted = [&] {
    int changed = 0;
    for (int x = 2; x < 62; ++x) changed += At(*s, x, 21) != s->BackColor();
    return changed;
  };
  EXPECT_EQ(dotted(), 0);
  s->NoFocusRect(false);
  EXPECT_GT(dotted(), 10);  // the dotted rectangle on the tab's own rectangle
  EXPECT_EQ(At(*s, 10, 0), hot);
  s->UserControl_LostFocus();
  EXPECT_EQ(At(*s, 10, 0), s->FrameColor());
}

TEST_F(DrawingTest, ArrowButtonsGradientFrameHoverAndGlyph) {
  auto s = PlaceFixed(300, 120, 10, 60);
  s->BackColorScroll(vb::RGB(100, 100, 100));
  const VB::PictureBox& b = *s->pLeftUp;
  EXPECT_EQ(At(b, 0, 0), s->FrameColor());
  EXPECT_EQ(At(b, 17, 17), s->FrameColor());
  EXPECT_EQ(At(b, 1, 16), vb::RGB(70, 70, 70));    // the dark bottom rows
  EXPECT_EQ(At(b, 1, 1), vb::RGB(120, 120, 120));  // dark + 15 x 60 / 18
  const vb::COLORREF arrow = s->ScrollArrowColor();
  for (int x : {6, 7, 8}) EXPECT_EQ(At(b, x, 9), arrow) << x;
  // The lines end short of (10, 5), (11, 5), (12, 5); the extra pixels close the tips.
  for (auto [x, y] : {std::pair{9, 6}, {10, 6}, {11, 6}, {10, 5}, {10, 13}, {11, 12}}) {
    EXPECT_EQ(At(b, x, y), arrow) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{5, 9}, {11, 5}, {12, 5}, {12, 13}}) {
    EXPECT_NE(At(b, x, y), arrow) << x << "," << y;
  }
  const VB::PictureBox& f = *s->pRightDown;
  for (int x : {10, 11, 12}) EXPECT_EQ(At(f, x, 9), arrow) << x;
  EXPECT_EQ(At(f, 8, 5), arrow);
  s->HoverBack = true;
  s->DrawTab();
  EXPECT_EQ(At(b, 1, 1), s->TabHotStripColor());
  EXPECT_NE(At(f, 1, 1), s->TabHotStripColor());
}

TEST_F(DrawingTest, TabPictureIsPaintedWithTheMaskColourTransparent) {
  auto s = TwoTabs();
  vb::PixelBuffer pixels;
  pixels.width = 8;
  pixels.height = 8;
  pixels.pixels.assign(64, 0xFFFF00FFu);   // magenta
  pixels.pixels[4 * 8 + 4] = 0xFF0000FFu;  // one blue pixel
  s->TabPicture(1, vb::MakeBitmapPicture(std::move(pixels)));
  const win32::RECT r = s->TabRects[1];
  EXPECT_EQ(r.right - r.left, 60);  // fixed width: the picture only takes room
  // The picture's room starts 4 pixels into the tab, centred on its height (rows 8 to 15).
  EXPECT_EQ(At(*s, r.left + 4 + 4, r.top + 6 + 4), vb::RGB(0, 0, 255));
  const vb::COLORREF behind = At(*s, r.left + 40, r.top + 6);
  EXPECT_EQ(At(*s, r.left + 4, r.top + 6), behind);  // masked: the gradient shows
  s->MaskColor(vb::RGB(1, 1, 1));
  EXPECT_EQ(At(*s, r.left + 4, r.top + 6), vb::RGB(255, 0, 255));
}

TEST(GradientFill, StepsAboveTwoHundredFiftyFiveUseThickerBands) {
  auto bitmap = std::make_shared<gfx::Bitmap>(4, 600, 0xFFFFFFFFu);
  win32::HDC dc = gfx::CreateDeviceContext(bitmap);
  win32::RECT r{0, 0, 4, 600};
  quorin::GradientFill(dc, r, vb::RGB(255, 255, 255), vb::RGB(0, 0, 0), 510);
  // Bands two rows thick from the bottom: 256 of them.
  EXPECT_EQ(r.bottom, 600 - 2 * 256);
  EXPECT_EQ(gfx::ColorrefFromArgb(bitmap->pixel(0, 599)), vb::RGB(0, 0, 0));
  EXPECT_EQ(gfx::ColorrefFromArgb(bitmap->pixel(0, 597)), vb::RGB(0, 0, 0));
  EXPECT_EQ(gfx::ColorrefFromArgb(bitmap->pixel(0, 595)), vb::RGB(1, 1, 1));
  win32::RECT none{0, 0, 4, 10};
  quorin::GradientFill(dc, none, 0, 0, -1);
  EXPECT_EQ(gfx::ColorrefFromArgb(bitmap->pixel(0, 5)), vb::RGB(255, 255, 255));
  win32::DeleteDC(dc);
}

}  // namespace
}  // namespace tabstrip_test
