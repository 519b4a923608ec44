// How the progress bar draws: its frame, the Default row, the Search group, the skins.

#include <gtest/gtest.h>

#include "progress_bar/bar_geometry.h"
#include "tests/progress_bar/bar_fixture.h"

namespace bartest {
namespace {

using Drawing = ProgressBar;

std::vector<int> Starts(const std::vector<quorin::RowBlock>& blocks) {
  std::vector<int> out;
  for (const auto& b : blocks) out.push_back(static_cast<int>(b.x));
  return out;
}

TEST_F(Drawing, TheFrameIsCutFromItsPictureAroundAWhiteWell) {
  auto bar = Place(100, 20);
  // Corners unscaled; the bottom edge from the picture's column 3; the well white.
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(Pixel(*bar, x, y), Art("img", x, y));
      EXPECT_EQ(Pixel(*bar, 97 + x, y), Art("img", 56 + x, y));
      EXPECT_EQ(Pixel(*bar, x, 17 + y), Art("img", x, 10 + y));
      EXPECT_EQ(Pixel(*bar, 97 + x, 17 + y), Art("img", 56 + x, 10 + y));
      EXPECT_EQ(Pixel(*bar, 50, 17 + y), Art("img", 3, 10 + y));
    }
  }
  EXPECT_EQ(Pixel(*bar, 50, 10), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(*bar, 3, 3), Art("img", 4, 4));
  EXPECT_EQ(Pixel(*bar, 96, 16), Art("img", 54, 10));
}

TEST_F(Drawing, DefaultRowFollowsThePixelsPerUnit) {
  struct Case {
    const char* name;
    std::vector<int> values;  // set in turn on a fresh bar 100 px wide, Min 0, Max 100
    std::vector<int> starts;
    int last_width;
  };
  const Case cases[] = {
      {"half", {50}, {4, 14, 24, 34, 44}, 8},
      {"half, then less: wiped and redrawn", {50, 40}, {4, 14, 24, 34}, 8},
      {"full: the last block is squeezed", {100}, {4, 14, 24, 34, 44, 54, 64, 74, 84, 94}, 3},
      {"exactly on a block edge", {54}, {4, 14, 24, 34, 44}, 8},
      {"just past it", {55}, {4, 14, 24, 34, 44, 54}, 8},
      {"rising in steps", {12, 30, 35}, {4, 14, 24, 34}, 8},
      {"back to Min: empty", {70, 0}, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    quorin::RowState row;
    std::vector<quorin::RowBlock> drawn;
    int previous = 0;
    for (int v : c.values) {
      if (v <= 0 || v < previous) {
        row = {};
        drawn.clear();
      }
      previous = v;
      for (const auto& b : quorin::AdvanceRow(row, v * 1.0, 100, 8)) drawn.push_back(b);
    }
    EXPECT_EQ(Starts(drawn), c.starts);
    EXPECT_EQ(drawn.empty() ? 0 : drawn.back().w, c.last_width);

    // The control draws the same blocks.
    auto bar = Place();
    for (int v : c.values) bar->Value(v);
    EXPECT_EQ(BlockStarts(*bar, "master_2"), c.starts);
    host::Unload(*form_);
    form_ = host::NewForm("Form1");
  }
}

TEST_F(Drawing, AFullRowTakesNoMoreBlocksUntilWiped) {
  auto bar = Place();
  bar->Value(100);
  EXPECT_TRUE(bar->full());
  EXPECT_EQ(Pixel(*bar, 96, 8), Art("master_2", 2, 5));
  EXPECT_EQ(Pixel(*bar, 97, 8), Art("img", 56, 6));  // the border is left alone
  bar->Max(200);
  bar->Value(200);
  EXPECT_EQ(BlockStarts(*bar, "master_2").size(), 10u);
}

TEST_F(Drawing, ARisingValuePaintsOnlyTheNewBlocks) {
  auto bar = Place();
  bar->Value(50);
  std::vector<std::uint32_t> before;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 100; ++x) before.push_back(bar->image().pixel(x, y));
  }
  bar->Value(62);
  int first_changed = -1;
  int last_changed = -1;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (before[static_cast<std::size_t>(y * 100 + x)] == bar->image().pixel(x, y)) continue;
      if (first_changed < 0 || x < first_changed) first_changed = x;
      last_changed = std::max(last_changed, x);
    }
  }
  EXPECT_EQ(first_changed, 54);
  EXPECT_EQ(last_changed, 61);
}

