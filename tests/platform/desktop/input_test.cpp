#include "tests/platform/desktop/desktop_fixture.h"

namespace desktop_test {
namespace {

using Input = DesktopTest;

TEST_F(Input, AClickOnTheClientAreaGivesHitTestCursorAndPostedButtons) {
  HWND hwnd = recorder_.Make();
  recorder_.Clear();
  robot().Click(200, 200);
  Run();
  recorder_.ExpectSequence(hwnd,
                           {{WM_NCHITTEST},
                            {WM_SETCURSOR},
                            {WM_MOUSEMOVE, Kind::kPosted},
                            {WM_NCHITTEST},
                            {WM_SETCURSOR},
                            {WM_LBUTTONDOWN, Kind::kPosted},
                            {WM_NCHITTEST},
                            {WM_SETCURSOR},
                            {WM_LBUTTONUP, Kind::kPosted}},
                           "click");
  std::vector<Received> down = recorder_.Log(hwnd, {WM_LBUTTONDOWN});
  ASSERT_EQ(down.size(), 1u);
  // Client coordinates: the window is at (100, 100) with a 4 px frame and a 19 px caption.
  EXPECT_EQ(GET_X_LPARAM(down[0].lparam), 200 - 104);
  EXPECT_EQ(GET_Y_LPARAM(down[0].lparam), 200 - 123);
  EXPECT_EQ(down[0].wparam, MK_LBUTTON);
}

TEST_F(Input, AClickOnAnInactiveWindowActivatesItBeforeTheButton) {
  HWND back = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  HWND front = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {500, 100, 800, 300});
  ASSERT_EQ(GetActiveWindow(), front);
  recorder_.Clear();
  robot().Click(200, 200);
  Run();
  recorder_.ExpectSequence(back,
                           {{WM_MOUSEACTIVATE},
                            {WM_NCACTIVATE},
                            {WM_ACTIVATE},
                            {WM_SETFOCUS},
                            {WM_LBUTTONDOWN, Kind::kPosted}},
                           "click activation");
  EXPECT_EQ(recorder_.Log(back, {WM_ACTIVATE})[0].wparam, WA_CLICKACTIVE);
  EXPECT_EQ(GetActiveWindow(), back);
}

struct DoubleCase {
  const char* name;
  const char* class_name;
  std::uint64_t gap_ms;
  int second_dx;
  std::vector<UINT> expected;
};

TEST_F(Input, DoubleClicksNeedTheClassStyleTheTimeAndTheDistance) {
  const DoubleCase cases[] = {
      {"double click",
       "LogWindowDbl",
       80,
       0,
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
      {"class without double clicks",
       "LogWindow",
       80,
       0,
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {"too slow",
       "LogWindowDbl",
       600,
       0,
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {"within the box",
       "LogWindowDbl",
       80,
       2,
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
      {"outside the box",
       "LogWindowDbl",
       80,
       3,
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
  };
  for (const DoubleCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = recorder_.Make(WS_POPUP | WS_VISIBLE, {0, 0, 300, 300}, 0, 0, c.class_name);
    recorder_.Clear();
    robot().Click(100, 100).Wait(c.gap_ms).Click(100 + c.second_dx, 100);
    Run();
    std::vector<UINT> got;
    for (const Received& r :
         recorder_.Log(hwnd, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK})) {
      got.push_back(r.message);
    }
    EXPECT_EQ(got, c.expected);
    DestroyWindow(hwnd);
    robot().Wait(1000);
  }
}

TEST_F(Input, CaptureSendsEveryMouseMessageToTheCapturingWindowUntilReleased) {
  HWND hwnd = recorder_.Make(WS_POPUP | WS_VISIBLE, {100, 100, 200, 200});
  recorder_.on_message = [](HWND h, UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (msg == WM_LBUTTONDOWN) SetCapture(h);
    if (msg == WM_LBUTTONUP) ReleaseCapture();
    return false;
  };
  robot().MoveTo(150, 150).Press();
  robot().Do("clear", [&] { recorder_.Clear(); });
  robot().MoveTo(500, 600).Release().MoveTo(510, 600);
  Run();
  recorder_.ExpectSequence(
      hwnd, {{WM_MOUSEMOVE, Kind::kPosted}, {WM_LBUTTONUP, Kind::kPosted}, {WM_CAPTURECHANGED}},
      "captured drag");
  std::vector<Received> move = recorder_.Log(hwnd, {WM_MOUSEMOVE});
  ASSERT_EQ(move.size(), 1u);
  EXPECT_EQ(GET_X_LPARAM(move[0].lparam), 400);  // client coordinates, outside the window
  EXPECT_EQ(GET_Y_LPARAM(move[0].lparam), 500);
  EXPECT_TRUE(recorder_.Log(hwnd, {WM_NCHITTEST}).empty());
  EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(Input, ADisabledWindowGetsNoMouseInput) {
  HWND hwnd = recorder_.Make(WS_POPUP | WS_VISIBLE, {100, 100, 300, 300});
  EnableWindow(hwnd, FALSE);
  recorder_.Clear();
  robot().Click(150, 150);
  Run();
  EXPECT_TRUE(recorder_.Log(hwnd, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE}).empty());
  EXPECT_FALSE(recorder_.Log(hwnd, {WM_SETCURSOR}).empty());
}

TEST_F(Input, KeysGoToTheFocusWindowAndAltMakesSystemKeys) {
  HWND parent = recorder_.Make();
  HWND edit = recorder_.Make(WS_CHILD | WS_VISIBLE, {10, 10, 100, 30}, parent);
  SetFocus(edit);
  recorder_.Clear();
  robot().Type("a").KeyDown(VK_MENU).Key(VK_F4).KeyUp(VK_MENU);
  Run();
  recorder_.ExpectSequence(edit,
                           {{WM_KEYDOWN, Kind::kPosted},
                            {WM_CHAR, Kind::kPosted},
                            {WM_KEYUP, Kind::kPosted},
                            {WM_SYSKEYDOWN, Kind::kPosted},
                            {WM_SYSKEYDOWN, Kind::kPosted}},
                           "keys");
  EXPECT_EQ(recorder_.Log(edit, {WM_CHAR})[0].wparam, static_cast<WPARAM>('a'));
  // Alt+F4 reaches the default procedure, which closes the top-level window (so the key-ups
  // that follow find no window).
  EXPECT_FALSE(IsWindow(parent));
}

TEST_F(Input, ScriptedActionsRunFromInsideADoEventsLoop) {
  bool stop = false;
  robot().Wait(500).Do("stop the loop", [&] { stop = true; });
  int spins = 0;
  while (!stop && spins < 100000) {
    win::DoEvents();
    ++spins;
  }
  EXPECT_TRUE(stop);
  EXPECT_EQ(GetTickCount(), 500u);
}

TEST_F(Input, CursorShapesFollowTheHitTest) {
  recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  struct Place {
    POINT at;
    LONG_PTR cursor;
  } places[] = {{{101, 200}, IDC_SIZEWE},   {{250, 101}, IDC_SIZENS}, {{101, 101}, IDC_SIZENWSE},
                {{398, 101}, IDC_SIZENESW}, {{250, 200}, IDC_ARROW},  {{250, 110}, IDC_ARROW}};
  for (const Place& p : places) {
    robot().MoveTo(p.at.x, p.at.y);
    Run();
    EXPECT_EQ(GetCursor(), static_cast<HCURSOR>(p.cursor)) << p.at.x << "," << p.at.y;
  }
}

}  // namespace
}  // namespace desktop_test
