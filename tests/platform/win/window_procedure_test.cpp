#include "platform/win/event_loop.h"
#include "tests/platform/win/win_fixture.h"

namespace win_test {
namespace {

using WindowProcedures = WindowTest;

TEST_F(WindowProcedures, SubclassingChainsToThePreviousProcedureAndRestoringEndsIt) {
  HWND hwnd = Make();
  std::vector<UINT> seen_by_hook;
  WNDPROC previous = static_cast<WNDPROC>(GetWindowLongA(hwnd, GWL_WNDPROC));
  WNDPROC hook =
      desktop_->procedures().Register([&](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        seen_by_hook.push_back(msg);
        if (msg == WM_USER) return 42;  // answered here, not passed on
        return CallWindowProcA(previous, h, msg, w, l);
      });
  EXPECT_EQ(SetWindowLongA(hwnd, GWL_WNDPROC, hook), previous);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_WNDPROC), hook);
  ClearLog();
  EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 42);
  SendMessageA(hwnd, WM_USER + 1, 0, 0);
  EXPECT_EQ(seen_by_hook, (std::vector<UINT>{WM_USER, WM_USER + 1}));
  ExpectSequence(hwnd, {{WM_USER + 1}}, "chained to the original");

  EXPECT_EQ(SetWindowLongA(hwnd, GWL_WNDPROC, previous), hook);
  seen_by_hook.clear();
  SendMessageA(hwnd, WM_USER, 0, 0);
  EXPECT_TRUE(seen_by_hook.empty());
}

TEST_F(WindowProcedures, AnUnregisteredProcedureValueIsRefused) {
  HWND hwnd = Make();
  LONG_PTR before = GetWindowLongA(hwnd, GWL_WNDPROC);
  EXPECT_EQ(SetWindowLongA(hwnd, GWL_WNDPROC, 0x1234), 0);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_WNDPROC), before);
  EXPECT_EQ(CallWindowProcA(0x1234, hwnd, WM_USER, 0, 0), 0);
}

TEST_F(WindowProcedures, UserDataHoldsAPointerWideValue) {
  HWND hwnd = Make();
  int object = 0;
  LONG_PTR pointer = reinterpret_cast<LONG_PTR>(&object);
  EXPECT_EQ(SetWindowLongA(hwnd, GWL_USERDATA, pointer), 0);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_USERDATA), pointer);
}

TEST_F(WindowProcedures, StylesReadBackAsSignedLongsAndTopmostOnlyChangesThroughPosition) {
  HWND hwnd = Make(WS_POPUP | WS_VISIBLE);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE),
            static_cast<LONG_PTR>(static_cast<std::int32_t>(WS_POPUP | WS_VISIBLE)));
  SetWindowLongA(hwnd, GWL_EXSTYLE, WS_EX_TOPMOST | WS_EX_LAYERED);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE), static_cast<LONG_PTR>(WS_EX_LAYERED));
  SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE),
            static_cast<LONG_PTR>(WS_EX_LAYERED | WS_EX_TOPMOST));
}

TEST_F(WindowProcedures, AProcedureThatDestroysItsWindowMidDispatchIsSurvived) {
  HWND hwnd = Make();
  int after_destroy = 0;
  on_message_ = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (msg == WM_USER) {
      DestroyWindow(h);
      // Still inside the procedure: the handle is dead, the call must not fail.
      after_destroy = IsWindow(h) ? 1 : 2;
      SendMessageA(h, WM_USER + 1, 0, 0);
      return true;
    }
    return false;
  };
  PostMessageA(hwnd, WM_USER, 0, 0);
  PostMessageA(hwnd, WM_USER + 2, 0, 0);  // dropped with the window
  win::DoEvents();
  EXPECT_EQ(after_destroy, 2);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(Log(hwnd, {WM_USER + 1, WM_USER + 2}).empty());
}

TEST_F(WindowProcedures, DestroyingFromInsideDestroyIsHarmless) {
  HWND hwnd = Make();
  on_message_ = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (msg == WM_DESTROY) DestroyWindow(h);
    return false;
  };
  EXPECT_TRUE(DestroyWindow(hwnd));
  EXPECT_EQ(Log(hwnd, {WM_DESTROY}).size(), 1u);
  EXPECT_EQ(Log(hwnd, {WM_NCDESTROY}).size(), 1u);
}

