#include <cmath>

#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinFixture;
using SkinLayout = SkinFixture;

struct Box {
  float left, top, width, height;
};

Box BoxOf(const host::Control& c) {
  return {c.Left(), c.Top(), c.Width(), c.Height()};
}

void ExpectBox(const host::Control& c, Box want, const char* what) {
  Box got = BoxOf(c);
  EXPECT_FLOAT_EQ(got.left, want.left) << what;
  EXPECT_FLOAT_EQ(got.top, want.top) << what;
  EXPECT_FLOAT_EQ(got.width, want.width) << what;
  EXPECT_FLOAT_EQ(got.height, want.height) << what;
}

TEST_F(SkinLayout, EveryPieceSitsWhereTheWorkedExamplePutsIt) {
  auto skin = Place();  // 6000 x 4000 twips: 400 x 266.67 px
  skin->Repos();
  const float W = 400;
  const float H = 4000.0f / 15;
  ExpectBox(*skin->TitleLeft, {0, 0, 11, 30}, "TitleLeft");
  ExpectBox(*skin->Title, {11, 0, W - 22, 30}, "Title");
  ExpectBox(*skin->TitleRight, {W - 11, 0, 11, 30}, "TitleRight");
  ExpectBox(*skin->Left, {0, 30, 12, H - 11 - 30}, "Left");
  ExpectBox(*skin->Right, {W - 12, 30, 14, H - 11 - 30}, "Right");
  EXPECT_FLOAT_EQ(skin->Bottom->Left(), 12);
  EXPECT_FLOAT_EQ(skin->Bottom->Top(), H - 11);
  EXPECT_FLOAT_EQ(skin->Bottom->Width(), W - 24);
  EXPECT_FLOAT_EQ(skin->BottomLeft->Top(), H - 11);
  EXPECT_FLOAT_EQ(skin->BottomRight->Left(), W - 12);
  EXPECT_FLOAT_EQ(skin->CloseButton->Left(), W - 53);
  EXPECT_FLOAT_EQ(skin->MaximizeButton->Left(), W - 79);
  EXPECT_FLOAT_EQ(skin->Minimizebutton->Left(), W - 103);
  for (const auto* b :
       {skin->CloseButton.get(), skin->MaximizeButton.get(), skin->Minimizebutton.get()}) {
    EXPECT_FLOAT_EQ(b->Top(), 1);
  }
  EXPECT_FLOAT_EQ(skin->CloseButton->Width(), 42);
  EXPECT_FLOAT_EQ(skin->MaximizeButton->Width(), 26);
  EXPECT_FLOAT_EQ(skin->TitleIcon->Left(), 14);
  EXPECT_FLOAT_EQ(skin->TitleIcon->Top(), 7);
  EXPECT_FLOAT_EQ(skin->Caption1->Left(), 33);
  EXPECT_FLOAT_EQ(skin->Caption1->Top(), 7.25f);
  EXPECT_FLOAT_EQ(skin->Caption2->Left(), 32);
  EXPECT_FLOAT_EQ(skin->Caption2->Top(), 6.25f);
  EXPECT_FLOAT_EQ(skin->pICmenu->Left(), 12);
  EXPECT_FLOAT_EQ(skin->pICmenu->Top(), 30);
  EXPECT_FLOAT_EQ(skin->pICmenu->Width(), W - 24);
}

TEST_F(SkinLayout, ATinySkinIsEnlargedToItsMinimumBeforeAnythingIsPlaced) {
  auto skin = Place(nullptr, 200, 100);
  EXPECT_FLOAT_EQ(skin->width_twips(), 3400);
  EXPECT_FLOAT_EQ(skin->height_twips(), 1850);
  EXPECT_FLOAT_EQ(skin->TitleRight->Left(), 3400.0f / 15 - 11);
}

TEST_F(SkinLayout, TheTitleTextStartsRightOfTheIconOrOfTheBorder) {
  auto skin = Place();
  skin->ShowIcon(false);
  EXPECT_FLOAT_EQ(skin->Caption1->Left(), 14.5f);
  skin->ShowIcon(true);
  EXPECT_FLOAT_EQ(skin->Caption1->Left(), 33);
}

TEST_F(SkinLayout, TheTitleTextMovesDownWithItsFontSize) {
  auto skin = Place();
  skin->Font(std::make_shared<vb::StdFont>("Arial", 14.0f, true));
  skin->Repos();
  EXPECT_FLOAT_EQ(skin->Caption1->Top(), 11.5f);
  EXPECT_FLOAT_EQ(skin->Caption2->Top(), 10.5f);
}

TEST_F(SkinLayout, ResizeReportsTheClientAreaInTwips) {
  auto skin = Place();
  resizes_.clear();
  skin->Repos();
  ASSERT_EQ(resizes_.size(), 1u);
  EXPECT_EQ(resizes_[0].top, 450);
  EXPECT_EQ(resizes_[0].height, 3490);
  EXPECT_EQ(resizes_[0].width, 5880);
}

TEST_F(SkinLayout, ResizeOnAVeryLargeSkinIsHeldAtTheSixteenBitLimit) {
  struct Case {
    float width, height;
    std::int16_t want_height, want_width;
  } cases[] = {
      {32887, 33277, 32767, 32767},  // the last size that fits exactly
      {40000, 36000, 32767, 32767},  // a maximised form on a large screen
      {32888, 20000, 19490, 32767},
  };
  auto skin = Place();
  for (const Case& c : cases) {
    resizes_.clear();
    skin->Control::Move(0, 0, c.width, c.height);
    ASSERT_FALSE(resizes_.empty()) << c.width << " x " << c.height;
    EXPECT_EQ(resizes_.back().height, c.want_height);
    EXPECT_EQ(resizes_.back().width, c.want_width);
    EXPECT_EQ(resizes_.back().top, 450);
  }
  EXPECT_TRUE(errors_.reports.empty());
}

}  // namespace
