// The glossy button's input: hover, press, drag off and back, release, right clicks, Enter.

#include <gtest/gtest.h>

#include "platform/win/user32.h"
#include "tests/glossy_button/glossy_fixture.h"

namespace glossytest {
namespace {

using Input = GlossyButton;

// A face of the skin picture's own size (18 x 21 px) shows the picture one to one, so its
// centre pixel tells which of the four (distinct) faces is up.
constexpr float kOneToOneW = 18 * 15;
constexpr float kOneToOneH = 21 * 15;

int FaceShown(const quorin::VistaButton& b) {
  for (int state = 0; state < 4; ++state) {
    if (GlossyButton::FacePixel(b, 9, 10) == GlossyButton::SkinPixel("im", state, 9, 10)) {
      return state;
    }
  }
  return -1;
}

TEST_F(Input, HoverPressDragOffAndBackThenReleaseClicksOnce) {
  auto b = Place({300, 300, kOneToOneW, kOneToOneH});
  form_->Show();
  const win32::POINT in = OnFace(*b, 9, 10);
  const win32::POINT out{in.x + 100, in.y + 100};
  const win32::HWND face = b->Pback->hWnd();
  struct Seen {
    int face;
    bool captured;
  };
  std::vector<Seen> seen;
  auto look = [&] { seen.push_back({FaceShown(*b), win32::GetCapture() == face}); };
  robot().MoveTo(in.x, in.y).Do("hover", look);
  robot().MoveTo(in.x + 2, in.y).Do("hover again", look);
  robot().Press().Do("pressed", look);
  robot().MoveTo(out.x, out.y).Do("dragged off", look);
  robot().MoveTo(in.x, in.y).Do("dragged back", look);
  robot().Release().Do("released", look);
  robot().MoveTo(in.x + 1, in.y).Do("hover after release", look);
  robot().MoveTo(out.x, out.y).Do("left", look);
  Run();
  // Leaving the face releases the capture (which also ends the press for the window
  // system); the release does not, so the next move off the face is still heard.
  const Seen expected[] = {{2, true}, {2, true}, {3, true}, {1, false},
                           {2, true}, {1, true}, {2, true}, {1, false}};
  ASSERT_EQ(seen.size(), std::size(expected));
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].face, expected[i].face) << "step " << i;
    EXPECT_EQ(seen[i].captured, expected[i].captured) << "step " << i;
  }
  EXPECT_EQ(events_, (std::vector<std::string>{"MouseDown 1", "MouseUp 1", "Click"}));
  EXPECT_GE(moves_, 6);
}

TEST_F(Input, TheHoverFaceIsDrawnOnceWhileTheMouseStaysOnIt) {
  auto b = Place({300, 300, kOneToOneW, kOneToOneH});
  form_->Show();
  const win32::POINT in = OnFace(*b, 9, 10);
  vb::PixelBuffer dot;
  dot.width = dot.height = 1;
  dot.pixels = {0xFF123456u};
  const vb::PictureRef marker = vb::MakeBitmapPicture(std::move(dot));
  robot().MoveTo(in.x, in.y).Do("mark the hover face", [&] {
    b->Pback->PaintPicture(marker, 0, 0);
  });
  robot().MoveTo(in.x + 3, in.y + 2).MoveTo(in.x + 1, in.y + 4);
  Run();
  EXPECT_EQ(FacePixel(*b, 0, 0), 0xFF123456u);  // not redrawn by the later moves
  EXPECT_EQ(moves_, 3);
  EXPECT_TRUE(b->hovering());
}

TEST_F(Input, ReleasingOffTheFaceRaisesNoClick) {
  auto b = Place({300, 300, kOneToOneW, kOneToOneH});
  form_->Show();
  const win32::POINT in = OnFace(*b, 9, 10);
  robot().MoveTo(in.x, in.y).Press().MoveTo(in.x + 80, in.y).Release();
  Run();
  EXPECT_EQ(FaceShown(*b), 1);
  // The face let the mouse go when the cursor left it: the release is the form's.
  EXPECT_EQ(events_, (std::vector<std::string>{"MouseDown 1"}));
  EXPECT_FALSE(b->hovering());
}

TEST_F(Input, ARightClickRaisesMouseEventsButNoClickAndNoPressedFace) {
  auto b = Place({300, 300, kOneToOneW, kOneToOneH});
  form_->Show();
  const win32::POINT in = OnFace(*b, 9, 10);
  int face_while_down = -1;
  robot().MoveTo(in.x, in.y).Press(win::MouseButton::kRight).Do("down", [&] {
    face_while_down = FaceShown(*b);
  });
  robot().Release(win::MouseButton::kRight);
  Run();
  EXPECT_EQ(face_while_down, 2);  // the hover face stays
  EXPECT_EQ(events_, (std::vector<std::string>{"MouseDown 2", "MouseUp 2"}));
  EXPECT_FALSE(b->left_pressed());
}

TEST_F(Input, EnterClicksOnlyAfterALeftPress) {
  auto b = Place();
  form_->Show();
  const win32::POINT in = OnFace(*b, 20, 20);
  // A right click gives the face the focus without a left press.
  robot().Click(in.x, in.y, win::MouseButton::kRight).Key(win32::VK_RETURN);
  robot().Do("no click yet",
             [&] { EXPECT_EQ(std::count(events_.begin(), events_.end(), "Click"), 0); });
  robot().Click(in.x, in.y).Key(win32::VK_RETURN);
  // Another button's press clears the left press again.
  robot().Click(in.x, in.y, win::MouseButton::kMiddle).Key(win32::VK_RETURN);
  Run();
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "Click"), 2);  // the click and one Enter

  // Enter on the control itself always clicks.
  events_.clear();
  std::int16_t enter = 13;
  b->UserControl_KeyPress(enter);
  std::int16_t other = 32;
  b->UserControl_KeyPress(other);
  EXPECT_EQ(events_, std::vector<std::string>{"Click"});
}

TEST_F(Input, ADisabledButtonKeepsItsDisabledFace) {
  auto b = Place({300, 300, kOneToOneW, kOneToOneH});
  form_->Show();
  b->Enabled(false);
  EXPECT_EQ(FaceShown(*b), 0);
  const win32::POINT in = OnFace(*b, 9, 10);
  robot().MoveTo(in.x, in.y).Click(in.x, in.y);
  Run();
  EXPECT_EQ(FaceShown(*b), 0);
  EXPECT_TRUE(events_.empty());
}

}  // namespace
}  // namespace glossytest
