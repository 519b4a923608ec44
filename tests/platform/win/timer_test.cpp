#include "platform/win/event_loop.h"
#include "tests/platform/win/win_fixture.h"

namespace win_test {
namespace {

using Timers = WindowTest;

// Runs the loop until the virtual clock reaches `until` and what is due then has run.
void RunUntil(win::Desktop& desktop, DWORD until) {
  win::EventLoop& loop = desktop.loop();
  for (;;) {
    while (loop.PumpOne()) {
    }
    if (GetTickCount() >= until) return;
    if (!loop.WaitForWork(until)) desktop.driver().AdvanceClock(until);
  }
}

TEST_F(Timers, TwoCallersNeverSeeEachOthersTicks) {
  std::vector<UINT_PTR> a_ticks, b_ticks;
  UINT_PTR a = SetTimer(0, 0, 20, [&](HWND, UINT, UINT_PTR id, DWORD) { a_ticks.push_back(id); });
  UINT_PTR b = SetTimer(0, 0, 30, [&](HWND, UINT, UINT_PTR id, DWORD) { b_ticks.push_back(id); });
  ASSERT_NE(a, 0u);
  ASSERT_NE(b, 0u);
  EXPECT_NE(a, b);
  RunUntil(*desktop_, 60);
  EXPECT_EQ(a_ticks, (std::vector<UINT_PTR>{a, a, a}));
  EXPECT_EQ(b_ticks, (std::vector<UINT_PTR>{b, b}));
}

TEST_F(Timers, KillTimerEndsTicks) {
  int ticks = 0;
  UINT_PTR id = 0;
  id = SetTimer(0, 0, 10, [&](HWND, UINT, UINT_PTR, DWORD) {
    if (++ticks == 3) KillTimer(0, id);
  });
  RunUntil(*desktop_, 200);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(KillTimer(0, id));
}

TEST_F(Timers, ShortPeriodsBecomeTheMinimumAndReArmingRestartsThePeriod) {
  std::vector<DWORD> times;
  UINT_PTR id = SetTimer(0, 0, 1, [&](HWND, UINT, UINT_PTR, DWORD time) { times.push_back(time); });
  RunUntil(*desktop_, 25);
  EXPECT_EQ(times, (std::vector<DWORD>{10, 20}));
  TIMERPROC replacement = [&](HWND, UINT, UINT_PTR, DWORD time) { times.push_back(time + 1000); };
  EXPECT_EQ(SetTimer(0, id, 100, replacement), id);
  RunUntil(*desktop_, 130);
  EXPECT_EQ(times, (std::vector<DWORD>{10, 20, 1125}));
}

TEST_F(Timers, WindowTimersWithoutCallbackPostWmTimer) {
  HWND hwnd = Make();
  EXPECT_EQ(SetTimer(hwnd, 7, 50, nullptr), 7u);
  ClearLog();
  RunUntil(*desktop_, 100);
  std::vector<Received> got = Log(hwnd, {WM_TIMER});
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].kind, Kind::kPosted);
  EXPECT_EQ(got[0].wparam, 7u);
  DestroyWindow(hwnd);
  EXPECT_FALSE(KillTimer(hwnd, 7));  // the window took its timers with it
}

TEST_F(Timers, TicksComeOnlyFromTheLoopNeverFromInsideACall) {
  int ticks = 0;
  SetTimer(0, 0, 10, [&](HWND, UINT, UINT_PTR, DWORD) { ++ticks; });
  Sleep(100);
  HWND hwnd = Make();
  SendMessageA(hwnd, WM_USER, 0, 0);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(GetTickCount(), 100u);
  win::DoEvents();
  EXPECT_EQ(ticks, 1);  // an overdue timer ticks once, not once per missed period
}

}  // namespace
}  // namespace win_test
