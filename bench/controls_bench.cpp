// Drawing costs of the glossy button and the progress bar, each set against a baseline:
// the face against a memcpy of its bytes, one more block against a full repaint of the bar.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "glossy_button/vista_button.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/host/form/form.h"
#include "platform/host/types/engine_classes.h"
#include "progress_bar/xp_progress_bar.h"

namespace {

using Clock = std::chrono::steady_clock;

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
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) {
    from[static_cast<std::size_t>(i) % bytes] = static_cast<char>(i);
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  return std::chrono::duration<double>(Clock::now() - start).count() / rounds;
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
  const auto start = Clock::now();
  std::int64_t n = 0;
  for (auto _ : state) {
    button->PrintB(normal);
    ++n;
  }
  const double per = std::chrono::duration<double>(Clock::now() - start).count() / n;
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

std::shared_ptr<quorin::XpProgressBar> Bar(VB::Form& form) {
  auto bar = form.Add<quorin::XpProgressBar>("XpProgressBar1",
                                             {0, 0, kBarWidth * 15.0f, kBarHeight * 15.0f});
  bar->Max(kBarWidth);  // one unit per pixel: +10 is one more block
  return bar;
}

// Setting Value so that the row grows by one block (wiped, untimed, when it is full).
void BM_ValueStepAddsOneBlock(benchmark::State& state) {
  desktop::HeadlessDesktop headless;
  auto form = BenchForm();
  auto bar = Bar(*form);
  std::int32_t value = 0;
  for (auto _ : state) {
    if (value + 10 >= kBarWidth - 10) {
      bar->Value(0);
      value = 0;
    }
    value += 10;
    const auto start = Clock::now();
    bar->Value(value);
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
  host::Unload(*form);
}
BENCHMARK(BM_ValueStepAddsOneBlock)->UseManualTime()->Unit(benchmark::kMicrosecond);

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
