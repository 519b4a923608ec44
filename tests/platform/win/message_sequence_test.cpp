#include "tests/platform/win/win_fixture.h"

namespace win_test {
namespace {

using Sequences = WindowTest;

TEST_F(Sequences, CreatingAVisibleWindowSendsCreationThenShowThenActivation) {
  HWND hwnd = Make();
  ASSERT_TRUE(IsWindow(hwnd));
  ExpectSequence(hwnd,
                 {{WM_GETMINMAXINFO},
                  {WM_NCCREATE},
                  {WM_NCCALCSIZE},
                  {WM_CREATE},
                  {WM_SIZE},
                  {WM_MOVE},
                  {WM_SHOWWINDOW},
                  {WM_NCACTIVATE},
                  {WM_ACTIVATE},
                  {WM_SETFOCUS}},
                 "create");
  EXPECT_EQ(GetActiveWindow(), hwnd);
  EXPECT_EQ(GetFocus(), hwnd);
}

TEST_F(Sequences, ACreateThatFailsDestroysTheWindowAndReturnsZero) {
  on_message_ = [](HWND, UINT msg, WPARAM, LPARAM, LRESULT* result) {
    if (msg != WM_CREATE) return false;
    *result = -1;
    return true;
  };
  EXPECT_EQ(Make(), 0u);
  ExpectSequence(0, {{WM_CREATE}, {WM_DESTROY}, {WM_NCDESTROY}}, "failed create");
}

TEST_F(Sequences, PostedMessagesArriveFromTheLoopInOrder) {
  HWND hwnd = Make(WS_OVERLAPPEDWINDOW);
  ClearLog();
  PostMessageA(hwnd, WM_USER, 1, 0);
  SendMessageA(hwnd, WM_USER + 1, 0, 0);
  PostMessageA(hwnd, WM_USER + 2, 0, 0);
  win::DoEvents();
  ExpectSequence(hwnd, {{WM_USER + 1}, {WM_USER, Kind::kPosted}, {WM_USER + 2, Kind::kPosted}},
                 "post and send");
}

TEST_F(Sequences, MaximisingAsksTheSizeQueryFirst) {
  HWND hwnd = Make();
  ClearLog();
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  ExpectSequence(
      hwnd,
      {{WM_GETMINMAXINFO}, {WM_WINDOWPOSCHANGING}, {WM_WINDOWPOSCHANGED}, {WM_MOVE}, {WM_SIZE}},
      "maximise");
  auto sizes = Log(hwnd, {WM_SIZE});
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(sizes[0].wparam, SIZE_MAXIMIZED);
  EXPECT_TRUE(IsZoomed(hwnd));
}

TEST_F(Sequences, InvalidatingGivesAPaintFromTheLoopWithTheEraseInsideBeginPaint) {
  HWND hwnd = Make();
  win::DoEvents();
  ClearLog();
  InvalidateRect(hwnd, nullptr, TRUE);
  EXPECT_TRUE(Log(hwnd, {WM_PAINT}).empty());  // nothing happens inside the call
  win::DoEvents();
  ExpectSequence(hwnd, {{WM_PAINT, Kind::kPosted}, {WM_ERASEBKGND}}, "paint");
  ClearLog();
  win::DoEvents();
  EXPECT_TRUE(Log(hwnd, {WM_PAINT}).empty());  // validated by the default procedure
  SetWindowTextA(hwnd, "New title");           // the frame is redrawn, not the client
  win::DoEvents();
  ExpectSequence(hwnd, {{WM_SETTEXT}, {WM_NCPAINT}}, "title change");
  EXPECT_TRUE(Log(hwnd, {WM_PAINT}).empty());
}

TEST_F(Sequences, CaptureChangesTellTheWindowThatLosesIt) {
  HWND a = Make();
  HWND b = Make();
  ClearLog();
  EXPECT_EQ(SetCapture(a), 0u);
  EXPECT_EQ(SetCapture(b), a);
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(GetCapture(), 0u);
  ExpectSequence(a, {{WM_CAPTURECHANGED}}, "first holder");
  ExpectSequence(b, {{WM_CAPTURECHANGED}}, "second holder");
  EXPECT_EQ(Log(a, {WM_CAPTURECHANGED})[0].lparam, static_cast<LPARAM>(b));
}

TEST_F(Sequences, FocusMovesWithKillBeforeSet) {
  HWND parent = Make();
  HWND one = Make(WS_CHILD | WS_VISIBLE, {0, 0, 50, 20}, parent);
  HWND two = Make(WS_CHILD | WS_VISIBLE, {0, 30, 50, 50}, parent);
  SetFocus(one);
  ClearLog();
  EXPECT_EQ(SetFocus(two), one);
  ASSERT_EQ(Log(0, {WM_KILLFOCUS, WM_SETFOCUS}).size(), 2u);
  EXPECT_EQ(Log(0, {WM_KILLFOCUS, WM_SETFOCUS})[0].hwnd, one);
  EXPECT_EQ(Log(0, {WM_KILLFOCUS, WM_SETFOCUS})[1].hwnd, two);
}

TEST_F(Sequences, ActivationGoesFromTheOldWindowToTheNew) {
  HWND a = Make();
  HWND b = Make();
  ASSERT_EQ(GetActiveWindow(), b);
  ClearLog();
  SetActiveWindow(a);
  std::vector<Received> got = Log(0, {WM_NCACTIVATE, WM_ACTIVATE});
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0].hwnd, b);
  EXPECT_EQ(got[0].message, WM_NCACTIVATE);
  EXPECT_EQ(got[0].wparam, 0u);
  EXPECT_EQ(got[1].hwnd, b);
  EXPECT_EQ(got[1].wparam, WA_INACTIVE);
  EXPECT_EQ(got[3].hwnd, a);
  EXPECT_EQ(got[3].wparam, WA_ACTIVE);
  EXPECT_EQ(GetFocus(), a);
}

