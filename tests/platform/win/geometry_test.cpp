#include "platform/gfx/gdi.h"
#include "platform/win/window_manager.h"
#include "tests/platform/win/win_fixture.h"

namespace win_test {
namespace {

using Geometry = WindowTest;

struct FrameCase {
  const char* name;
  DWORD style;
  DWORD ex_style;
  int extra_width;
  int extra_height;
};

// Outer size minus client size for the classic frames.
TEST_F(Geometry, FramesAddTheClassicNonClientSizes) {
  const FrameCase cases[] = {
      {"sizable", WS_OVERLAPPEDWINDOW, 0, 8, 27},
      {"fixed single", WS_CAPTION | WS_SYSMENU, 0, 6, 25},
      {"thin border", WS_POPUP | WS_BORDER, 0, 2, 2},
      {"no frame", WS_POPUP, 0, 0, 0},
      {"sizable tool window", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, 8, 24},
      {"client edge", WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, 6, 6},
  };
  for (const FrameCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = Make(c.style, {10, 20, 310, 220}, 0, c.ex_style);
    RECT window, client;
    ASSERT_TRUE(GetWindowRect(hwnd, &window));
    ASSERT_TRUE(GetClientRect(hwnd, &client));
    EXPECT_EQ(window.width() - client.right, c.extra_width);
    EXPECT_EQ(window.height() - client.bottom, c.extra_height);
  }
}

TEST_F(Geometry, OutOfRangeSizesAreLimitedNotFatal) {
  HWND parent = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  HWND child = Make(WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, parent);
  struct Size {
    int cx, cy;
    RECT expected;
  } sizes[] = {{-50, -7, {0, 0, 0, 0}},
               {1 << 30, 5, {0, 0, 32767, 5}},
               {40000, 40000, {0, 0, 32767, 32767}}};
  for (const Size& s : sizes) {
    EXPECT_TRUE(SetWindowPos(child, 0, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER));
    RECT r;
    GetClientRect(child, &r);
    EXPECT_EQ(r, s.expected);
    HDC dc = GetDC(child);
    RECT fill{0, 0, 40000, 40000};
    FillRect(dc, &fill, static_cast<HBRUSH>(5 + 1));  // clipped to the surface
    ReleaseDC(child, dc);
  }
}

TEST_F(Geometry, ChildCoordinatesAreRelativeToTheParentClientArea) {
  HWND parent = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  HWND child = Make(WS_CHILD | WS_VISIBLE, {10, 5, 60, 25}, parent);
  RECT r;
  GetWindowRect(child, &r);
  EXPECT_EQ(r, (RECT{100 + 4 + 10, 100 + 23 + 5, 100 + 4 + 60, 100 + 23 + 25}));
  POINT p{0, 0};
  ClientToScreen(child, &p);
  EXPECT_EQ(p, (POINT{114, 128}));
  ScreenToClient(parent, &p);
  EXPECT_EQ(p, (POINT{10, 5}));
}

struct ZStep {
  int window;  // 0, 1 or 2
  int after;   // another window's index, or -1 to use `band`
  HWND band;
  UINT flags;
};

struct ZCase {
  const char* name;
  std::vector<ZStep> steps;
  std::vector<int> expected;  // front first
};

// Three windows made in the order 0, 1, 2 (so 2 starts in front).
TEST_F(Geometry, ZOrderKeepsTheTopmostBandInFront) {
  const UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  const ZCase cases[] = {
      {"to the top", {{0, -1, HWND_TOP, kKeep}}, {0, 2, 1}},
      {"to the bottom", {{2, -1, HWND_BOTTOM, kKeep}}, {1, 0, 2}},
      {"after a sibling", {{2, 0, 0, kKeep}}, {1, 0, 2}},
      {"topmost stays in front of a later top",
       {{0, -1, HWND_TOPMOST, kKeep}, {2, -1, HWND_TOP, kKeep}},
       {0, 2, 1}},
      {"no longer topmost goes to the top of the others",
       {{0, -1, HWND_TOPMOST, kKeep}, {0, -1, HWND_NOTOPMOST, kKeep}},
       {0, 2, 1}},
      {"no z-order flag ignores the insert-after",
       {{0, -1, HWND_TOPMOST, kKeep | SWP_NOZORDER}},
       {2, 1, 0}},
      {"activation brings to the top",
       {{0, -1, HWND_TOP, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER}},
       {0, 2, 1}},
  };
  for (const ZCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND w[3];
    for (HWND& h : w) h = Make(WS_POPUP | WS_VISIBLE, {0, 0, 50, 50});
    for (const ZStep& step : c.steps) {
      HWND after = step.after >= 0 ? w[step.after] : step.band;
      EXPECT_TRUE(SetWindowPos(w[step.window], after, 0, 0, 0, 0, step.flags));
    }
    std::vector<int> order;
    for (HWND h : desktop_->windows().top_level()) {
      for (int i = 0; i < 3; ++i) {
        if (w[i] == h) order.push_back(i);
      }
    }
    EXPECT_EQ(order, c.expected);
    for (HWND h : w) DestroyWindow(h);
  }
}

TEST_F(Geometry, ShowStatesMoveBetweenNormalMinimisedAndMaximised) {
  HWND hwnd = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  ShowWindow(hwnd, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(hwnd));
  EXPECT_NE(GetActiveWindow(), hwnd);
  ShowWindow(hwnd, SW_RESTORE);
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r, (RECT{100, 100, 400, 300}));
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r, desktop_->WorkArea());
  ShowWindow(hwnd, SW_MINIMIZE);
  ShowWindow(hwnd, SW_RESTORE);  // back to maximised, as it was before
  EXPECT_TRUE(IsZoomed(hwnd));
  ShowWindow(hwnd, SW_RESTORE);
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r, (RECT{100, 100, 400, 300}));
  EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_FALSE(ShowWindow(hwnd, SW_HIDE));
}

