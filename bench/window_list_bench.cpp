// How the window list rebuild grows with the desktop: FindAllApps into the
// headless sorted list on the simulated desktop, 1,000 to 100,000 windows,
// filter on and off; its floor, the bare walk with the same reads; and the
// check of an unchanged list when the user comes back.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "inventory/window_list.h"
#include "plain_desktop.h"
#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

struct Desktop {
  sim::SimulatedDesktop windows;
  Hwnd self = 0;
};

// Building a desktop of 100,000 windows takes longer than rebuilding its
// list, and the benchmark library calls each function several times: each
// size is built once and kept.
Desktop& DesktopOf(int count) {
  static std::map<int, std::unique_ptr<Desktop>> built;
  auto& desktop = built[count];
  if (!desktop) {
    desktop = std::make_unique<Desktop>();
    bench::AddPlainWindows(desktop->windows, static_cast<std::uint32_t>(count), count / 2);
    desktop->self = desktop->windows.Add("Quarrow Hovrel");
    bench::AddPlainWindows(desktop->windows, static_cast<std::uint32_t>(count) + 1, count - count / 2 - 1);
  }
  return *desktop;
}

void Rebuild(benchmark::State& state, bool filterOn) {
  const int count = static_cast<int>(state.range(0));
  // The rebuild only reads the desktop, so one can serve every run.
  Desktop& desktop = DesktopOf(count);
  sim::FakeListBox list;
  for (auto _ : state) RebuildWindowList(desktop.windows, list, desktop.self, filterOn, kAppFilterMask);
  state.SetComplexityN(count);
  state.SetItemsProcessed(state.iterations() * count);
  state.counters["rows"] = list.ListCount();
}

// The check on coming back, of a list the rebuild has just filled.
void Check(benchmark::State& state, bool filterOn) {
  const int count = static_cast<int>(state.range(0));
  Desktop& desktop = DesktopOf(count);
  sim::FakeListBox list;
  RebuildWindowList(desktop.windows, list, desktop.self, filterOn, kAppFilterMask);
  for (auto _ : state)
    benchmark::DoNotOptimize(WindowListIsCurrent(desktop.windows, list, desktop.self, filterOn, kAppFilterMask));
  state.SetComplexityN(count);
  state.SetItemsProcessed(state.iterations() * count);
}

// The least any rebuild must cost on this desktop: the walk and its reads.
void Walk(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  sim::SimulatedDesktop& desktop = DesktopOf(count).windows;
  std::string title;
  for (auto _ : state) {
    for (const Hwnd current : desktop.ZOrder()) {
      benchmark::DoNotOptimize(desktop.GetWindowLongW(current, GWL_STYLE));
      const int length = desktop.GetWindowTextLengthW(current);
      benchmark::DoNotOptimize(desktop.GetWindowTextW(current, title, length + 1));
    }
  }
  state.SetComplexityN(count);
  state.SetItemsProcessed(state.iterations() * count);
}

void Sizes(benchmark::internal::Benchmark* family) {
  for (int count : {1'000, 3'000, 10'000, 30'000, 100'000}) family->Arg(count);
  family->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(Rebuild, filter_on, true)->Apply(Sizes)->Complexity(benchmark::oNLogN);
BENCHMARK_CAPTURE(Rebuild, filter_off, false)->Apply(Sizes)->Complexity(benchmark::oNLogN);
BENCHMARK_CAPTURE(Check, filter_on, true)->Apply(Sizes)->Complexity(benchmark::oNLogN);
BENCHMARK_CAPTURE(Check, filter_off, false)->Apply(Sizes)->Complexity(benchmark::oNLogN);
BENCHMARK(Walk)->Apply(Sizes)->Complexity(benchmark::oN);

}  // namespace
}  // namespace hovrel

BENCHMARK_MAIN();
