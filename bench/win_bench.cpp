// Window-system benchmarks: input dispatch through a window tree and screen composition.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/desktop/headless_desktop.h"
#include "platform/gfx/gdi.h"
#include "platform/win/event_loop.h"
#include "platform/win/procedures.h"
#include "platform/win/user32.h"

using namespace win32;

namespace {

// A class whose windows count the mouse messages they get.
const char* RegisterCountingClass(desktop::HeadlessDesktop& headless, long* counter) {
  WNDCLASSA wc;
  wc.lpfnWndProc = headless.desktop().procedures().Register(
      [counter](HWND hwnd, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        if (msg == WM_MOUSEMOVE) ++*counter;
        return DefWindowProcA(hwnd, msg, w, l);
      });
  wc.hbrBackground = 15 + 1;
  wc.lpszClassName = "BenchWindow";
  RegisterClassA(&wc);
  return wc.lpszClassName;
}

// 100 000 mouse moves, each hit-tested and dispatched, over a tree of 200 windows: one
// top-level window with 9 children, which hold 190 grandchildren between them.
void BM_MouseMovesThroughWindowTree(benchmark::State& state) {
  desktop::HeadlessDesktop headless;
  long moves = 0;
  const char* cls = RegisterCountingClass(headless, &moves);
  HWND top = CreateWindowExA(0, cls, "Tree", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1200, 900, 0,
                             0, 0, nullptr);
  int count = 1;
  for (int i = 0; i < 9; ++i) {
    HWND child = CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, (i % 3) * 390, (i / 3) * 280,
                                 380, 270, top, 0, 0, nullptr);
    ++count;
    for (int j = 0; j < (i == 0 ? 22 : 21); ++j) {
      CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, (j % 7) * 54, (j / 7) * 88, 50, 80, child,
                      0, 0, nullptr);
      ++count;
    }
  }
  win::EventLoop& loop = headless.desktop().loop();
  while (loop.PumpOne()) {
  }
  for (auto _ : state) {
    for (int i = 0; i < 100000; ++i) {
      win::InjectMouseMove(10 + (i * 7) % 1150, 30 + (i * 13) % 850);
      while (loop.PumpOne()) {
      }
    }
  }
  state.counters["windows"] = count;
  state.SetItemsProcessed(state.iterations() * 100000);
  benchmark::DoNotOptimize(moves);
}
BENCHMARK(BM_MouseMovesThroughWindowTree)->Unit(benchmark::kMillisecond);

// Twenty overlapping top-level windows covering the screen; `mixed` makes one of them
// half transparent and gives another a window region.
void MakeTwentyWindows(desktop::HeadlessDesktop& headless, bool mixed) {
  long unused = 0;
  const char* cls = RegisterCountingClass(headless, &unused);
  for (int i = 0; i < 20; ++i) {
    int x = (i % 5) * 250 - 40, y = (i / 5) * 240 - 30;
    DWORD ex = mixed && i == 7 ? WS_EX_LAYERED : 0;
    HWND hwnd = CreateWindowExA(ex, cls, "Window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 420, 380,
                                0, 0, 0, nullptr);
    if (ex) SetLayeredWindowAttributes(hwnd, 0, 128, LWA_ALPHA);
    if (mixed && i == 12) SetWindowRgn(hwnd, CreateRectRgn(20, 0, 400, 380), TRUE);
  }
  headless.Screen();
}

void ComposeFullScreen(benchmark::State& state, bool mixed) {
  desktop::HeadlessDesktop headless;
  MakeTwentyWindows(headless, mixed);
  desktop::Compositor& compositor = headless.compositor();
  for (auto _ : state) {
    compositor.DamageAll();
    benchmark::DoNotOptimize(&compositor.Compose(headless.desktop()));
  }
  state.SetBytesProcessed(state.iterations() * 1280LL * 1024 * 4);
}

void BM_ComposeFullScreenOpaque(benchmark::State& state) {
  ComposeFullScreen(state, false);
}
BENCHMARK(BM_ComposeFullScreenOpaque)->Unit(benchmark::kMicrosecond);

void BM_ComposeFullScreenLayeredAndRegion(benchmark::State& state) {
  ComposeFullScreen(state, true);
}
BENCHMARK(BM_ComposeFullScreenLayeredAndRegion)->Unit(benchmark::kMicrosecond);

// The reference: copying the screen's bytes once.
void BM_MemcpyScreen(benchmark::State& state) {
  std::vector<std::uint32_t> from(1280 * 1024, 0xFF336699u), to(1280 * 1024);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * 4);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * 1280LL * 1024 * 4);
}
BENCHMARK(BM_MemcpyScreen)->Unit(benchmark::kMicrosecond);

// One small damaged area (a 32 x 32 square, as a cursor or a caption button leaves).
void BM_ComposeSmallDamage(benchmark::State& state) {
  desktop::HeadlessDesktop headless;
  MakeTwentyWindows(headless, true);
  desktop::Compositor& compositor = headless.compositor();
  for (auto _ : state) {
    compositor.Damage({600, 500, 632, 532});
    benchmark::DoNotOptimize(&compositor.Compose(headless.desktop()));
  }
}
BENCHMARK(BM_ComposeSmallDamage)->Unit(benchmark::kMicrosecond);

}  // namespace