TEST_F(Geometry, AHookedSizeQueryDecidesTheMaximisedRectangleAndTheTrackingLimits) {
  on_message_ = [](HWND, UINT msg, WPARAM, LPARAM lparam, LRESULT* result) {
    if (msg != WM_GETMINMAXINFO) return false;
    auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
    info->ptMaxSize = {1280, 984};
    info->ptMaxPosition = {0, 0};
    info->ptMinTrackSize = {180, 180};
    info->ptMaxTrackSize = {1280, 984};
    *result = 0;
    return true;
  };
  HWND hwnd = Make(WS_POPUP | WS_THICKFRAME | WS_VISIBLE, {50, 50, 500, 400});
  MoveWindow(hwnd, 50, 50, 20, 20, TRUE);
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r, (RECT{50, 50, 230, 230}));
  SetWindowPos(hwnd, 0, 0, 0, 5000, 5000, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r, (RECT{50, 50, 1330, 1034}));
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r, (RECT{0, 0, 1280, 984}));
}

struct HitCase {
  const char* name;
  std::function<void(HWND top, HWND child)> setup;
  POINT point;
  int expected;  // 0: the top-level window, 1: the child, 2: the desktop, 3: the window below
};

TEST_F(Geometry, WindowFromPointFollowsThePlatformRules) {
  const HitCase cases[] = {
      {"child", [](HWND, HWND) {}, {150, 150}, 1},
      {"hidden child lets the parent have it",
       [](HWND, HWND c) { ShowWindow(c, SW_HIDE); },
       {150, 150},
       0},
      {"disabled child lets the parent have it",
       [](HWND, HWND c) { EnableWindow(c, FALSE); },
       {150, 150},
       0},
      {"disabled top-level window is still found",
       [](HWND t, HWND) { EnableWindow(t, FALSE); },
       {110, 110},
       0},
      {"outside the window region falls through",
       [](HWND t, HWND) { SetWindowRgn(t, CreateRectRgn(50, 50, 200, 200), TRUE); },
       {110, 110},
       3},
      {"inside the window region",
       [](HWND t, HWND) { SetWindowRgn(t, CreateRectRgn(50, 50, 200, 200), TRUE); },
       {160, 160},
       1},
      {"layered and transparent is clicked through",
       [](HWND t, HWND) { SetWindowLongA(t, GWL_EXSTYLE, WS_EX_LAYERED | WS_EX_TRANSPARENT); },
       {150, 150},
       3},
      {"layered at opacity zero is still hit",
       [](HWND t, HWND) {
         SetWindowLongA(t, GWL_EXSTYLE, WS_EX_LAYERED);
         SetLayeredWindowAttributes(t, 0, 0, LWA_ALPHA);
       },
       {150, 150},
       1},
      {"transparent without layered is hit",
       [](HWND t, HWND) { SetWindowLongA(t, GWL_EXSTYLE, WS_EX_TRANSPARENT); },
       {150, 150},
       1},
      {"nothing there", [](HWND, HWND) {}, {1000, 20}, 2},
  };
  for (const HitCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND below = Make(WS_POPUP | WS_VISIBLE, {0, 0, 600, 600});
    HWND top = Make(WS_POPUP | WS_VISIBLE, {100, 100, 400, 400});
    HWND child = Make(WS_CHILD | WS_VISIBLE, {40, 40, 100, 100}, top);
    c.setup(top, child);
    HWND expected[] = {top, child, GetDesktopWindow(), below};
    EXPECT_EQ(WindowFromPoint(c.point), expected[c.expected]);
    DestroyWindow(top);
    DestroyWindow(below);
  }
}

