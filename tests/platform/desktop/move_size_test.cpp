#include "tests/platform/desktop/desktop_fixture.h"

namespace desktop_test {
namespace {

using MoveSize = DesktopTest;

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

TEST_F(MoveSize, DraggingTheCaptionRunsTheMoveLoopAndEatsTheRelease) {
  HWND hwnd = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  recorder_.Clear();
  robot().Drag(200, 110, 260, 150, 3);
  Run();
  recorder_.ExpectSequence(hwnd,
                           {{WM_NCLBUTTONDOWN, Kind::kPosted},
                            {WM_SYSCOMMAND},
                            {WM_GETMINMAXINFO},
                            {WM_ENTERSIZEMOVE},
                            {WM_MOVING},
                            {WM_MOVE},
                            {WM_MOVING},
                            {WM_MOVE},
                            {WM_MOVING},
                            {WM_MOVE},
                            {WM_EXITSIZEMOVE}},
                           "caption drag");
  EXPECT_TRUE(recorder_.Log(hwnd, {WM_NCLBUTTONUP, WM_LBUTTONUP}).empty());
  EXPECT_EQ(WindowRect(hwnd), (RECT{160, 140, 460, 340}));
  EXPECT_EQ(GetCapture(), 0u);
}

// The skin's title bar: a press in the client area hands the drag to the system and the
// SendMessage returns when the loop ends.
TEST_F(MoveSize, ASentCaptionPressMovesTheWindowUntilTheButtonIsReleased) {
  HWND hwnd = recorder_.Make(WS_POPUP | WS_VISIBLE, {100, 100, 400, 300});
  DWORD returned_at = 0;
  recorder_.on_message = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (msg == WM_LBUTTONDOWN) {
      SetCapture(h);
      ReleaseCapture();
      SendMessageA(h, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      returned_at = GetTickCount();
    }
    return false;
  };
  robot().Drag(150, 150, 250, 200, 4);
  Run();
  EXPECT_EQ(WindowRect(hwnd), (RECT{200, 150, 500, 350}));
  EXPECT_EQ(returned_at, GetTickCount());  // it returned with the release, the last action
  EXPECT_TRUE(recorder_.Log(hwnd, {WM_LBUTTONUP}).empty());
}

struct EndCase {
  const char* name;
  UINT key;
  RECT expected;
};

TEST_F(MoveSize, EnterKeepsTheNewPlaceAndEscapePutsTheWindowBack) {
  const EndCase cases[] = {{"enter", VK_RETURN, {150, 130, 450, 330}},
                           {"escape", VK_ESCAPE, {100, 100, 400, 300}}};
  for (const EndCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
    robot().MoveTo(200, 110).Press().Glide(250, 140, 2).Key(c.key).Release();
    Run();
    EXPECT_EQ(WindowRect(hwnd), c.expected);
    DestroyWindow(hwnd);
  }
}

TEST_F(MoveSize, AMaximisedOrHiddenWindowDoesNotMove) {
  HWND hwnd = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  recorder_.Clear();
  SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  ShowWindow(hwnd, SW_HIDE);
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOVE, 0);
  EXPECT_TRUE(recorder_.Log(hwnd, {WM_ENTERSIZEMOVE}).empty());
}

TEST_F(MoveSize, DraggingABorderSizesWithinTheTrackingLimits) {
  HWND hwnd = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
  recorder_.on_message = [](HWND, UINT msg, WPARAM, LPARAM lparam, LRESULT*) {
    if (msg == WM_GETMINMAXINFO) {
      reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = {180, 180};
    }
    return false;
  };
  robot().Drag(398, 200, 448, 230, 2);  // right border: wider only
  Run();
  EXPECT_EQ(WindowRect(hwnd), (RECT{100, 100, 450, 300}));
  EXPECT_FALSE(recorder_.Log(hwnd, {WM_SIZING}).empty());
  robot().Drag(150, 101, 150, 400, 2);  // top border far down: stops at the minimum height
  Run();
  EXPECT_EQ(WindowRect(hwnd), (RECT{100, 120, 450, 300}));
  robot().Drag(448, 298, 300, 250, 2);  // bottom-right corner
  Run();
  EXPECT_EQ(WindowRect(hwnd), (RECT{100, 120, 302, 300}));
}

struct ButtonCase {
  const char* name;
  POINT at;  // on a window at (100, 100) - (400, 300)
  bool twice;
  std::function<bool(HWND)> check;
};

TEST_F(MoveSize, CaptionButtonsAndDoubleClicksActLikeThePlatform) {
  const ButtonCase cases[] = {
      {"close button", {385, 112}, false, [](HWND h) { return !IsWindow(h); }},
      {"maximise button", {368, 112}, false, [](HWND h) { return IsZoomed(h) != 0; }},
      {"minimise button", {352, 112}, false, [](HWND h) { return IsIconic(h) != 0; }},
      {"double click on the caption", {200, 112}, true, [](HWND h) { return IsZoomed(h) != 0; }},
  };
  for (const ButtonCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = recorder_.Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 100, 400, 300});
    if (c.twice) {
      robot().DoubleClick(c.at.x, c.at.y);
    } else {
      robot().Click(c.at.x, c.at.y);
    }
    Run();
    EXPECT_TRUE(c.check(hwnd));
    DestroyWindow(hwnd);
    robot().Wait(1000);
  }
}

}  // namespace
}  // namespace desktop_test
