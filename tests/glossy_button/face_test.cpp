// The glossy face: nine slices of the skin picture, the state chosen, failures.

#include <gtest/gtest.h>

#include "glossy_button/face_geometry.h"
#include "platform/vb/error.h"
#include "tests/glossy_button/glossy_fixture.h"

namespace glossytest {
namespace {

using Face = GlossyButton;

const char* const kSets[] = {"im", "bu2", "bu3", "bu4", "bu5", "bu6"};

// The 3 x 3 px corners of a face are the skin picture's corners, unscaled.
void ExpectCorners(const quorin::VistaButton& b, const std::string& set, int state, int w, int h) {
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(GlossyButton::FacePixel(b, x, y), GlossyButton::SkinPixel(set, state, x, y));
      EXPECT_EQ(GlossyButton::FacePixel(b, w - 3 + x, y),
                GlossyButton::SkinPixel(set, state, 15 + x, y));
      EXPECT_EQ(GlossyButton::FacePixel(b, x, h - 3 + y),
                GlossyButton::SkinPixel(set, state, x, 18 + y));
      EXPECT_EQ(GlossyButton::FacePixel(b, w - 3 + x, h - 3 + y),
                GlossyButton::SkinPixel(set, state, 15 + x, 18 + y));
    }
  }
}

TEST_F(Face, ANewButtonShowsTheFirstSkinsNormalFaceAtTheDesignersSize) {
  auto b = form_->Add<quorin::VistaButton>("VistaButton1");
  EXPECT_FLOAT_EQ(b->Extender().Width(), 1695);
  EXPECT_FLOAT_EQ(b->Extender().Height(), 915);
  EXPECT_EQ(b->Caption(), "");
  EXPECT_EQ(b->Skin(), 0);
  EXPECT_EQ(b->Style(), 0);
  EXPECT_TRUE(b->Enabled());
  EXPECT_FLOAT_EQ(b->Pback->Width(), 1695);
  ExpectCorners(*b, "im", 1, 113, 61);
}

TEST_F(Face, CornersAreTheSameThreePixelsOnFacesOfEverySizeSkinAndState) {
  struct Size {
    int w, h;
  };
  for (const Size s : {Size{113, 61}, Size{40, 30}, Size{6, 6}}) {
    auto b = Place({300, 300, s.w * 15.0f, s.h * 15.0f});
    for (int skin = 0; skin < 6; ++skin) {
      b->Skin(skin);
      for (int state = 0; state < 4; ++state) {
        SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h) + " skin " +
                     std::to_string(skin) + " state " + std::to_string(state));
        b->PrintB(state);
        ExpectCorners(*b, kSets[skin], state, s.w, s.h);
      }
    }
    host::Unload(*form_);
    form_ = host::NewForm("Form1");
  }
}

TEST_F(Face, AFaceSmallerThanItsBordersShowsOnlyItsOverlappingCorners) {
  auto b = Place({300, 300, 4 * 15.0f, 4 * 15.0f});
  EXPECT_NO_THROW(b->PrintB(2));
  // Corners drawn in order top-left, top-right, bottom-right, bottom-left: the last one
  // drawn shows where they overlap.
  EXPECT_EQ(FacePixel(*b, 0, 0), SkinPixel("im", 2, 0, 0));
  EXPECT_EQ(FacePixel(*b, 3, 0), SkinPixel("im", 2, 17, 0));
  EXPECT_EQ(FacePixel(*b, 3, 3), SkinPixel("im", 2, 17, 20));
  EXPECT_EQ(FacePixel(*b, 0, 3), SkinPixel("im", 2, 0, 20));
  EXPECT_EQ(FacePixel(*b, 1, 1), SkinPixel("im", 2, 1, 18));
}

TEST_F(Face, EdgesStretchAlongTheirLengthAndTheCentreBothWays) {
  auto b = Place({300, 300, 60 * 15.0f, 40 * 15.0f});
  b->PrintB(1);
  // The picture's middle is even across, so each face row inside the border repeats the
  // picture's row at its middle column; the rows come from the picture in order.
  int previous = 3;
  for (int y = 3; y < 37; ++y) {
    int row = -1;
    for (int sy = 3; sy < 18 && row < 0; ++sy) {
      if (FacePixel(*b, 30, y) == SkinPixel("im", 1, 9, sy)) row = sy;
    }
    ASSERT_GE(row, previous) << "face row " << y;
    previous = row;
    for (int x : {0, 1, 2, 3, 56, 57, 58, 59}) {
      const int sx = x < 3 ? x : x < 57 ? 9 : x - 42;
      EXPECT_EQ(FacePixel(*b, x, y), SkinPixel("im", 1, sx, row)) << x << "," << y;
    }
  }
  for (int x = 3; x < 57; ++x) {
    EXPECT_EQ(FacePixel(*b, x, 1), SkinPixel("im", 1, 9, 1)) << x;    // top edge
    EXPECT_EQ(FacePixel(*b, x, 38), SkinPixel("im", 1, 9, 19)) << x;  // bottom edge
  }
}

