#include "artwork/artwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/vb/error.h"

namespace {

// One row per picture array (first..last index) or single picture (first = last = -1).
struct SlotRow {
  const char* name;
  int first, last;
  int width, height;
};

const SlotRow kSlotTable[] = {
    // Skin design-time elements.
    {"skin/Title", -1, -1, 772, 27},
    {"skin/Left", -1, -1, 9, 493},
    {"skin/Right", -1, -1, 11, 493},
    {"skin/Bottom", -1, -1, 772, 10},
    {"skin/TitleLeft", -1, -1, 8, 35},
    {"skin/TitleRight", -1, -1, 7, 35},
    {"skin/BottomLeft", -1, -1, 15, 10},
    {"skin/BottomRight", -1, -1, 15, 10},
    {"skin/beijin", -1, -1, 390, 231},
    // Theme holder: members 0 and 1 light theme, 2 and 3 black theme.
    {"skin/ThemeX/Image1", 0, 1, 160, 6},
    {"skin/ThemeX/Image1", 2, 3, 298, 30},
    {"skin/ThemeX/Image2", 0, 3, 11, 30},
    {"skin/ThemeX/Image3", 0, 3, 11, 30},
    {"skin/ThemeX/Image4", 0, 1, 10, 491},
    {"skin/ThemeX/Image4", 2, 3, 12, 278},
    {"skin/ThemeX/Image5", 0, 1, 10, 330},
    {"skin/ThemeX/Image5", 2, 3, 14, 279},
    {"skin/ThemeX/Image6", 0, 1, 771, 11},
    {"skin/ThemeX/Image6", 2, 3, 391, 11},
    {"skin/ThemeX/Image7", 0, 1, 11, 10},
    {"skin/ThemeX/Image7", 2, 3, 12, 11},
    {"skin/ThemeX/Image8", 0, 1, 12, 10},
    {"skin/ThemeX/Image8", 2, 3, 12, 11},
    {"skin/ThemeX/beijinicon", -1, -1, 74, 53},
    // About page.
    {"skin/about/Image1", -1, -1, 160, 120},
    {"skin/about/Image2", -1, -1, 48, 48},
    {"skin/about/Image2_32x32", -1, -1, 32, 32},
    {"skin/about/Image2_24x24", -1, -1, 24, 24},
    {"skin/about/Label1_0_MouseIcon", -1, -1, 32, 32},
    // Caption buttons.
    {"skin_parts/CbMin", 0, 7, 26, 18},
    {"skin_parts/CbMax", 0, 9, 26, 18},
    {"skin_parts/CbRestore", 0, 7, 26, 18},
    {"skin_parts/CbClose", 0, 7, 42, 18},
    // Glossy button sets.
    {"glossy_button/im", 0, 3, 18, 21},
    {"glossy_button/bu2", 0, 3, 18, 21},
    {"glossy_button/bu3", 0, 3, 18, 21},
    {"glossy_button/bu4", 0, 3, 18, 21},
    {"glossy_button/bu5", 0, 3, 18, 21},
    {"glossy_button/bu6", 0, 3, 18, 21},
    // Tab strip page arrows.
    {"tabstrip_page/CmdPrevious", -1, -1, 13, 13},
    {"tabstrip_page/CmdNext", -1, -1, 13, 13},
    // Option button boxes.
    {"option_button/img", 0, 7, 13, 13},
    {"option_button/img2", 0, 7, 13, 13},
    // Group frame.
    {"frame/img", -1, -1, 22, 20},
    // Progress bar.
    {"progress_bar/img", -1, -1, 59, 13},
    {"progress_bar/master", 0, 2, 8, 10},
    {"progress_bar/goldmet", 0, 2, 8, 10},
    {"progress_bar/grmet", 0, 2, 8, 10},
    {"progress_bar/redmet", 0, 2, 8, 10},
    {"progress_bar/blank", -1, -1, 8, 10},
    // Notification icon.
    {"tray_icon/Picture", -1, -1, 48, 48},
};

struct ExpectedSlot {
  std::string slot;
  int width, height;
};

std::vector<ExpectedSlot> ExpectedSlots() {
  std::vector<ExpectedSlot> slots;
  for (const SlotRow& row : kSlotTable) {
    if (row.first < 0) {
      slots.push_back({row.name, row.width, row.height});
      continue;
    }
    for (int i = row.first; i <= row.last; ++i) {
      slots.push_back({std::string(row.name) + "_" + std::to_string(i), row.width, row.height});
    }
  }
  return slots;
}

std::string Indexed(const std::string& array, int i) {
  return array + "_" + std::to_string(i);
}

// Straight RGB of a pixel (the buffer is premultiplied; these checks use opaque pixels).
struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};
std::uint32_t Pixel(const std::string& slot, int x, int y) {
  return artwork::Picture(slot)->Pixels()->at(x, y);
}
int AlphaAt(const std::string& slot, int x, int y) {
  return Pixel(slot, x, y) >> 24;
}
Rgb RgbAt(const std::string& slot, int x, int y) {
  const std::uint32_t p = Pixel(slot, x, y);
  return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
          static_cast<int>(p & 0xFF)};
}

