// Caption and picture on the glossy face, and what the button keeps in the property store.

#include <gtest/gtest.h>

#include <cmath>

#include "glossy_button/face_geometry.h"
#include "platform/host/control/property_bag.h"
#include "tests/glossy_button/glossy_fixture.h"

namespace glossytest {
namespace {

using Caption = GlossyButton;

constexpr std::uint32_t kMagenta = 0xFFFF00FFu;

// A solid picture of a given size in a colour no skin uses.
vb::PictureRef Solid(int w, int h) {
  vb::PixelBuffer pixels;
  pixels.width = w;
  pixels.height = h;
  pixels.pixels.assign(static_cast<std::size_t>(w * h), kMagenta);
  return vb::MakeBitmapPicture(std::move(pixels));
}

// The bounding box of the picture's pixels on the face.
win32::RECT Found(const quorin::VistaButton& b, int w, int h) {
  win32::RECT r{w, h, -1, -1};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (GlossyButton::FacePixel(b, x, y) != kMagenta) continue;
      r.left = std::min<int>(r.left, x);
      r.top = std::min<int>(r.top, y);
      r.right = std::max<int>(r.right, x + 1);
      r.bottom = std::max<int>(r.bottom, y + 1);
    }
  }
  return r;
}

TEST_F(Caption, LayoutSplitsTheFreeRoomInThreeOrCentresALoneItem) {
  struct Case {
    const char* name;
    bool caption, picture;
    std::int32_t style;
    bool draws_picture, draws_caption;
    float px, py, tx, ty;
  };
  // Face 1695 x 915, picture 240 x 240, caption 600 x 195 (twips).
  const Case cases[] = {
      {"nothing", false, false, 0, false, false, 0, 0, 0, 0},
      {"lone caption", true, false, 0, false, true, 0, 0, 547.5f, 360},
      {"lone picture, Left", false, true, 0, true, false, 727.5f, 337.5f, 0, 0},
      {"lone picture, Style 7", false, true, 7, true, false, 727.5f, 337.5f, 0, 0},
      {"Left", true, true, 0, true, true, 285, 337.5f, 810, 360},
      {"Top", true, true, 1, true, true, 727.5f, 160, 547.5f, 560},
      {"Style 7 with both", true, true, 7, false, false, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto l =
        quorin::PlaceCaption(1695, 915, 240, 240, 600, 195, c.caption, c.picture, c.style);
    EXPECT_EQ(l.picture, c.draws_picture);
    EXPECT_EQ(l.caption, c.draws_caption);
    if (l.picture) {
      EXPECT_FLOAT_EQ(l.picture_x, c.px);
      EXPECT_FLOAT_EQ(l.picture_y, c.py);
    }
    if (l.caption) {
      EXPECT_FLOAT_EQ(l.caption_x, c.tx);
      EXPECT_FLOAT_EQ(l.caption_y, c.ty);
    }
  }
  // A caption wider than the face pushes the picture off its left edge; a tall picture
  // above the caption starts above the top edge.
  EXPECT_LT(quorin::PlaceCaption(1695, 915, 240, 240, 3000, 195, true, true, 0).picture_x, 0);
  EXPECT_LT(quorin::PlaceCaption(1695, 915, 240, 1200, 600, 195, true, true, 1).picture_y, 0);
}

TEST_F(Caption, APictureOfKnownSizeLandsBesideOrAboveTheCaption) {
  auto b = Place();
  b->Picture(Solid(16, 16));
  b->Caption("Save");
  const float TW = b->Pback->TextWidth("Save") / 15;
  const float TH = b->Pback->TextHeight("Save") / 15;

  const win32::RECT left = Found(*b, 113, 61);
  EXPECT_EQ(left.left, std::lround((113 - 16 - TW) / 3));
  EXPECT_EQ(left.top, std::lround((61 - 16) / 2.0));
  EXPECT_EQ(left.right - left.left, 16);

  b->Style(1);
  const win32::RECT top = Found(*b, 113, 61);
  EXPECT_EQ(top.left, std::lround((113 - 16) / 2.0));
  EXPECT_EQ(top.top, std::lround((61 - 16 - TH) / 3));
  EXPECT_EQ(top.bottom - top.top, 16);

  b->Style(7);
  EXPECT_EQ(Found(*b, 113, 61).right, -1);  // the bare skin
  b->Caption("");
  EXPECT_EQ(Found(*b, 113, 61).left, std::lround((113 - 16) / 2.0));
}

TEST_F(Caption, ALoneCaptionStaysCentredInALargerFontAndLeavesTheFormTitleAlone) {
  form_->Caption("Title");
  auto b = Place();
  b->ForeColor(0x000000);
  auto centre_of_ink = [&] {
    long sum = 0;
    long n = 0;
    for (int y = 0; y < 61; ++y) {
      for (int x = 0; x < 113; ++x) {
        if ((FacePixel(*b, x, y) & 0xFFFFFF) < 0x404040) {
          sum += x;
          ++n;
        }
      }
    }
    return n ? static_cast<double>(sum) / static_cast<double>(n) : -1.0;
  };
  b->Caption("Hello & bye");
  EXPECT_NEAR(centre_of_ink(), 56, 3);
  auto big = std::make_shared<vb::StdFont>("Arial", 14.0f);
  b->Font(big);
  EXPECT_NEAR(centre_of_ink(), 56, 3);
  EXPECT_EQ(form_->Caption(), "Title");
}

TEST_F(Caption, StoredKeysAreReadAndWrittenInTheirOwnOrders) {
  host::PropertyBag stored;
  stored.Put("style", std::int32_t{1});
  stored.Put("caption", std::string("Go"));
  stored.Put("MyToolTip", std::string("kept as it is"));
  stored.Put("Skin", std::int32_t{3});
  stored.Put("ForeColor", std::int32_t{0x00FF00});
  auto b = Place({300, 300}, &stored);
  // No "Enabled" entry: the button loads disabled.
  EXPECT_FALSE(b->Enabled());
  EXPECT_EQ(b->Style(), 1);
  EXPECT_EQ(b->Caption(), "Go");
  EXPECT_EQ(b->Skin(), 3);
  EXPECT_EQ(b->ForeColor(), 0x00FF00u);

  b->Picture(Solid(4, 4));
  b->Font(std::make_shared<vb::StdFont>("Arial", 12.0f));
  host::PropertyBag saved;
  b->RunWriteProperties(saved);
  std::vector<std::string> keys;
  for (const auto& e : saved.entries()) keys.push_back(e.key);
  EXPECT_EQ(keys, (std::vector<std::string>{"Style", "Picture", "Caption", "Font", "ForeColor",
                                            "MyToolTip", "Enabled", "Skin"}));
  EXPECT_EQ(saved.Find("MyToolTip")->ToString(), "kept as it is");
  EXPECT_FALSE(saved.Find("Enabled")->ToBoolean());
}

TEST_F(Caption, ANewButtonSavesItsEnabledStateAndEmptyCaption) {
  auto b = Place();
  host::PropertyBag saved;
  b->RunWriteProperties(saved);
  ASSERT_NE(saved.Find("Enabled"), nullptr);
  EXPECT_TRUE(saved.Find("Enabled")->ToBoolean());
  ASSERT_NE(saved.Find("Caption"), nullptr);
  EXPECT_EQ(saved.Find("Caption")->ToString(), "");
  EXPECT_EQ(saved.Find("Skin"), nullptr);
  EXPECT_EQ(saved.Find("Style"), nullptr);
  EXPECT_EQ(saved.Find("MyToolTip"), nullptr);

  // Read back: the same button.
  auto again = form_->Add<quorin::VistaButton>("VistaButton2", {2000, 300}, &saved);
  EXPECT_TRUE(again->Enabled());
  EXPECT_EQ(again->Caption(), "");
}

}  // namespace
}  // namespace glossytest
