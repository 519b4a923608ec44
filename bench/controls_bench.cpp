// Drawing costs of the glossy button and the progress bar, each set against a baseline:
// the face against a memcpy of its bytes, one more block against a full repaint of the bar.

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "glossy_button/vista_button.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/host/form/form.h"
#include "platform/host/types/engine_classes.h"
#include "progress_bar/xp_progress_bar.h"

namespace {

// Seconds of CPU time this thread has used: the machine may be shared, so the ratios are
// taken in CPU time rather than wall time.
double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A form large enough for an 800 x 600 px control.
std::shared_ptr<VB::Form> BenchForm() {
  host::RegisterEngineClasses();
  auto form = host::NewForm("Form1");
  form->Move(0, 0, 14000, 11000);
  return form;
}

// Seconds one memcpy of `bytes` takes, averaged over many.
double MemcpySeconds(std::size_t bytes) {
  std::vector<char> from(bytes, 1);
  std::vector<char> to(bytes, 0);
  const int rounds = static_cast<int>(std::max<std::size_t>(50, (64u << 20) / bytes));
  const double start = ThreadSeconds();
  for (int i = 0; i < rounds; ++i) {
    from[static_cast<std::size_t>(i) % bytes] = static_cast<char>(i);
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  return (ThreadSeconds() - start) / rounds;
}

// PrintB of a face W x H px with a short caption; "x_memcpy" is its time over a memcpy of
// the face's 32-bit pixels.
void BM_PrintB(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  desktop::HeadlessDesktop headless;
  auto form = BenchForm();
  auto button = form->Add<quorin::VistaButton>("VistaButton1", {0, 0, w * 15.0f, h * 15.0f});
  button->Caption("OK");
  const vb::Variant normal(std::int16_t{1});
  const double start = ThreadSeconds();
  std::int64_t n = 0;
  for (auto _ : state) {
    button->PrintB(normal);
    ++n;
  }
  const double per = (ThreadSeconds() - start) / static_cast<double>(n);
  state.counters["x_memcpy"] = per / MemcpySeconds(static_cast<std::size_t>(w) * h * 4);
  host::Unload(*form);
}
BENCHMARK(BM_PrintB)->Args({113, 61})->Args({800, 600})->Unit(benchmark::kMicrosecond);

// A memcpy of a face's bytes, for comparison.
void BM_FaceMemcpy(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(state.range(0) * state.range(1) * 4);
  std::vector<char> from(bytes, 1);
  std::vector<char> to(bytes, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FaceMemcpy)->Args({113, 61})->Args({800, 600})->Unit(benchmark::kMicrosecond);

constexpr int kBarWidth = 400;
constexpr int kBarHeight = 16;

std::shared_ptr<quorin::XpProgressBar> Bar(VB::Form& form,
                                           const std::string& name = "XpProgressBar1") {
  auto bar = form.Add<quorin::XpProgressBar>(name, {0, 0, kBarWidth * 15.0f, kBarHeight * 15.0f});
  bar->Max(kBarWidth);  // one unit per pixel: +10 is one more block
  return bar;
}

// Setting Value so that the row grows by one block. A pool of bars keeps the pauses rare: when
// every bar's row is full they are all wiped, untimed, and the steps start again.
void BM_ValueStepAddsOneBlock(benchmark::State& state) {
  desktop::HeadlessDesktop headless;
  auto form = BenchForm();
  std::vector<std::shared_ptr<quorin::XpProgressBar>> bars;
  for (int i = 0; i < 100; ++i) bars.push_back(Bar(*form, "XpProgressBar" + std::to_string(i)));
  constexpr std::int32_t kLast = kBarWidth - 20;  // the last step that adds a whole block
  std::size_t current = 0;
  std::int32_t value = 0;
  for (auto _ : state) {
    if (value >= kLast) {
      value = 0;
      if (++current == bars.size()) {
        state.PauseTiming();
        for (auto& bar : bars) bar->Value(0);
        current = 0;
        state.ResumeTiming();
      }
    }
    value += 10;
    bars[current]->Value(value);
  }
  host::Unload(*form);
}
BENCHMARK(BM_ValueStepAddsOneBlock)->Unit(benchmark::kMicrosecond);

// The whole bar drawn again: the empty frame, then the full row.
void BM_FullRepaint(benchmark::State& state) {
  desktop::HeadlessDesktop headless;
  auto form = BenchForm();
  auto bar = Bar(*form);
  bar->Value(kBarWidth);
  for (auto _ : state) {
    bar->UserControl_Resize();
    bar->Value(kBarWidth);
  }
  host::Unload(*form);
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