void PrintTo(const Rgb& c, std::ostream* os) {
  *os << "RGB(" << c.r << ", " << c.g << ", " << c.b << ")";
}

TEST(ArtworkSlots, EverySlotHasItsSize) {
  for (const ExpectedSlot& e : ExpectedSlots()) {
    SCOPED_TRACE(e.slot);
    vb::PictureRef picture = artwork::Picture(e.slot);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->PixelWidth(), e.width);
    EXPECT_EQ(picture->PixelHeight(), e.height);
  }
}

TEST(ArtworkSlots, RegistryHoldsExactlyTheTabledSlots) {
  std::set<std::string> expected;
  for (const ExpectedSlot& e : ExpectedSlots()) expected.insert(e.slot);
  const std::vector<std::string> slots = artwork::Slots();
  EXPECT_TRUE(std::is_sorted(slots.begin(), slots.end()));
  EXPECT_EQ(std::set<std::string>(slots.begin(), slots.end()), expected);
}

TEST(ArtworkSlots, IconsAreIconPicturesAndTheRestBitmaps) {
  const std::set<std::string> icons = {"skin/about/Image2", "skin/about/Image2_32x32",
                                       "skin/about/Image2_24x24", "skin/about/Label1_0_MouseIcon",
                                       "tray_icon/Picture"};
  for (const std::string& slot : artwork::Slots()) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(artwork::Picture(slot)->Type(),
              icons.count(slot) ? vb::vbPicTypeIcon : vb::vbPicTypeBitmap);
  }
}

TEST(ArtworkSlots, PicturesAreDecodedOnceAndShared) {
  const vb::PictureRef a = artwork::Picture("skin_parts/CbClose_0");
  const vb::PictureRef b = artwork::Picture("skin_parts/CbClose_0");
  EXPECT_EQ(a.get(), b.get());
  EXPECT_EQ(a->Handle(), b->Handle());
  EXPECT_NE(artwork::Picture("skin_parts/CbClose_1").get(), a.get());
  // Members holding equal pictures are still their own objects, like separate holders.
  EXPECT_NE(artwork::Picture("skin/ThemeX/Image2_1").get(),
            artwork::Picture("skin/ThemeX/Image2_0").get());
}

TEST(ArtworkSlots, UnknownSlotIsInvalidPicture) {
  const char* unknown[] = {"",
                           "skin_parts/CbClose_8",  // one past the last face
                           "skin_parts/CbClose_0.png",
                           "skin_parts/cbclose_0",  // names are case-sensitive
                           "skin_parts",
                           "skin/ThemeX/Image1_4"};  // the holder has no third theme
  for (const char* slot : unknown) {
    SCOPED_TRACE(slot);
    try {
      artwork::Picture(slot);
      ADD_FAILURE() << "no error";
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.Number(), vb::kInvalidPicture);
      EXPECT_EQ(e.Detail(), slot);
    }
  }
}

