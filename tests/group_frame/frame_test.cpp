// The group frame: its geometry, its pixels, its caption colours and persistence.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

#include "group_frame/frame.h"
#include "library/library.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/gfx/bitmap.h"
#include "platform/host/form/form.h"
#include "platform/host/types/engine_classes.h"
#include "platform/vb/ole_color.h"

namespace {

constexpr gfx::Argb kLine = 0xFFD0D0BFu;  // RGB(208, 208, 191)

TEST(FrameLayout, PlacesLinesAndCornerMarksForASize) {
  // 100 x 80 pixels with a 12-pixel caption: v = 6.
  const quorin::FrameGeometry g = quorin::FrameLayout(100, 80, 12);
  const quorin::FrameStrip top = g.lines[0], right = g.lines[1], bottom = g.lines[2],
                           left = g.lines[3];
  EXPECT_EQ(std::make_pair(top.x, top.y), std::make_pair(6, 6));
  EXPECT_EQ(top.x + top.width - 1, 93);
  EXPECT_EQ(std::make_pair(left.x, left.y), std::make_pair(0, 12));
  EXPECT_EQ(left.y + left.height - 1, 73);
  EXPECT_EQ(std::make_pair(right.x, right.y), std::make_pair(99, 12));
  EXPECT_EQ(right.height, left.height);
  EXPECT_EQ(std::make_pair(bottom.y, bottom.width), std::make_pair(79, 88));
  // The source strips of the outline picture.
  EXPECT_EQ(std::make_pair(top.src_x, top.src_w), std::make_pair(3, 16));
  EXPECT_EQ(std::make_pair(bottom.src_y, right.src_x), std::make_pair(19, 21));
  // Top-left arc (1, 11) ... (5, 7); the frame is mirror-symmetric.
  EXPECT_EQ(g.marks[0].x, 1);
  EXPECT_EQ(g.marks[0].y, 11);
  EXPECT_EQ(g.marks[5].x, 5);
  EXPECT_EQ(g.marks[5].y, 7);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(g.marks[6 + i].x, 99 - g.marks[i].x);  // top right mirrors top left
    EXPECT_EQ(g.marks[6 + i].y, g.marks[i].y);
    EXPECT_EQ(g.marks[12 + i].x, g.marks[6 + i].x);             // bottom right
    EXPECT_EQ(g.marks[18 + i].x, g.marks[i].x);                 // bottom left
    EXPECT_EQ(g.marks[18 + i].y - 74, 5 - (g.marks[i].y - 6));  // mirrored between the lines
  }
}

// A shown form with one frame; pixels are read from the screen.
class FrameOnForm : public ::testing::Test {
 protected:
  FrameOnForm() {
    host::RegisterEngineClasses();
    quorin::RegisterLibraryClasses();
    form_ = host::NewForm("Form1");
    form_->Move(1500, 1500, 6000, 4500);
    frame_ = form_->Add<quorin::Frame>("Frame1", {300, 300, 1500, 1200});  // 100 x 80 px
    form_->Show();
    headless_.Run();
  }
  ~FrameOnForm() override {
    if (form_ && form_->alive()) host::Unload(*form_);
  }
  gfx::Argb Pixel(int x, int y) {
    const win32::POINT o = frame_->ScreenOrigin();
    return headless_.Screen().pixel(o.x + x, o.y + y);
  }
  int V() const { return static_cast<int>(frame_->lbl->Height()) / 2; }
  // Every pixel of the frame is the line colour exactly where a drawn line runs.
  void ExpectLinesOnlyWhereLaidOut(int w, int h, int caption_height) {
    std::set<std::pair<int, int>> expected;
    for (const quorin::FrameStrip& s : quorin::FrameLayout(w, h, caption_height).lines) {
      for (int y = s.y; y < s.y + s.height; ++y) {
        for (int x = s.x; x < s.x + s.width; ++x) expected.insert({x, y});
      }
    }
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        EXPECT_EQ(Pixel(x, y) == kLine, expected.count({x, y}) == 1)
            << w << "x" << h << " at " << x << "," << y;
      }
    }
  }

  desktop::HeadlessDesktop headless_;
  std::shared_ptr<VB::Form> form_;
  std::shared_ptr<quorin::Frame> frame_;
};

