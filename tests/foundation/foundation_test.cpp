#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "foundation/cls_timer.h"
#include "foundation/fade.h"
#include "foundation/sysbar.h"
#include "platform/win/desktop.h"
#include "platform/win/event_loop.h"
#include "platform/win/input.h"
#include "platform/win/messages.h"
#include "platform/win/procedures.h"
#include "platform/win/styles.h"
#include "platform/win/user32.h"

namespace {

using namespace win32;

// A fresh desktop per test and a way to let virtual time pass.
class Foundation : public ::testing::Test {
 protected:
  void RunUntil(DWORD until) {
    win::EventLoop& loop = desktop_->loop();
    for (;;) {
      while (loop.PumpOne()) {
      }
      if (GetTickCount() >= until) return;
      if (!loop.WaitForWork(until)) desktop_->driver().AdvanceClock(until);
    }
  }
  void RunFor(DWORD ms) { RunUntil(GetTickCount() + ms); }

  HWND MakeWindow() {
    WNDCLASSA wc;
    wc.lpszClassName = "FoundationTest";
    wc.lpfnWndProc = desktop_->procedures().Register(
        [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
          if (m == WM_USER) return 42;
          if (m == WM_GETMINMAXINFO) ++size_queries_seen_by_original_;
          return DefWindowProcA(h, m, w, l);
        });
    RegisterClassA(&wc);
    return CreateWindowExA(0, "FoundationTest", "Test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                           100, 400, 300, 0, 0, 0, nullptr);
  }

  std::unique_ptr<win::Desktop> desktop_ = std::make_unique<win::Desktop>();
  int size_queries_seen_by_original_ = 0;
};

// Records every OnTime of a timer as (ticks, time).
struct TickLog {
  std::vector<std::pair<std::int32_t, std::int32_t>> ticks;
  void Attach(quorin::clsTimer& timer) {
    timer.OnTime.Connect([this](std::int32_t& n, std::int32_t& t) { ticks.push_back({n, t}); });
  }
};

using Timer = Foundation;

TEST_F(Timer, NewInstanceIsStoppedWithItsDefaults) {
  quorin::clsTimer timer;
  EXPECT_EQ(timer.Interval(), 1000);
  EXPECT_EQ(timer.hwnd(), 0);
  EXPECT_FALSE(timer.running());
}

TEST_F(Timer, StartTimerUsesItsArgumentOrTheInterval) {
  struct Case {
    std::int16_t argument;
    std::vector<std::int32_t> times;  // within 1000 ms
  };
  const Case cases[] = {{10, {10, 20, 30}}, {0, {1000}}, {-5, {1000}}, {400, {400, 800}}};
  for (const auto& c : cases) {
    quorin::clsTimer timer;
    TickLog log;
    log.Attach(timer);
    const DWORD start = GetTickCount();
    timer.StartTimer(c.argument);
    RunUntil(start + (c.times.size() > 2 ? 35 : 1000));
    timer.StopTimer();
    std::vector<std::int32_t> times;
    for (auto [n, t] : log.ticks) times.push_back(t - static_cast<std::int32_t>(start));
    EXPECT_EQ(times, c.times) << c.argument;
    EXPECT_EQ(timer.Interval(), 1000) << c.argument;
  }
}

TEST_F(Timer, TicksCountFromOneAfterEveryStartAndASecondStartChangesNothing) {
  quorin::clsTimer timer;
  TickLog log;
  log.Attach(timer);
  timer.StartTimer(10);
  RunFor(25);
  timer.StartTimer(50);  // already running: ignored, tick count kept
  RunFor(10);
  timer.StopTimer();
  timer.StopTimer();  // stopped: nothing happens
  timer.StartTimer(10);
  RunFor(15);
  std::vector<std::int32_t> counts;
  for (auto [n, t] : log.ticks) counts.push_back(n);
  EXPECT_EQ(counts, (std::vector<std::int32_t>{1, 2, 3, 1}));
}

TEST_F(Timer, IntervalChangesWhileRunningKeepOneTimer) {
  quorin::clsTimer timer;
  TickLog log;
  log.Attach(timer);
  timer.hwnd(0);
  timer.Interval(20);
  timer.StartTimer(0);
  timer.hwnd(1234);  // ignored while running
  EXPECT_EQ(timer.hwnd(), 0);
  RunFor(45);
  timer.Interval(20);   // same value: untouched
  timer.Interval(100);  // new period, same timer and tick count
  RunFor(250);
  timer.StopTimer();
  RunFor(500);
  std::vector<std::int32_t> counts;
  for (auto [n, t] : log.ticks) counts.push_back(n);
  EXPECT_EQ(counts, (std::vector<std::int32_t>{1, 2, 3, 4}));
}

TEST_F(Timer, TwoInstancesHearOnlyTheirOwnTicksAndNoneAfterDestruction) {
  auto fast = std::make_unique<quorin::clsTimer>();
  quorin::clsTimer slow;
  TickLog fast_log, slow_log;
  fast_log.Attach(*fast);
  slow_log.Attach(slow);
  fast->StartTimer(10);
  slow.StartTimer(30);
  RunFor(60);
  EXPECT_EQ(fast_log.ticks.size(), 6u);
  EXPECT_EQ(slow_log.ticks.size(), 2u);
  fast.reset();
  RunFor(60);
  EXPECT_EQ(fast_log.ticks.size(), 6u);
  EXPECT_EQ(slow_log.ticks.size(), 4u);
}

TEST_F(Timer, WaitReturnsAfterOneTickAndStops) {
  quorin::clsTimer timer;
  TickLog log;
  log.Attach(timer);
  const DWORD start = GetTickCount();
  timer.Wait(50);
  EXPECT_EQ(log.ticks.size(), 1u);
  EXPECT_GE(GetTickCount() - start, 50u);
  EXPECT_FALSE(timer.running());
}

TEST_F(Timer, WaitReturnsAtOnceWhenNoTimerCouldBeArmed) {
  quorin::clsTimer timer;
  timer.hwnd(987654);  // no such window: the system refuses the timer
  const DWORD start = GetTickCount();
  timer.Wait(50);
  EXPECT_LT(GetTickCount() - start, 50u);
  EXPECT_FALSE(timer.running());
}

TEST_F(Timer, IsMouseOverOnlyForTheWindowUnderTheCursor) {
  HWND hwnd = MakeWindow();
  quorin::clsTimer timer;
  SetCursorPos(250, 200);
  EXPECT_TRUE(timer.isMouseOver(static_cast<std::int32_t>(hwnd)));
  SetCursorPos(5, 5);
  EXPECT_FALSE(timer.isMouseOver(static_cast<std::int32_t>(hwnd)));
}

using WindowHelpers = Foundation;

TEST_F(WindowHelpers, SetWindowAlphaAddsStylesAndKeepsTheOthers) {
  HWND hwnd = MakeWindow();
  SetWindowLongA(hwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  struct Case {
    std::int32_t alpha;
    bool topmost, click_through;
    std::uint8_t shown;
  };
  const Case cases[] = {{0, false, false, 0}, {255, false, false, 255}, {256, false, false, 0},
                        {128, true, false, 128}, {200, false, true, 200}};
  for (const auto& c : cases) {
    quorin::SetWindowAlpha(static_cast<std::int32_t>(hwnd), c.alpha, c.topmost, c.click_through);
    std::uint8_t alpha = 1;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, c.shown) << c.alpha;
    const LONG_PTR ex = GetWindowLongA(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
  }
  const LONG_PTR ex = GetWindowLongA(hwnd, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);      // set by the fourth call, never removed
  EXPECT_TRUE(ex & WS_EX_TRANSPARENT);  // set by the fifth
  EXPECT_TRUE(IsWindowVisible(hwnd));
  quorin::SetWindowAlpha(987654, 10, true, false);  // not a window: no effect, no failure
}

TEST_F(WindowHelpers, HookTwiceThenMaximiseAnswersWithTheStoredLimits) {
  HWND hwnd = MakeWindow();
  quorin::HookMinMax(static_cast<std::int32_t>(hwnd), 100, 100, 800, 600);
  quorin::HookMinMax(static_cast<std::int32_t>(hwnd), 180, 180, 1280, 984);
  size_queries_seen_by_original_ = 0;  // creating the window asked before the hook existed
  // Other messages still reach the original procedure, once.
  EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 42);
  ShowWindow(hwnd, SW_MAXIMIZE);
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r, (RECT{0, 0, 1280, 984}));
  EXPECT_EQ(size_queries_seen_by_original_, 0);  // the hook answers the query itself
  ShowWindow(hwnd, SW_RESTORE);
  SetWindowPos(hwnd, 0, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.right - r.left, 180);
  EXPECT_EQ(r.bottom - r.top, 180);
}

TEST_F(WindowHelpers, ZeroMaximaMeanTheScreen) {
  desktop_.reset();
  win::DesktopSettings settings;
  settings.width = 1920;
  settings.height = 1080;
  desktop_ = std::make_unique<win::Desktop>(settings);
  HWND hwnd = MakeWindow();
  quorin::HookMinMax(static_cast<std::int32_t>(hwnd), 0, 0, 0, 0);
  EXPECT_EQ(quorin::Limits().MaxWidth, 1920);
  EXPECT_EQ(quorin::Limits().MaxHeight, 1080);
  EXPECT_EQ(quorin::Limits().MinWidth, 0);
}

TEST_F(WindowHelpers, TwoHookedWindowsKeepTheirOwnProcedures) {
  HWND first = MakeWindow();
  HWND second = CreateWindowExA(0, "FoundationTest", "Second", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                200, 0, 0, 0, nullptr);
  // The second window gets a subclass of its own before it is hooked.
  const WNDPROC original = GetWindowLongA(second, GWL_WNDPROC);
  const WNDPROC sub = desktop_->procedures().Register([original](HWND h, UINT m, WPARAM w,
                                                                 LPARAM l) -> LRESULT {
    return m == WM_USER ? 7 : CallWindowProcA(original, h, m, w, l);
  });
  SetWindowLongA(second, GWL_WNDPROC, sub);
  quorin::HookMinMax(static_cast<std::int32_t>(first), 180, 180, 0, 0);
  quorin::HookMinMax(static_cast<std::int32_t>(second), 180, 180, 0, 0);
  EXPECT_EQ(SendMessageA(first, WM_USER, 0, 0), 42);
  EXPECT_EQ(SendMessageA(second, WM_USER, 0, 0), 7);
}

}  // namespace