// Pictures drawn as 24-bit bitmaps have no transparent pixel; the option boxes of the XP set,
// the frame's line source and the icons do.
TEST(ArtworkPixels, OpaqueSlotsHaveNoTransparency) {
  const char* transparent_prefixes[] = {"option_button/img_", "frame/img", "skin/about/Image2",
                                        "skin/about/Label1_0_MouseIcon", "tray_icon/"};
  for (const std::string& slot : artwork::Slots()) {
    const bool transparent =
        std::any_of(std::begin(transparent_prefixes), std::end(transparent_prefixes),
                    [&](const char* p) { return slot.starts_with(p); });
    SCOPED_TRACE(slot);
    EXPECT_EQ(artwork::Picture(slot)->Pixels()->has_transparency, transparent);
  }
}

TEST(ArtworkPixels, InactiveThemeMembersEqualActiveOnes) {
  for (int array = 1; array <= 8; ++array) {
    const std::string name = "skin/ThemeX/Image" + std::to_string(array);
    for (int active : {0, 2}) {
      SCOPED_TRACE(Indexed(name, active));
      const auto& a = *artwork::Picture(Indexed(name, active))->Pixels();
      const auto& b = *artwork::Picture(Indexed(name, active + 1))->Pixels();
      EXPECT_EQ(a.width, b.width);
      EXPECT_EQ(a.height, b.height);
      EXPECT_TRUE(a.pixels == b.pixels);
    }
  }
}

TEST(ArtworkPixels, FrameOutlineColourAndOpenCorners) {
  const std::string slot = "frame/img";
  const Rgb line{208, 208, 191};
  // The strips the frame cuts its four lines from are solid outline colour.
  for (int x = 3; x < 19; ++x) {
    EXPECT_EQ(RgbAt(slot, x, 0), line) << "top x=" << x;
    EXPECT_EQ(RgbAt(slot, x, 19), line) << "bottom x=" << x;
    EXPECT_EQ(AlphaAt(slot, x, 0), 255);
  }
  for (int y = 3; y < 17; ++y) {
    EXPECT_EQ(RgbAt(slot, 0, y), line) << "left y=" << y;
    EXPECT_EQ(RgbAt(slot, 21, y), line) << "right y=" << y;
  }
  // Open for two pixels at each corner, in both directions.
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(AlphaAt(slot, i, 0), 0);
    EXPECT_EQ(AlphaAt(slot, 0, i), 0);
    EXPECT_EQ(AlphaAt(slot, 21 - i, 0), 0);
    EXPECT_EQ(AlphaAt(slot, 21, i), 0);
    EXPECT_EQ(AlphaAt(slot, i, 19), 0);
    EXPECT_EQ(AlphaAt(slot, 0, 19 - i), 0);
    EXPECT_EQ(AlphaAt(slot, 21 - i, 19), 0);
    EXPECT_EQ(AlphaAt(slot, 21, 19 - i), 0);
  }
  EXPECT_EQ(AlphaAt(slot, 2, 0), 255);
  EXPECT_EQ(AlphaAt(slot, 0, 2), 255);
}

TEST(ArtworkPixels, ProgressFrameRingsAroundWhiteWell) {
  const std::string slot = "progress_bar/img";
  const Rgb dark{107, 105, 107}, light{189, 190, 189}, near_white{239, 239, 239},
      white{255, 255, 255};
  // Along the middle of each side, from the outside in.
  struct Probe {
    int x, y;
    Rgb expected;
  } probes[] = {
      {29, 0, dark},  {29, 1, light},  {29, 2, near_white}, {29, 3, white},
      {29, 12, dark}, {29, 11, light}, {3, 10, near_white}, {29, 9, white},
      {0, 6, dark},   {1, 6, light},   {2, 6, near_white},  {3, 6, white},
      {58, 6, dark},  {57, 6, light},  {56, 6, near_white}, {55, 6, white},
  };
  for (const Probe& p : probes) {
    EXPECT_EQ(RgbAt(slot, p.x, p.y), p.expected) << "at " << p.x << "," << p.y;
  }
  // The well region the bar stretches (x 4..54, y 4..10) is plain white.
  for (int y = 4; y < 11; ++y) {
    for (int x = 4; x < 55; ++x) ASSERT_EQ(RgbAt(slot, x, y), white) << x << "," << y;
  }
  // Curved corners: the corner pixel itself is lighter than the dark ring.
  EXPECT_GT(RgbAt(slot, 0, 0).r, dark.r);
  EXPECT_GT(RgbAt(slot, 58, 12).r, dark.r);
}

