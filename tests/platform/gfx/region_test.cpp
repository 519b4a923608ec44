#include <gtest/gtest.h>

#include "platform/gfx/gdi.h"

namespace {

// The rounded outline of a skinned window: six rectangles, two given bottom edge first.
win32::HRGN RoundedOutline(int w, int h) {
  win32::HRGN region = win32::CreateRectRgn(5, 0, w - 5, 1);
  const win32::RECT parts[] = {{3, 1, w - 3, h - 2},
                               {3, h - 1, w - 3, h - 2},
                               {2, 2, w - 2, h - 3},
                               {2, h - 2, w - 2, h - 3},
                               {1, 3, w - 1, h - 4}};
  for (const auto& r : parts) {
    win32::HRGN part = win32::CreateRectRgnIndirect(&r);
    win32::CombineRgn(region, region, part, win32::RGN_OR);
    win32::DeleteObject(part);
  }
  return region;
}

TEST(Regions, SixRectangleOutlineOfA300By200Window) {
  const int w = 300, h = 200;
  win32::HRGN region = RoundedOutline(w, h);
  // Row ranges, x inclusive.
  struct Row {
    int y, first, last;
  };
  const Row rows[] = {{0, 5, w - 6},     {1, 3, w - 4},     {2, 2, w - 3},
                      {3, 1, w - 2},     {100, 1, w - 2},   {h - 5, 1, w - 2},
                      {h - 4, 2, w - 3}, {h - 3, 2, w - 3}, {h - 2, 3, w - 4}};
  for (const auto& row : rows) {
    EXPECT_FALSE(win32::PtInRegion(region, row.first - 1, row.y)) << row.y;
    EXPECT_TRUE(win32::PtInRegion(region, row.first, row.y)) << row.y;
    EXPECT_TRUE(win32::PtInRegion(region, row.last, row.y)) << row.y;
    EXPECT_FALSE(win32::PtInRegion(region, row.last + 1, row.y)) << row.y;
  }
  EXPECT_FALSE(win32::PtInRegion(region, 0, 100));
  EXPECT_TRUE(win32::PtInRegion(region, 1, 100));
  for (int x = 0; x < w; ++x) EXPECT_FALSE(win32::PtInRegion(region, x, h - 1)) << x;
  win32::RECT box;
  EXPECT_EQ(win32::GetRgnBox(region, &box), win32::COMPLEXREGION);
  EXPECT_EQ(box, (win32::RECT{1, 0, w - 1, h - 1}));
  win32::DeleteObject(region);
}

TEST(Regions, CombineModesAndResults) {
  struct Case {
    int mode;
    win32::RECT a, b;
    int result;
    std::pair<int, int> inside, outside;
  };
  const Case cases[] = {
      {win32::RGN_AND, {0, 0, 10, 10}, {5, 5, 15, 15}, win32::SIMPLEREGION, {7, 7}, {2, 2}},
      {win32::RGN_OR, {0, 0, 10, 10}, {5, 5, 15, 15}, win32::COMPLEXREGION, {12, 12}, {12, 2}},
      {win32::RGN_XOR, {0, 0, 10, 10}, {5, 5, 15, 15}, win32::COMPLEXREGION, {2, 2}, {7, 7}},
      {win32::RGN_DIFF, {0, 0, 10, 10}, {5, 5, 15, 15}, win32::COMPLEXREGION, {2, 7}, {7, 7}},
      {win32::RGN_COPY, {0, 0, 10, 10}, {5, 5, 15, 15}, win32::SIMPLEREGION, {2, 2}, {12, 12}},
      {win32::RGN_AND, {0, 0, 4, 4}, {5, 5, 9, 9}, win32::NULLREGION, {-1, -1}, {2, 2}},
      {win32::RGN_OR, {0, 0, 5, 5}, {5, 0, 9, 5}, win32::SIMPLEREGION, {8, 4}, {9, 4}},
  };
  for (const auto& c : cases) {
    win32::HRGN a = win32::CreateRectRgnIndirect(&c.a);
    win32::HRGN b = win32::CreateRectRgnIndirect(&c.b);
    win32::HRGN out = win32::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(win32::CombineRgn(out, a, b, c.mode), c.result) << c.mode;
    if (c.inside.first >= 0) {
      EXPECT_TRUE(win32::PtInRegion(out, c.inside.first, c.inside.second)) << c.mode;
    }
    EXPECT_FALSE(win32::PtInRegion(out, c.outside.first, c.outside.second)) << c.mode;
    for (auto h : {a, b, out}) win32::DeleteObject(h);
  }
}

TEST(Regions, RectanglesNormaliseAndEmptyOnesHoldNothing) {
  win32::HRGN flipped = win32::CreateRectRgn(10, 8, 2, 3);  // given right-to-left, bottom first
  win32::RECT box;
  EXPECT_EQ(win32::GetRgnBox(flipped, &box), win32::SIMPLEREGION);
  EXPECT_EQ(box, (win32::RECT{2, 3, 10, 8}));
  EXPECT_TRUE(win32::PtInRegion(flipped, 2, 3));
  EXPECT_FALSE(win32::PtInRegion(flipped, 10, 3));
  EXPECT_FALSE(win32::PtInRegion(flipped, 2, 8));
  EXPECT_EQ(win32::OffsetRgn(flipped, 5, -3), win32::SIMPLEREGION);
  EXPECT_TRUE(win32::PtInRegion(flipped, 7, 0));

  win32::HRGN empty = win32::CreateRectRgn(4, 4, 4, 9);
  EXPECT_EQ(win32::GetRgnBox(empty, &box), win32::NULLREGION);
  EXPECT_FALSE(win32::PtInRegion(empty, 4, 4));
  win32::DeleteObject(flipped);
  win32::DeleteObject(empty);
}

}  // namespace