TEST_F(Face, NineSlicesInTheirOrderWithTheirRectangles) {
  const auto slices = quorin::FaceSlices(1695, 915);
  // Destination x, y, w, h, then source x, y, w, h, in twips.
  const float expected[9][8] = {
      {0, 0, 45, 45, 0, 0, 45, 45},          {1650, 0, 45, 45, 225, 0, 45, 45},
      {1650, 870, 45, 45, 225, 270, 45, 45}, {0, 870, 45, 45, 0, 270, 45, 45},
      {45, 0, 1605, 45, 45, 0, 180, 45},     {1650, 45, 45, 825, 225, 45, 45, 225},
      {0, 45, 45, 825, 0, 45, 45, 225},      {45, 870, 1605, 45, 45, 270, 180, 45},
      {45, 45, 1605, 825, 45, 45, 180, 225},
  };
  for (int i = 0; i < 9; ++i) {
    const quorin::FaceSlice& s = slices[static_cast<std::size_t>(i)];
    const float got[8] = {s.dx, s.dy, s.dw, s.dh, s.sx, s.sy, s.sw, s.sh};
    for (int k = 0; k < 8; ++k) EXPECT_FLOAT_EQ(got[k], expected[i][k]) << i << "/" << k;
  }
  // A 6 x 6 px face has nothing but corners.
  for (const auto& s : quorin::FaceSlices(90, 90)) {
    EXPECT_TRUE((s.dw == 45 && s.dh == 45) || s.dw == 0 || s.dh == 0);
  }
}

TEST_F(Face, NormalOnADisabledButtonIsTheDisabledFaceOtherStatesAsAsked) {
  auto b = Place({300, 300, 18 * 15.0f, 21 * 15.0f});
  b->Enabled(false);
  struct Case {
    vb::Variant asked;
    int shown;
  };
  for (const Case& c :
       {Case{std::int16_t{1}, 0}, Case{std::int16_t{2}, 2}, Case{3.0, 3}, Case{"0", 0}}) {
    b->PrintB(c.asked);
    EXPECT_EQ(FacePixel(*b, 9, 10), SkinPixel("im", c.shown, 9, 10)) << c.shown;
  }
  b->Enabled(true);
  b->PrintB(std::int16_t{1});
  EXPECT_EQ(FacePixel(*b, 9, 10), SkinPixel("im", 1, 9, 10));
}

TEST_F(Face, AStateOutsideTheSkinClearsTheFaceAndFailsWithoutCaption) {
  auto b = Place();
  b->Caption("OK");
  for (std::int16_t bad : {std::int16_t{4}, std::int16_t{-1}}) {
    try {
      b->PrintB(bad);
      ADD_FAILURE() << "state " << bad << " drew";
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.Number(), vb::kControlArrayElementMissing);
    }
    for (int y = 0; y < 61; ++y) {
      for (int x = 0; x < 113; ++x) ASSERT_EQ(FacePixel(*b, x, y), 0xFFFFFFFFu) << x << "," << y;
    }
  }
}

TEST_F(Face, SkinIsStoredWithoutRedrawingAndShowsAtTheNextDrawing) {
  auto b = Place({300, 300, 18 * 15.0f, 21 * 15.0f});
  form_->Show();
  b->Skin(4);
  EXPECT_EQ(FacePixel(*b, 9, 10), SkinPixel("im", 1, 9, 10));
  EXPECT_EQ(b->changed_properties().count("Skin"), 1u);
  b->UserControl_Resize();
  EXPECT_EQ(FacePixel(*b, 9, 10), SkinPixel("bu5", 1, 9, 10));
  // The XP set's rims in every corner, every state.
  b->Skin(5);
  for (int state = 0; state < 4; ++state) {
    b->PrintB(state);
    ExpectCorners(*b, "bu6", state, 18, 21);
  }
}

TEST_F(Face, ASkinWithoutPicturesLeavesTheFaceBlankUnderTheCaption) {
  auto b = Place();
  b->Skin(9);
  b->ForeColor(0x0000FF);
  b->Caption("Go");
  int red = 0;
  int other = 0;
  for (int y = 0; y < 61; ++y) {
    for (int x = 0; x < 113; ++x) {
      const std::uint32_t p = FacePixel(*b, x, y);
      if (p == 0xFFFF0000u) {
        ++red;
      } else if (p != 0xFFFFFFFFu) {
        ++other;  // anti-aliased text edges
      }
    }
  }
  EXPECT_GT(red + other, 0);
  EXPECT_EQ(FacePixel(*b, 0, 0), 0xFFFFFFFFu);
  EXPECT_NO_THROW(b->PrintB(7));  // no skin set: no lookup, no failure
}

}  // namespace
}  // namespace glossytest
