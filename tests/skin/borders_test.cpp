#include "platform/win/user32.h"
#include "tests/skin/skin_fixture.h"

namespace {

// A shown sizable skinned form at (100, 100), 6000 x 3705 twips (400 x 247 px).
class SkinBorders : public skintest::SkinFixture {
 protected:
  std::shared_ptr<quorin::QuorinSkin> ShowSkinned() {
    auto skin = Place();
    form_->Show();
    Run();
    return skin;
  }
  static constexpr win32::POINT kLeft{105, 230};
  static constexpr win32::POINT kRight{492, 230};
  static constexpr win32::POINT kBottom{300, 341};
  static constexpr win32::POINT kBottomRight{494, 341};
  static constexpr win32::POINT kBottomLeft{105, 341};
};

TEST_F(SkinBorders, EachHandleResizesInItsOwnDirections) {
  const struct {
    win32::POINT handle;
    int dx, dy;
    float left, top, width, height;
  } cases[] = {
      // The left edge 50 px to the right; every resize leaves the form 10 twips taller.
      {kLeft, 50, 0, 2250, 1500, 5250, 3715},
      {kRight, 30, 40, 1500, 1500, 6450, 3715},
      {kBottom, 30, 40, 1500, 1500, 6000, 4315},
      {kBottomRight, -30, 20, 1500, 1500, 5550, 4015},
      {kBottomLeft, -20, 20, 1200, 1500, 6300, 4015},
  };
  for (const auto& c : cases) {
    UnloadAll();
    NewHostForm();
    auto skin = ShowSkinned();
    robot().Drag(c.handle.x, c.handle.y, c.handle.x + c.dx, c.handle.y + c.dy);
    Run();
    EXPECT_FLOAT_EQ(form_->Left(), c.left) << c.handle.x << "," << c.handle.y;
    EXPECT_FLOAT_EQ(form_->Top(), c.top) << c.handle.x << "," << c.handle.y;
    EXPECT_FLOAT_EQ(form_->Width(), c.width) << c.handle.x << "," << c.handle.y;
    EXPECT_FLOAT_EQ(form_->Height(), c.height) << c.handle.x << "," << c.handle.y;
    // The skin follows and reshapes the window.
    EXPECT_FLOAT_EQ(skin->width_twips(), c.width);
    EXPECT_FLOAT_EQ(skin->height_twips(), c.height);
  }
}

TEST_F(SkinBorders, AReleaseWithoutMovementOrWithTheRightButtonStillResizes) {
  ShowSkinned();
  robot().Click(kBottom.x, kBottom.y);
  Run();
  EXPECT_FLOAT_EQ(form_->Height(), 3715);
  robot().Drag(kRight.x, kRight.y, kRight.x + 20, kRight.y, 4, win::MouseButton::kRight);
  Run();
  EXPECT_FLOAT_EQ(form_->Width(), 6300);
}

TEST_F(SkinBorders, DraggingTheBottomAboveTheTopStopsAtTheMinimumSize) {
  ShowSkinned();
  robot().Drag(kBottom.x, kBottom.y, kBottom.x, 20);
  Run();
  EXPECT_GE(FormRect().bottom - FormRect().top, 180);
  EXPECT_GE(form_->Height(), 1850);
  EXPECT_EQ(FormRect().top, 100);
}

TEST_F(SkinBorders, HandlesShowTheSizingCursorsOfASizableNormalForm) {
  auto skin = ShowSkinned();
  const struct {
    win32::POINT at;
    VB::Image* handle;
    std::int16_t pointer;
  } cases[] = {{kLeft, skin->Left.get(), 9},
               {kRight, skin->Right.get(), 9},
               {kBottom, skin->Bottom.get(), 7},
               {kBottomRight, skin->BottomRight.get(), 8},
               {kBottomLeft, skin->BottomLeft.get(), 6}};
  for (const auto& c : cases) {
    robot().MoveTo(c.at.x, c.at.y);
    Run();
    EXPECT_EQ(c.handle->MousePointer(), c.pointer) << c.at.x << "," << c.at.y;
  }
  // Maximised: the arrow, no resizing, and the taskbar comes forward over the bottom edge.
  form_->WindowState(2);
  Run();
  const win32::HWND taskbar = win32::FindWindowA("Shell_TrayWnd", nullptr);
  win32::SetWindowPos(form_->hWnd(), 0, 0, 0, 0, 0,
                      win32::SWP_NOMOVE | win32::SWP_NOSIZE | win32::SWP_NOACTIVATE);
  ASSERT_TRUE(Above(form_->hWnd(), taskbar));
  robot().MoveTo(640, 1024 - 40 - 5);
  Run();
  EXPECT_EQ(skin->Bottom->MousePointer(), 0);
  EXPECT_TRUE(Above(taskbar, form_->hWnd()));
  robot().Drag(640, 1024 - 40 - 5, 640, 900);
  Run();
  EXPECT_EQ(FormRect().bottom, 1024 - 40);
}

TEST_F(SkinBorders, AFixedBorderFormNeverResizes) {
  form_->BorderStyle(1);
  auto skin = ShowSkinned();
  const win32::RECT before = FormRect();
  robot().MoveTo(kBottomRight.x, kBottomRight.y);
  robot().Drag(kBottomRight.x, kBottomRight.y, kBottomRight.x + 40, kBottomRight.y + 40);
  Run();
  EXPECT_EQ(skin->BottomRight->MousePointer(), 0);
  EXPECT_EQ(FormRect().right, before.right);
  EXPECT_EQ(FormRect().bottom, before.bottom);
}

}  // namespace
