#include <filesystem>
#include <map>

#include "platform/gfx/gdi.h"
#include "platform/vb/ole_color.h"
#include "tests/platform/desktop/desktop_fixture.h"

namespace desktop_test {
namespace {

class Compositing : public DesktopTest {
 protected:
  Compositing() {
    headless_->compositor().draw_cursor = false;
    // Each window paints its client area in its own colour.
    recorder_.on_message = [this](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT* result) {
      if (msg != WM_PAINT || !colors_.count(hwnd)) return false;
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      HBRUSH brush = CreateSolidBrush(colors_[hwnd]);
      FillRect(hdc, &r, brush);
      DeleteObject(brush);
      EndPaint(hwnd, &ps);
      *result = 0;
      return true;
    };
  }

  HWND Colored(COLORREF color, RECT r, DWORD style = WS_POPUP | WS_VISIBLE, HWND parent = 0,
               DWORD ex_style = 0) {
    HWND hwnd = recorder_.Make(style & ~WS_VISIBLE, r, parent, ex_style);
    colors_[hwnd] = color;
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOWNA);
    return hwnd;
  }

  gfx::Argb Rgb(COLORREF c) { return gfx::ArgbFromColorref(c); }

  std::map<HWND, COLORREF> colors_;
};

TEST_F(Compositing, WindowsStackInZOrderOverTheWallpaper) {
  HWND back = Colored(0x0000FF, {100, 100, 300, 300});
  Colored(0x00FF00, {200, 200, 400, 400});
  EXPECT_EQ(Pixel(10, 10), Rgb(vb::GetSysColor(vb::COLOR_BACKGROUND)));
  EXPECT_EQ(Pixel(150, 150), Rgb(0x0000FF));
  EXPECT_EQ(Pixel(250, 250), Rgb(0x00FF00));
  SetWindowPos(back, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(Pixel(250, 250), Rgb(0x0000FF));
  ShowWindow(back, SW_HIDE);
  EXPECT_EQ(Pixel(150, 150), Rgb(vb::GetSysColor(vb::COLOR_BACKGROUND)));
}

TEST_F(Compositing, TheTopmostBandStaysInFrontOfLaterWindows) {
  HWND pinned = Colored(0xFF0000, {100, 100, 300, 300});
  SetWindowPos(pinned, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Colored(0x00FF00, {150, 150, 350, 350});
  EXPECT_EQ(Pixel(200, 200), Rgb(0xFF0000));
}

TEST_F(Compositing, ARegionCutsTheWindowAndItsChildren) {
  HWND hwnd = Colored(0x0000FF, {100, 100, 300, 300});
  HWND child = Colored(0x00FFFF, {0, 0, 200, 50}, WS_CHILD | WS_VISIBLE, hwnd);
  ASSERT_TRUE(IsWindow(child));
  SetWindowRgn(hwnd, CreateRectRgn(20, 20, 180, 180), TRUE);
  gfx::Argb wallpaper = Rgb(vb::GetSysColor(vb::COLOR_BACKGROUND));
  EXPECT_EQ(Pixel(110, 110), wallpaper);
  EXPECT_EQ(Pixel(130, 130), Rgb(0x00FFFF));  // the child, inside the region
  EXPECT_EQ(Pixel(130, 200), Rgb(0x0000FF));
  EXPECT_EQ(Pixel(290, 200), wallpaper);
}

TEST_F(Compositing, ChildrenAreClippedToTheirParentsClientArea) {
  HWND parent = Colored(0x0000FF, {100, 100, 300, 300}, WS_POPUP | WS_BORDER | WS_VISIBLE);
  Colored(0x00FF00, {150, 150, 400, 400}, WS_CHILD | WS_VISIBLE, parent);
  EXPECT_EQ(Pixel(101 + 160, 101 + 160), Rgb(0x00FF00));
  EXPECT_EQ(Pixel(299, 299), Rgb(0x000000));  // the border, not the child
  EXPECT_EQ(Pixel(320, 320), Rgb(vb::GetSysColor(vb::COLOR_BACKGROUND)));
}

TEST_F(Compositing, LayeredOpacityBlendsWithWhatIsBelow) {
  Colored(0x0000FF, {100, 100, 300, 300});
  HWND veil = Colored(0xFF0000, {100, 100, 300, 300}, WS_POPUP | WS_VISIBLE, 0, WS_EX_LAYERED);
  SetLayeredWindowAttributes(veil, 0, 128, LWA_ALPHA);
  gfx::Argb mixed = Pixel(200, 200);
  EXPECT_NEAR(static_cast<int>((mixed >> 16) & 0xFF), 127, 2);  // red from below
  EXPECT_NEAR(static_cast<int>(mixed & 0xFF), 128, 2);          // blue from the veil
  SetLayeredWindowAttributes(veil, 0, 0, LWA_ALPHA);
  EXPECT_EQ(Pixel(200, 200), Rgb(0x0000FF));
}

TEST_F(Compositing, ALayeredWindowOverTheBareWallpaperBlendsWithIt) {
  HWND veil = Colored(0xFF0000, {100, 100, 300, 300}, WS_POPUP | WS_VISIBLE, 0, WS_EX_LAYERED);
  Colored(0xFF0000, {10, 10, 50, 50}, WS_CHILD | WS_VISIBLE, veil);  // children blend too
  SetLayeredWindowAttributes(veil, 0, 128, LWA_ALPHA);
  const gfx::Argb wallpaper = Rgb(vb::GetSysColor(vb::COLOR_BACKGROUND));
  for (POINT p : {POINT{200, 200}, POINT{130, 130}}) {
    gfx::Argb mixed = Pixel(p.x, p.y);
    EXPECT_NEAR(static_cast<int>(mixed & 0xFF), (0xFF + (wallpaper & 0xFF)) / 2, 2);
    EXPECT_NEAR(static_cast<int>((mixed >> 16) & 0xFF), ((wallpaper >> 16) & 0xFF) / 2, 2);
  }
}

TEST_F(Compositing, ColourKeyedPixelsOfALayeredWindowAreClear) {
  Colored(0x0000FF, {100, 100, 300, 300});
  HWND keyed = Colored(0x00FF00, {100, 100, 300, 300}, WS_POPUP | WS_VISIBLE, 0, WS_EX_LAYERED);
  HWND spot = Colored(0xFFFFFF, {10, 10, 20, 20}, WS_CHILD | WS_VISIBLE, keyed);
  ASSERT_TRUE(IsWindow(spot));
  SetLayeredWindowAttributes(keyed, 0x00FF00, 255, LWA_COLORKEY);
  EXPECT_EQ(Pixel(200, 200), Rgb(0x0000FF));  // the key colour lets the window below show
  EXPECT_EQ(Pixel(115, 115), Rgb(0xFFFFFF));  // other colours stay
}

TEST_F(Compositing, OnlyTheDamagedPartIsComposedAgain) {
  HWND hwnd = Colored(0x0000FF, {100, 100, 300, 300});
  headless_->Screen();
  headless_->Screen();
  EXPECT_TRUE(headless_->compositor().last_composed().empty());
  RECT small{10, 10, 20, 20};
  InvalidateRect(hwnd, &small, TRUE);
  headless_->Screen();
  RECT bounds = headless_->compositor().last_composed().bounds();
  EXPECT_GE(bounds.left, 100);
  EXPECT_LE(bounds.right, 300);
  MoveWindow(hwnd, 500, 500, 200, 200, TRUE);
  EXPECT_EQ(Pixel(150, 150), Rgb(vb::GetSysColor(vb::COLOR_BACKGROUND)));
  EXPECT_EQ(Pixel(550, 550), Rgb(0x0000FF));
}

TEST_F(Compositing, TheCursorIsDrawnAtItsHotSpotAndTheScreenSavesAsPng) {
  headless_->compositor().draw_cursor = true;
  robot().MoveTo(50, 60);
  Run();
  EXPECT_EQ(Pixel(50, 60), 0xFF000000u);  // the arrow's tip
  EXPECT_EQ(Pixel(51, 62), 0xFFFFFFFFu);  // its white inside
  std::string path = ::testing::TempDir() + "/screen.png";
  ASSERT_TRUE(headless_->SaveScreen(path));
  EXPECT_GT(std::filesystem::file_size(path), 1000u);
}

TEST_F(Compositing, APictureCursorIsDrawnAroundItsHotSpot) {
  headless_->compositor().draw_cursor = true;
  auto picture = std::make_shared<gfx::Bitmap>(8, 8, 0xFF00FF00u);
  HCURSOR cursor = win::CreatePictureCursor(picture, {4, 4});
  ASSERT_NE(cursor, 0u);
  robot().MoveTo(300, 300);
  Run();
  SetCursor(cursor);
  EXPECT_EQ(Pixel(296, 296), 0xFF00FF00u);
  EXPECT_EQ(Pixel(303, 303), 0xFF00FF00u);
  EXPECT_EQ(Pixel(304, 304), Rgb(vb::GetSysColor(vb::COLOR_BACKGROUND)));
  EXPECT_EQ(win::CreatePictureCursor(nullptr, {0, 0}), 0u);
}

}  // namespace
}  // namespace desktop_test