// Every call given a handle that was never a window, or one already destroyed, fails
// quietly with the platform's failure value.
TEST_F(WindowProcedures, BadHandlesGetFailureValues) {
  HWND dead = Make();
  DestroyWindow(dead);
  for (HWND bad : {dead, HWND{0x7777777}}) {
    SCOPED_TRACE(bad);
    RECT r{1, 2, 3, 4};
    POINT p{5, 6};
    PAINTSTRUCT ps;
    char text[8] = "x";
    EXPECT_FALSE(IsWindow(bad));
    EXPECT_EQ(SendMessageA(bad, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageA(bad, WM_USER, 0, 0));
    EXPECT_FALSE(DestroyWindow(bad));
    EXPECT_FALSE(SetWindowPos(bad, 0, 0, 0, 10, 10, 0));
    EXPECT_FALSE(MoveWindow(bad, 0, 0, 1, 1, TRUE));
    EXPECT_FALSE(ShowWindow(bad, SW_SHOW));
    EXPECT_FALSE(GetWindowRect(bad, &r));
    EXPECT_FALSE(GetClientRect(bad, &r));
    EXPECT_FALSE(ScreenToClient(bad, &p));
    EXPECT_EQ(GetWindowLongA(bad, GWL_STYLE), 0);
    EXPECT_EQ(SetWindowLongA(bad, GWL_USERDATA, 5), 0);
    EXPECT_EQ(SetCapture(bad), 0u);
    EXPECT_EQ(SetFocus(bad), 0u);
    EXPECT_EQ(SetActiveWindow(bad), 0u);
    EXPECT_EQ(SetWindowRgn(bad, 0, TRUE), 0);
    EXPECT_FALSE(SetLayeredWindowAttributes(bad, 0, 128, LWA_ALPHA));
    EXPECT_FALSE(SetWindowTextA(bad, "t"));
    EXPECT_EQ(GetWindowTextA(bad, text, 8), 0);
    EXPECT_EQ(GetDC(bad), 0u);
    EXPECT_EQ(BeginPaint(bad, &ps), 0u);
    EXPECT_FALSE(InvalidateRect(bad, nullptr, TRUE));
    EXPECT_EQ(SetTimer(bad, 1, 10, nullptr), 0u);
    EXPECT_FALSE(KillTimer(bad, 1));
    EXPECT_EQ(GetParent(bad), 0u);
    EXPECT_FALSE(EnableWindow(bad, FALSE));
    EXPECT_FALSE(IsWindowVisible(bad));
  }
  MSG bogus;
  bogus.hwnd = dead;
  bogus.message = WM_TIMER;
  bogus.lParam = 1;
  EXPECT_EQ(DispatchMessageA(&bogus), 0);
  EXPECT_EQ(DispatchMessageA(nullptr), 0);
}

TEST_F(WindowProcedures, ModalLoopsNestAndEndInsideOut) {
  std::vector<std::string> order;
  bool inner_done = false, outer_done = false;
  win::EventLoop& loop = desktop_->loop();
  UINT_PTR outer_timer = SetTimer(0, 0, 50, [&](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(0, id);
    order.push_back("inner starts");
    win::ModalLoop inner;
    inner.name = "inner";
    inner.done = [&] { return inner_done; };
    SetTimer(0, 0, 30, [&](HWND, UINT, UINT_PTR inner_id, DWORD) {
      KillTimer(0, inner_id);
      inner_done = true;
    });
    EXPECT_EQ(loop.RunModal(inner), win::ModalResult::kDone);
    EXPECT_EQ(loop.modal_depth(), 1);
    order.push_back("inner ended");
    outer_done = true;
  });
  ASSERT_NE(outer_timer, 0u);
  win::ModalLoop outer;
  outer.name = "outer";
  outer.done = [&] { return outer_done; };
  EXPECT_EQ(loop.RunModal(outer), win::ModalResult::kDone);
  EXPECT_EQ(order, (std::vector<std::string>{"inner starts", "inner ended"}));
  EXPECT_EQ(GetTickCount(), 80u);
}

TEST_F(WindowProcedures, AModalLoopWithNothingLeftToWaitForIsDismissedAndLogged) {
  bool dismissed = false;
  win::ModalLoop loop;
  loop.name = "waiting";
  loop.done = [] { return false; };
  loop.dismiss = [&] { dismissed = true; };
  UINT_PTR ticking = SetTimer(0, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {});
  EXPECT_EQ(desktop_->loop().RunModal(loop), win::ModalResult::kDismissed);
  KillTimer(0, ticking);
  EXPECT_TRUE(dismissed);
  // A ticking timer keeps it alive for the grace period only.
  EXPECT_EQ(GetTickCount(), win::EventLoop::kModalGraceMs);
  ASSERT_FALSE(desktop_->log_lines().empty());
  EXPECT_NE(desktop_->log_lines().back().find("waiting"), std::string::npos);
}

TEST(Desktops, TheNewestLiveDesktopIsCurrentWhateverOrderTheyEndIn) {
  auto first = std::make_unique<win::Desktop>();
  auto second = std::make_unique<win::Desktop>();
  EXPECT_EQ(&win::Desktop::Current(), second.get());
  first.reset();
  EXPECT_EQ(&win::Desktop::Current(), second.get());
  auto third = std::make_unique<win::Desktop>(win::DesktopSettings{.width = 800, .height = 600});
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  third.reset();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
}

}  // namespace
}  // namespace win_test
