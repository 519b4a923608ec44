// Tab strip benchmarks: one DrawTab (layout and painting) of a top strip whose tabs all have
// automatic widths, for growing numbers of tabs. Reported per tab, the cost should stay flat.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/desktop/headless_desktop.h"
#include "platform/host/form/form.h"
#include "platform/host/types/engine_classes.h"
#include "tabstrip/xp_tabstrip.h"

namespace {

void BM_DrawTabTopAutomaticWidths(benchmark::State& state) {
  desktop::HeadlessDesktop headless;
  host::RegisterEngineClasses();
  auto form = host::NewForm("Form1");
  form->Move(0, 0, 12000, 6000);
  auto strip = form->Add<quorin::XPTabstrip>("XPTabstrip1", {0.0f, 0.0f, 9000.0f, 3000.0f});
  form->Show();
  const auto tabs = static_cast<std::int32_t>(state.range(0));
  // Tabs are added with an alignment that lays nothing out, so building stays cheap.
  strip->Alignment(static_cast<quorin::eTabAlignment>(-1));
  for (std::int32_t i = 2; i <= tabs; ++i) strip->AddTab(60, "Tab caption " + std::to_string(i));
  strip->Alignment(quorin::tTop);
  for (auto _ : state) {
    strip->DrawTab();
    benchmark::DoNotOptimize(strip->LastVisibleTab);
  }
  state.SetItemsProcessed(state.iterations() * tabs);
  state.counters["time_per_tab"] =
      benchmark::Counter(static_cast<double>(state.iterations() * tabs),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  host::Unload(*form);
}
BENCHMARK(BM_DrawTabTopAutomaticWidths)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
