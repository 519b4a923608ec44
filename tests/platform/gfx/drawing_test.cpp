#include <gtest/gtest.h>

#include "gfx_fixture.h"
#include "platform/gfx/line_raster.h"

namespace {

using gfx_test::kWhite;
using gfx_test::Surface;
using Pixels = std::set<std::pair<int, int>>;

struct LineCase {
  int x0, y0, x1, y1;
  Pixels expected;
};

TEST(Lines, ChoosePixelsAsThePlatformDoes) {
  const LineCase cases[] = {
      {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
      {0, 0, 2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
      // The tab strip's arrow glyphs.
      {6, 9, 10, 5, {{6, 9}, {7, 8}, {8, 7}, {9, 6}}},
      {6, 9, 10, 13, {{6, 9}, {7, 10}, {8, 11}, {9, 12}}},
      // Horizontal and vertical lines are half-open spans in either direction.
      {2, 3, 6, 3, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}},
      {6, 3, 2, 3, {{6, 3}, {5, 3}, {4, 3}, {3, 3}}},
      {1, 5, 1, 2, {{1, 5}, {1, 4}, {1, 3}}},
      {4, 4, 4, 4, {}},
  };
  for (const auto& c : cases) {
    Surface s(16, 16);
    win32::MoveToEx(s.hdc(), c.x0, c.y0, nullptr);
    win32::LineTo(s.hdc(), c.x1, c.y1);
    EXPECT_EQ(s.Ink(), c.expected) << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
  }
}

TEST(Lines, ALineAndItsReverseCoverTheSamePixels) {
  // Every direction in a 9 x 9 neighbourhood, with the end points swapped.
  for (int dx = -8; dx <= 8; ++dx) {
    for (int dy = -8; dy <= 8; ++dy) {
      Pixels forward, backward;
      gfx::RasterizeLine(0, 0, dx, dy, [&](int x, int y) { forward.insert({x, y}); });
      gfx::RasterizeLine(dx, dy, 0, 0, [&](int x, int y) { backward.insert({x, y}); });
      forward.insert({dx, dy});
      backward.insert({0, 0});
      EXPECT_EQ(forward, backward) << dx << "," << dy;
    }
  }
}

TEST(Lines, UseThePenAndMoveTheCurrentPosition) {
  Surface s(8, 8);
  win32::HPEN red = win32::CreatePen(win32::PS_SOLID, 1, vb::RGB(255, 0, 0));
  win32::HGDIOBJ old = win32::SelectObject(s.hdc(), red);
  EXPECT_EQ(old, win32::GetStockObject(win32::BLACK_PEN));
  win32::MoveToEx(s.hdc(), 0, 0, nullptr);
  win32::LineTo(s.hdc(), 3, 0);
  win32::LineTo(s.hdc(), 3, 3);
  EXPECT_EQ(s.at(0, 0), vb::RGB(255, 0, 0));
  EXPECT_EQ(s.at(3, 0), vb::RGB(255, 0, 0));  // the second line starts where the first ended
  EXPECT_EQ(s.at(3, 3), kWhite);
  win32::SelectObject(s.hdc(), win32::GetStockObject(win32::NULL_PEN));
  win32::MoveToEx(s.hdc(), 0, 5, nullptr);
  win32::LineTo(s.hdc(), 6, 5);
  EXPECT_EQ(s.at(2, 5), kWhite);
  win32::SelectObject(s.hdc(), old);
  EXPECT_TRUE(win32::DeleteObject(red));
}

TEST(Rectangles, FillAndFrameStayInsideTheRightAndBottomEdges) {
  Surface s(12, 12);
  win32::HBRUSH blue = win32::CreateSolidBrush(vb::RGB(0, 0, 255));
  const win32::RECT r{2, 3, 7, 9};
  win32::FillRect(s.hdc(), &r, blue);
  EXPECT_EQ(s.at(2, 3), vb::RGB(0, 0, 255));
  EXPECT_EQ(s.at(6, 8), vb::RGB(0, 0, 255));
  EXPECT_EQ(s.at(7, 8), kWhite);
  EXPECT_EQ(s.at(6, 9), kWhite);
  EXPECT_EQ(s.at(1, 3), kWhite);
  EXPECT_EQ(s.Ink().size(), 5u * 6u);

  Surface f(12, 12);
  win32::FrameRect(f.hdc(), &r, blue);
  Pixels frame;
  for (int x = 2; x < 7; ++x) frame.insert({x, 3}), frame.insert({x, 8});
  for (int y = 3; y < 9; ++y) frame.insert({2, y}), frame.insert({6, y});
  EXPECT_EQ(f.Ink(), frame);
  win32::DeleteObject(blue);
}

TEST(Rectangles, EmptyOrInvertedRectanglesDrawNothing) {
  const win32::RECT cases[] = {{5, 5, 5, 9}, {5, 5, 9, 5}, {7, 5, 3, 9}, {3, 9, 7, 5}};
  for (const auto& r : cases) {
    Surface s(12, 12);
    win32::FillRect(s.hdc(), &r, win32::GetStockObject(win32::BLACK_BRUSH));
    win32::FrameRect(s.hdc(), &r, win32::GetStockObject(win32::BLACK_BRUSH));
    EXPECT_TRUE(s.Ink().empty()) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

TEST(Rectangles, SystemColourBrushesFollowTheScheme) {
  Surface s(4, 4);
  const win32::RECT r{0, 0, 2, 2};
  // A brush handle of colour index + 1 paints that system colour.
  win32::FillRect(s.hdc(), &r, vb::COLOR_BTNSHADOW + 1);
  EXPECT_EQ(s.at(0, 0), vb::GetSysColor(vb::COLOR_BTNSHADOW));
  win32::HBRUSH face = win32::GetSysColorBrush(vb::COLOR_BTNFACE);
  vb::SetSysColor(vb::COLOR_BTNFACE, vb::RGB(9, 8, 7));
  win32::FillRect(s.hdc(), &r, face);
  EXPECT_EQ(s.at(1, 1), vb::RGB(9, 8, 7));
  vb::SetColorScheme(vb::ClassicColorScheme());
}

TEST(FocusRectangle, InvertsEveryOtherFramePixelAndErasesItself) {
  Surface s(10, 8);
  const win32::RECT r{1, 1, 8, 6};
  win32::DrawFocusRect(s.hdc(), &r);
  Pixels dots;
  for (int y = 1; y < 6; ++y) {
    for (int x = 1; x < 8; ++x) {
      const bool frame = x == 1 || x == 7 || y == 1 || y == 5;
      if (frame && (x + y) % 2 == 0) dots.insert({x, y});
    }
  }
  EXPECT_EQ(s.Ink(), dots);
  EXPECT_EQ(s.at(2, 2 + 1 - 1), kWhite);  // interior untouched
  EXPECT_EQ(s.at(1, 1), 0x000000u);       // white inverted to black
  win32::DrawFocusRect(s.hdc(), &r);
  EXPECT_TRUE(s.Ink().empty());
}

TEST(Edges, RaisedOuterSoftEdgeEndsDarkAtTwoCorners) {
  Surface s(6, 5);
  win32::RECT r{0, 0, 6, 5};
  win32::DrawEdge(s.hdc(), &r, win32::BDR_RAISEDOUTER, win32::BF_RECT | win32::BF_SOFT);
  const vb::COLORREF light = vb::GetSysColor(vb::COLOR_BTNHIGHLIGHT);
  const vb::COLORREF dark = vb::GetSysColor(vb::COLOR_3DDKSHADOW);
  EXPECT_EQ(s.at(0, 0), light);
  EXPECT_EQ(s.at(3, 0), light);
  EXPECT_EQ(s.at(0, 2), light);
  EXPECT_EQ(s.at(5, 0), dark);  // top-right corner
  EXPECT_EQ(s.at(0, 4), dark);  // bottom-left corner
  EXPECT_EQ(s.at(5, 4), dark);
  EXPECT_EQ(s.at(2, 4), dark);
  EXPECT_EQ(s.at(5, 2), dark);
  EXPECT_EQ(s.at(2, 2), kWhite);

  win32::RECT adjusted{0, 0, 6, 5};
  win32::DrawEdge(s.hdc(), &adjusted, win32::EDGE_SUNKEN, win32::BF_RECT | win32::BF_ADJUST);
  EXPECT_EQ(adjusted, (win32::RECT{2, 2, 4, 3}));
}

TEST(Pixels, SetAndGetThroughTheOriginAndClip) {
  Surface s(8, 8);
  EXPECT_TRUE(win32::SetPixelV(s.hdc(), 2, 3, vb::RGB(10, 20, 30)));
  EXPECT_EQ(win32::GetPixel(s.hdc(), 2, 3), vb::RGB(10, 20, 30));
  EXPECT_FALSE(win32::SetPixelV(s.hdc(), 8, 0, 0));
  EXPECT_EQ(win32::GetPixel(s.hdc(), -1, 0), win32::CLR_INVALID);

  win32::SetViewportOrgEx(s.hdc(), 3, 2, nullptr);
  win32::SetPixelV(s.hdc(), 0, 0, vb::RGB(1, 1, 1));
  EXPECT_EQ(s.at(3, 2), vb::RGB(1, 1, 1));
  win32::SetViewportOrgEx(s.hdc(), 0, 0, nullptr);

  win32::HRGN clip = win32::CreateRectRgn(0, 0, 4, 4);
  win32::SelectClipRgn(s.hdc(), clip);
  const win32::RECT all{0, 0, 8, 8};
  win32::FillRect(s.hdc(), &all, win32::GetStockObject(win32::BLACK_BRUSH));
  EXPECT_EQ(s.at(3, 3), 0u);
  EXPECT_EQ(s.at(4, 4), kWhite);
  win32::SelectClipRgn(s.hdc(), 0);
  win32::DeleteObject(clip);
}

TEST(Handles, BadHandlesFailQuietly) {
  const win32::RECT r{0, 0, 2, 2};
  EXPECT_FALSE(win32::FillRect(12345678, &r, win32::GetStockObject(win32::BLACK_BRUSH)));
  EXPECT_FALSE(win32::LineTo(0, 1, 1));
  EXPECT_EQ(win32::SelectObject(0, win32::GetStockObject(win32::BLACK_PEN)), 0u);
  EXPECT_FALSE(win32::DeleteObject(0));
  EXPECT_EQ(win32::CombineRgn(0, 0, 0, win32::RGN_OR), win32::ERROR);
  win32::HBRUSH brush = win32::CreateSolidBrush(0);
  EXPECT_TRUE(win32::DeleteObject(brush));
  EXPECT_FALSE(win32::DeleteObject(brush));  // already gone
  Surface s(2, 2);
  EXPECT_EQ(win32::FillRect(s.hdc(), &r, brush), 0);
  // Stock objects survive deletion.
  EXPECT_TRUE(win32::DeleteObject(win32::GetStockObject(win32::WHITE_BRUSH)));
  EXPECT_NE(gfx::GdiObjects().Find(win32::GetStockObject(win32::WHITE_BRUSH)), nullptr);
}

}  // namespace

namespace {

TEST(Surfaces, ADeviceContextFollowsItsBitmapWhenItIsResizedInPlace) {
  gfx_test::Surface s(20, 20);
  s.bitmap().Resize(4, 3);
  const win32::RECT all{0, 0, 20, 20};
  win32::FillRect(s.hdc(), &all, win32::GetStockObject(win32::BLACK_BRUSH));
  EXPECT_FALSE(win32::SetPixelV(s.hdc(), 10, 10, 0));
  EXPECT_EQ(s.Ink().size(), 12u);
  s.bitmap().Resize(30, 30);
  EXPECT_TRUE(win32::SetPixelV(s.hdc(), 25, 25, 0));
  EXPECT_EQ(s.at(25, 25), 0u);
}

}  // namespace

namespace {

TEST(Surfaces, InvertingAHugeRectangleInvertsTheWholeBitmapOnce) {
  gfx_test::Surface s(4, 3);
  const win32::RECT huge{-100000000, -100000000, 100000000, 100000000};
  EXPECT_TRUE(win32::InvertRect(s.hdc(), &huge));
  EXPECT_EQ(s.Ink().size(), 12u);
  EXPECT_EQ(s.at(3, 2), 0u);
  win32::DrawFocusRect(s.hdc(), &huge);  // its frame lies outside: nothing changes
  EXPECT_EQ(s.Ink().size(), 12u);
}

}  // namespace