TEST(ArtworkPixels, BlankBlockIsWhite) {
  const auto& blank = *artwork::Picture("progress_bar/blank")->Pixels();
  for (std::uint32_t p : blank.pixels) ASSERT_EQ(p, 0xFFFFFFFFu);
}

TEST(ArtworkPixels, BlocksGrowStrongerFromLightToFull) {
  for (const char* set : {"progress_bar/master", "progress_bar/goldmet", "progress_bar/grmet",
                          "progress_bar/redmet"}) {
    SCOPED_TRACE(set);
    // Strength shows as distance from white in the block's middle row.
    auto whiteness = [&](int i) {
      const Rgb c = RgbAt(Indexed(set, i), 4, 6);
      return c.r + c.g + c.b;
    };
    EXPECT_GT(whiteness(0), whiteness(1));
    EXPECT_GT(whiteness(1), whiteness(2));
  }
}

TEST(ArtworkPixels, OptionBoxCorners) {
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    const std::string xp = Indexed("option_button/img", i);
    const std::string vista = Indexed("option_button/img2", i);
    for (auto [x, y] : {std::pair{0, 0}, {12, 0}, {0, 12}, {12, 12}}) {
      EXPECT_EQ(AlphaAt(xp, x, y), 0);
      EXPECT_EQ(Pixel(vista, x, y), 0xFFFFFFFFu);
    }
    // The circle itself is opaque in both sets.
    EXPECT_EQ(AlphaAt(xp, 6, 6), 255);
    EXPECT_EQ(AlphaAt(xp, 6, 1), 255);
    EXPECT_EQ(AlphaAt(xp, 1, 6), 255);
  }
}

TEST(ArtworkPixels, OptionBoxDotOnlyWhenSelected) {
  for (const char* set : {"option_button/img", "option_button/img2"}) {
    for (int i = 0; i < 4; ++i) {
      SCOPED_TRACE(Indexed(set, i));
      // The selected picture differs from its unselected twin at the centre only.
      EXPECT_NE(RgbAt(Indexed(set, i), 6, 6), RgbAt(Indexed(set, i + 4), 6, 6));
      EXPECT_EQ(RgbAt(Indexed(set, i), 6, 1), RgbAt(Indexed(set, i + 4), 6, 1));
    }
  }
}

TEST(ArtworkPixels, CloseFacesAreRedExceptInactive) {
  // Index by theme run: 0..3 light set, 4..7 dark set; 3 and 7 are the inactive faces.
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    const Rgb body = RgbAt(Indexed("skin_parts/CbClose", i), 6, 12);
    const bool inactive = i == 3 || i == 7;
    if (inactive) {
      EXPECT_LT(std::abs(body.r - body.g), 24);
    } else {
      EXPECT_GT(body.r, body.g + 80);
      EXPECT_GT(body.r, body.b + 80);
    }
  }
}

TEST(ArtworkPixels, TabArrowsAreBlackTrianglesOnButtonFace) {
  const Rgb face{212, 208, 200}, black{0, 0, 0};
  struct Arrow {
    const char* slot;
    int tip_x, base_x;
  } arrows[] = {{"tabstrip_page/CmdPrevious", 4, 7}, {"tabstrip_page/CmdNext", 8, 5}};
  for (const Arrow& a : arrows) {
    SCOPED_TRACE(a.slot);
    EXPECT_EQ(RgbAt(a.slot, 0, 0), face);
    EXPECT_EQ(RgbAt(a.slot, 12, 12), face);
    // The tip is one pixel high, the base seven.
    EXPECT_EQ(RgbAt(a.slot, a.tip_x, 6), black);
    EXPECT_EQ(RgbAt(a.slot, a.tip_x, 5), face);
    EXPECT_EQ(RgbAt(a.slot, a.base_x, 3), black);
    EXPECT_EQ(RgbAt(a.slot, a.base_x, 9), black);
    EXPECT_EQ(RgbAt(a.slot, a.base_x, 2), face);
  }
}

}  // namespace