TEST_F(FrameOnForm, TheCaptionInterruptsTheTopLineAndTheCornersAreMarked) {
  frame_->Caption(" Group");
  headless_.Run();
  const int v = V();
  ASSERT_GT(v, 2);
  EXPECT_EQ(Pixel(6, v), kLine);
  EXPECT_EQ(Pixel(11, v), kLine);
  EXPECT_NE(Pixel(5, v), kLine);
  const int caption_end = 12 + static_cast<int>(frame_->lbl->Width());
  for (int x = 12; x < caption_end; ++x) EXPECT_NE(Pixel(x, v), kLine) << x;
  EXPECT_EQ(Pixel(caption_end, v), kLine);
  EXPECT_EQ(Pixel(93, v), kLine);
  EXPECT_NE(Pixel(94, v), kLine);
  for (int y = v + 6; y <= 73; ++y) {
    EXPECT_EQ(Pixel(0, y), kLine) << y;
    EXPECT_EQ(Pixel(99, y), kLine) << y;
  }
  EXPECT_NE(Pixel(0, 74), kLine);
  EXPECT_EQ(Pixel(6, 79), kLine);
  EXPECT_EQ(Pixel(93, 79), kLine);
  const gfx::Argb mark = gfx::ArgbFromColorref(vb::TranslateColor(0x8000000B));
  for (const win32::POINT& m : quorin::FrameLayout(100, 80, 2 * v).marks) {
    EXPECT_EQ(Pixel(m.x, m.y), mark) << m.x << "," << m.y;
  }
  EXPECT_EQ(Pixel(50, 40), 0xFFFFFFFFu);  // white inside
}

TEST_F(FrameOnForm, WithoutACaptionTheTopLineRunsUnbroken) {
  frame_->Caption("");
  headless_.Run();
  EXPECT_FALSE(frame_->lbl->Visible());
  ExpectLinesOnlyWhereLaidOut(100, 80, static_cast<int>(frame_->lbl->Height()));
}

TEST_F(FrameOnForm, ALargerFontMovesTheTopLineDown) {
  const int before = V();
  auto font = std::make_shared<vb::StdFont>();
  font->Size(20);
  frame_->Font(font);
  headless_.Run();
  const int after = V();
  EXPECT_GT(after, before + 3);
  EXPECT_EQ(frame_->lbl->Font(), font);
  EXPECT_EQ(Pixel(6, after), kLine);
  EXPECT_NE(Pixel(6, before), kLine);
  EXPECT_NE(Pixel(0, after + 5), kLine);  // the side lines start lower
  EXPECT_EQ(Pixel(0, after + 6), kLine);
}

TEST_F(FrameOnForm, SmallFramesDrawNoMirroredLines) {
  frame_->Caption("");
  const int caption_height = static_cast<int>(frame_->lbl->Height());
  for (const auto& [w, h] : {std::pair{12, 40}, {5, 5}, {13, 13}, {40, 12}, {1, 1}}) {
    frame_->Extender().Move(300, 300, static_cast<float>(w * 15), static_cast<float>(h * 15));
    headless_.Run();
    ExpectLinesOnlyWhereLaidOut(w, h, caption_height);
  }
}

TEST_F(FrameOnForm, EnabledSwitchesTheCaptionToBlueOrGrey) {
  frame_->ForeColor(0x008000);
  EXPECT_EQ(frame_->lbl->ForeColor(), 0x008000u);
  frame_->Enabled(false);
  EXPECT_EQ(frame_->lbl->ForeColor(), 0x80000011u);
  frame_->Enabled(true);
  EXPECT_EQ(frame_->lbl->ForeColor(), 0xFF0000u);  // not the former ForeColor
  EXPECT_EQ(frame_->ForeColor(), 0x008000u);
}

TEST_F(FrameOnForm, ANewFrameHasItsNameInBlackOnWhite) {
  EXPECT_EQ(frame_->Caption(), "Frame1");
  EXPECT_EQ(frame_->BackColor(), 0xFFFFFFu);
  EXPECT_EQ(frame_->lbl->BackColor(), 0xFFFFFFu);
  EXPECT_EQ(frame_->lbl->ForeColor(), 0u);
  EXPECT_TRUE(frame_->Enabled());
  EXPECT_TRUE(frame_->ControlContainer());
  EXPECT_TRUE(frame_->Alignable());
}

TEST_F(FrameOnForm, PropertiesSurviveASaveWithDefaultsLeftOut) {
  host::PropertyBag plain;
  frame_->UserControl_WriteProperties(plain);
  EXPECT_TRUE(plain.entries().empty()) << "caption Frame1 and the other defaults stay out";

  frame_->Caption("Frame");
  frame_->BackColor(0x00E0E0E0);
  frame_->ForeColor(0x00800000);
  frame_->Enabled(false);
  host::PropertyBag bag;
  frame_->UserControl_WriteProperties(bag);
  auto stored = form_->Add<quorin::Frame>("Frame2", {300, 1800, 1500, 1200}, &bag);
  EXPECT_EQ(stored->Caption(), "Frame");
  EXPECT_EQ(stored->BackColor(), 0x00E0E0E0u);
  EXPECT_FALSE(stored->Enabled());
  // ForeColor is read after Enabled: the caption shows it, enabled or not.
  EXPECT_EQ(stored->lbl->ForeColor(), 0x00800000u);
}

}  // namespace