TEST_F(Geometry, ChildWindowFromPointLooksOnlyAtDirectChildrenHiddenOrNot) {
  HWND parent = Make(WS_POPUP | WS_VISIBLE, {100, 100, 400, 400});
  HWND child = Make(WS_CHILD, {10, 10, 110, 110}, parent);  // hidden
  HWND grandchild = Make(WS_CHILD | WS_VISIBLE, {0, 0, 50, 50}, child);
  ASSERT_TRUE(IsWindow(grandchild));
  EXPECT_EQ(ChildWindowFromPoint(parent, {20, 20}), child);
  EXPECT_EQ(ChildWindowFromPoint(parent, {200, 200}), parent);
  EXPECT_EQ(ChildWindowFromPoint(parent, {-5, 20}), 0u);
  EXPECT_EQ(WindowFromPoint({120, 120}), parent);
  EXPECT_EQ(GetParent(grandchild), child);
  EXPECT_EQ(SetParent(grandchild, parent), child);
  EXPECT_EQ(WindowFromPoint({120, 120}), grandchild);
  EXPECT_EQ(SetParent(parent, grandchild), 0u);  // a window cannot go inside itself
}

TEST_F(Geometry, SetWindowRgnTakesOwnershipOfTheRegion) {
  HWND hwnd = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  HRGN region = CreateRectRgn(0, 0, 10, 10);
  EXPECT_NE(SetWindowRgn(hwnd, region, TRUE), 0);
  // The handle is used up: the caller can no longer delete or use it.
  EXPECT_FALSE(DeleteObject(region));
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(hwnd, copy), SIMPLEREGION);
  RECT box;
  GetRgnBox(copy, &box);
  EXPECT_EQ(box, (RECT{0, 0, 10, 10}));
  EXPECT_EQ(SetWindowRgn(hwnd, 0x7FFFFF, TRUE), 0);  // not a region
  EXPECT_NE(SetWindowRgn(hwnd, 0, TRUE), 0);
  EXPECT_EQ(GetWindowRgn(hwnd, copy), ERROR);
  DeleteObject(copy);
}

TEST_F(Geometry, LayeredAttributesNeedTheLayeredStyle) {
  HWND hwnd = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  EXPECT_FALSE(SetLayeredWindowAttributes(hwnd, 0, 128, LWA_ALPHA));
  SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
  EXPECT_TRUE(SetLayeredWindowAttributes(hwnd, 0, 128, LWA_ALPHA));
  std::uint8_t alpha = 0;
  GetLayeredWindowAttributes(hwnd, nullptr, &alpha, nullptr);
  EXPECT_EQ(alpha, 128);
}

TEST_F(Geometry, FindWindowComparesClassNamesWithoutCase) {
  HWND taskbar = FindWindowA("Shell_traywnd", "");
  ASSERT_NE(taskbar, 0u);
  EXPECT_EQ(FindWindowA("SHELL_TRAYWND", nullptr), taskbar);
  RECT r;
  GetWindowRect(taskbar, &r);
  EXPECT_EQ(r, (RECT{0, 1024 - 40, 1280, 1024}));
  HWND hwnd = Make();
  SetWindowTextA(hwnd, "Named");
  EXPECT_EQ(FindWindowA("logwindow", "Named"), hwnd);
  EXPECT_EQ(FindWindowA("logwindow", "Other"), 0u);
  EXPECT_EQ(FindWindowA("NoSuchClass", nullptr), 0u);
}

}  // namespace
}  // namespace win_test