TEST_F(Sequences, DestroyingAParentDestroysChildrenInPlatformOrder) {
  HWND parent = Make();
  HWND child = Make(WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, parent);
  ClearLog();
  EXPECT_TRUE(DestroyWindow(parent));
  std::vector<Received> got = Log(0, {WM_DESTROY, WM_NCDESTROY});
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0].hwnd, parent);
  EXPECT_EQ(got[0].message, WM_DESTROY);
  EXPECT_EQ(got[1].hwnd, child);
  EXPECT_EQ(got[1].message, WM_DESTROY);
  EXPECT_EQ(got[2].hwnd, child);
  EXPECT_EQ(got[2].message, WM_NCDESTROY);
  EXPECT_EQ(got[3].hwnd, parent);
  EXPECT_EQ(got[3].message, WM_NCDESTROY);
  EXPECT_FALSE(IsWindow(parent));
  EXPECT_FALSE(IsWindow(child));
}

TEST_F(Sequences, CloseCommandGoesThroughCloseToDestroy) {
  HWND hwnd = Make();
  ClearLog();
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  ExpectSequence(hwnd, {{WM_SYSCOMMAND}, {WM_CLOSE}, {WM_DESTROY}, {WM_NCDESTROY}}, "close");
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(Sequences, SizeChangesOfTopLevelWindowsAskTheSizeQueryAndMovesDoNot) {
  HWND hwnd = Make();
  ClearLog();
  MoveWindow(hwnd, 10, 10, 300, 200, TRUE);  // same size: a move only
  EXPECT_TRUE(Log(hwnd, {WM_GETMINMAXINFO}).empty());
  ClearLog();
  SetWindowPos(hwnd, 0, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
  ExpectSequence(hwnd,
                 {{WM_GETMINMAXINFO}, {WM_WINDOWPOSCHANGING}, {WM_WINDOWPOSCHANGED}, {WM_SIZE}},
                 "resize");
}

}  // namespace
}  // namespace win_test
