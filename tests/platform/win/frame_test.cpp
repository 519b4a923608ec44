#include "platform/gfx/gdi.h"
#include "platform/vb/ole_color.h"
#include "platform/win/menus.h"
#include "tests/platform/win/win_fixture.h"

namespace win_test {
namespace {

using Frame = WindowTest;

struct HitCase {
  POINT at;
  LRESULT code;
};

// A sizable captioned window at (100, 100) - (400, 300).
TEST_F(Frame, HitTestingFindsBordersCornersCaptionAndButtons) {
  HWND hwnd = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  const HitCase cases[] = {
      {{101, 200}, HTLEFT},       {{398, 200}, HTRIGHT},       {{250, 101}, HTTOP},
      {{250, 298}, HTBOTTOM},     {{101, 101}, HTTOPLEFT},     {{398, 101}, HTTOPRIGHT},
      {{101, 298}, HTBOTTOMLEFT}, {{398, 298}, HTBOTTOMRIGHT}, {{104, 200}, HTCLIENT},
      {{250, 110}, HTCAPTION},    {{108, 112}, HTSYSMENU},     {{385, 112}, HTCLOSE},
      {{368, 112}, HTMAXBUTTON},  {{352, 112}, HTMINBUTTON},   {{250, 200}, HTCLIENT},
      {{50, 50}, HTNOWHERE},
  };
  for (const HitCase& c : cases) {
    EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(c.at.x, c.at.y)), c.code)
        << c.at.x << "," << c.at.y;
  }
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(1, 500)), HTBORDER);
}

TEST_F(Frame, ClearingTheFrameBitsRemovesTheFrameAfterFrameChanged) {
  HWND hwnd = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  SetWindowLongA(
      hwnd, GWL_STYLE,
      GetWindowLongA(hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION | WS_THICKFRAME));
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 292);  // the old frame holds until the frame is recomputed
  SetWindowPos(hwnd, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client, (RECT{0, 0, 300, 200}));
  EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(250, 110)), HTCLIENT);
}

TEST_F(Frame, ClearedFrameBitsAlsoTakeEffectOnTheNextSizeChange) {
  HWND hwnd = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  SetWindowLongA(
      hwnd, GWL_STYLE,
      GetWindowLongA(hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION | WS_THICKFRAME));
  SetWindowPos(hwnd, 0, 0, 0, 300, 190, SWP_NOMOVE | SWP_NOZORDER);
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client, (RECT{0, 0, 300, 190}));
}

struct MenuCase {
  const char* name;
  DWORD style;
  int show;
  // Restore, Move, Size, Minimize, Maximize enabled?
  bool enabled[5];
};

TEST_F(Frame, TheSystemMenuGreysItemsByStyleAndShowState) {
  const MenuCase cases[] = {
      {"sizable, normal", WS_OVERLAPPEDWINDOW, SW_SHOWNORMAL, {false, true, true, true, true}},
      {"sizable, maximised",
       WS_OVERLAPPEDWINDOW,
       SW_SHOWMAXIMIZED,
       {true, false, false, true, false}},
      {"sizable, minimised", WS_OVERLAPPEDWINDOW, SW_MINIMIZE, {true, true, false, false, true}},
      {"fixed without boxes",
       WS_CAPTION | WS_SYSMENU,
       SW_SHOWNORMAL,
       {false, true, false, false, false}},
      {"minimise box only",
       WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
       SW_SHOWNORMAL,
       {false, true, false, true, false}},
  };
  const WPARAM ids[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE};
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = Make(c.style | WS_VISIBLE);
    ShowWindow(hwnd, c.show);
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    ASSERT_NE(menu, 0u);
    EXPECT_EQ(GetMenuItemCount(menu), 7);
    EXPECT_EQ(GetMenuState(menu, 5, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(SC_CLOSE), MF_BYCOMMAND) & MF_GRAYED, 0u);
    for (int i = 0; i < 5; ++i) {
      bool grey = GetMenuState(menu, static_cast<UINT>(ids[i]), MF_BYCOMMAND) & MF_GRAYED;
      EXPECT_EQ(!grey, c.enabled[i]) << "item " << i;
    }
    DestroyWindow(hwnd);
    EXPECT_FALSE(IsMenu(menu));  // the system menu goes with its window
  }
}

TEST_F(Frame, SystemCommandsChangeTheShowStateWhateverTheLowBits) {
  HWND hwnd = Make();
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE | 2, 0);
  EXPECT_TRUE(IsZoomed(hwnd));
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsZoomed(hwnd));
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(hwnd));
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r, (RECT{100, 100, 400, 300}));
}

TEST_F(Frame, TheCaptionIsDrawnInTheActiveOrInactiveColours) {
  HWND a = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  UpdateWindow(a);
  HDC dc = GetWindowDC(a);
  // Just inside the caption bar's left end (the gradient starts with the caption colour),
  // below the icon.
  EXPECT_EQ(GetPixel(dc, 4, 21), vb::GetSysColor(vb::COLOR_ACTIVECAPTION));
  HWND b = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {500, 100, 800, 300});
  ASSERT_EQ(GetActiveWindow(), b);
  UpdateWindow(a);
  EXPECT_EQ(GetPixel(dc, 4, 21), vb::GetSysColor(vb::COLOR_INACTIVECAPTION));
  // The outer edge of the sizing frame is the raised 3-D edge.
  EXPECT_EQ(GetPixel(dc, 0, 100), vb::GetSysColor(vb::COLOR_3DLIGHT));
  EXPECT_EQ(GetPixel(dc, 299, 100), vb::GetSysColor(vb::COLOR_3DDKSHADOW));
}

TEST_F(Frame, TrackPopupMenuWithNothingToChooseReturnsZero) {
  HWND hwnd = Make();
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 10, "&One");
  // No input will ever come: the menu is dismissed and nothing is chosen.
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, hwnd, nullptr), 0);
  EXPECT_EQ(TrackPopupMenu(0x5, TPM_RETURNCMD, 10, 10, 0, hwnd, nullptr), 0);  // no such menu
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, 0x5, nullptr), 0);  // no owner
  EXPECT_TRUE(DestroyMenu(menu));
  EXPECT_FALSE(DestroyMenu(menu));
}

}  // namespace
}  // namespace win_test