TEST_F(Drawing, AZeroRangeDrawsNothingAndDoesNotFail) {
  auto bar = Place();
  bar->Value(60);
  bar->Max(60);
  bar->Min(60);
  bar->Value(60);  // Value = Min: wiped
  EXPECT_TRUE(BlockStarts(*bar, "master_2").empty());
  EXPECT_TRUE(boxes_.empty());

  // A stored zero range with Value above it: nothing more is drawn.
  host::PropertyBag stored;
  stored.Put("Min", std::int32_t{5});
  stored.Put("Max", std::int32_t{5});
  auto other = form_->Add<quorin::XpProgressBar>("XpProgressBar2", {300, 900, 1500, 240}, &stored);
  other->Style(0);
  other->Value(5);
  EXPECT_TRUE(BlockStarts(*other, "master_2").empty());
}

TEST_F(Drawing, AStoredRangeWiderThan32BitsStillMapsValuesToPixels) {
  host::PropertyBag stored;
  stored.Put("Min", std::int32_t{-2000000000});
  stored.Put("Max", std::int32_t{2000000000});
  auto bar = Place(100, 16, &stored);
  bar->Value(0);  // half way
  EXPECT_EQ(BlockStarts(*bar, "master_2"), (std::vector<int>{4, 14, 24, 34, 44}));
}

TEST_F(Drawing, ASkinChangeColoursOnlyTheBlocksThatFollow) {
  auto bar = Place();
  bar->Value(30);
  bar->Skin(3);  // Red
  EXPECT_EQ(BlockStarts(*bar, "master_2"), (std::vector<int>{4, 14, 24}));
  bar->Value(60);
  EXPECT_EQ(BlockStarts(*bar, "master_2"), (std::vector<int>{4, 14, 24}));
  EXPECT_EQ(BlockStarts(*bar, "redmet_2"), (std::vector<int>{34, 44, 54}));
  bar->Skin(9);  // no such set: the red blocks stay active
  EXPECT_EQ(bar->pc(0).Picture(), artwork::Picture("progress_bar/redmet_0"));
}

TEST_F(Drawing, TheSearchGroupRunsRightAndWrapsToTheLeft) {
  std::vector<int> starts;
  std::int16_t s = 4;
  for (int i = 0; i < 23; ++i) {
    starts.push_back(s);
    std::int16_t next = 0;
    const auto paints = quorin::SearchPaints(s, 100, 8, next);
    if (s == 99) {
      // Only the previous group's tail is erased; nothing new, and the next start is 2.
      ASSERT_EQ(paints.size(), 1u);
      EXPECT_EQ(paints[0].picture, quorin::SearchPicture::kBlank);
      EXPECT_EQ(paints[0].x, 94);
    }
    s = next;
  }
  EXPECT_EQ(starts.front(), 4);
  EXPECT_EQ(starts[19], 99);
  EXPECT_EQ(starts[20], 2);
  EXPECT_EQ(starts[21], 7);

  // Near the right end the group leaves out what does not fit and clears the rest.
  std::int16_t next = 0;
  const auto end = quorin::SearchPaints(96, 100, 8, next);
  EXPECT_EQ(next, 2);
  ASSERT_EQ(end.size(), 2u);
  EXPECT_EQ(end[1].picture, quorin::SearchPicture::kBlank);
  EXPECT_EQ(end[1].x, 96);
  EXPECT_EQ(end[1].w, 1);
}

TEST_F(Drawing, SearchStepsPaintTheGroupAndValueAtMaxWipes) {
  auto bar = Place();
  bar->Style(1);
  bar->Value(1);  // group at 4
  bar->Value(2);  // group at 9
  EXPECT_EQ(bar->search_x(), 14);
  EXPECT_EQ(Pixel(*bar, 9, 8), Art("master_0", 0, 5));
  EXPECT_EQ(Pixel(*bar, 14, 8), Art("master_1", 0, 5));
  EXPECT_EQ(Pixel(*bar, 19, 8), Art("master_2", 0, 5));
  EXPECT_EQ(Pixel(*bar, 4, 8), 0xFFFFFFFFu);  // the tail erased
  bar->Value(100);
  EXPECT_EQ(bar->search_x(), 4);
  EXPECT_EQ(Pixel(*bar, 19, 8), 0xFFFFFFFFu);
}

TEST_F(Drawing, BarsSmallerThanTheBordersDrawWhatFits) {
  for (int w : {1, 4, 6, 7}) {
    for (int h : {1, 5, 7}) {
      SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
      auto bar = Place(w, h);
      bar->Value(100);
      bar->Style(1);
      for (int v = 1; v < 5; ++v) bar->Value(v);
      host::Unload(*form_);
      form_ = host::NewForm("Form1");
    }
  }
}

}  // namespace
}  // namespace bartest
