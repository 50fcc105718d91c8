// From process start to the main window shown with its list filled, for
// hovrel.exe and for bare_window.exe, a program that only shows one window;
// then hovrel.exe's start phase by phase, as hovrel_phases.exe (the same
// start with stamps) reports it. All start in turns, on a desktop of a few
// dozen other windows.
#include "ui/frm_main_description.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_sections.h"
#include "child_process.h"
#include "measure.h"
#include "program_start.h"
#include "start_phases.h"

namespace hovrel::bench {
namespace {

constexpr int kRepetitions = 21;
constexpr int kDesktopWindows = 50;

double CounterMs(std::int64_t ticks) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// Each phase's figures over the repetitions.
struct PhaseFigures {
  std::vector<double> phase[kStampCount], sinceCreated[kStampCount], workingSetKiB[kStampCount];

  void Add(const PhaseRecord& record) {
    for (int i = 1; i < kStampCount; ++i) {
      phase[i].push_back(CounterMs(record.counter[i] - record.counter[i - 1]));
      sinceCreated[i].push_back(CounterMs(record.counter[i] - record.counter[0]));
      workingSetKiB[i].push_back(record.workingSetKiB[i]);
    }
  }
};

void PrintStarts(const std::vector<double>& bare, const std::vector<double>& hovrel,
                 const std::vector<double>& phased) {
  std::printf("Start to the window shown (hovrel.exe: with its list filled), %d other windows,"
              " median of %d, ms\n",
              kDesktopWindows, kRepetitions);
  // The stamped start beside the real one: the two must not differ by more
  // than the noise, or the phases below would tell of another program.
  std::printf("bare_window.exe  hovrel.exe  ratio  hovrel_phases.exe\n");
  std::printf("%15.1f  %10.1f  %5.2fx  %17.1f\n", Median(bare), Median(hovrel),
              Median(hovrel) / Median(bare), Median(phased));
}

void PrintPhases(const PhaseFigures& figures) {
  std::printf("\nhovrel_phases.exe's start by phase, median of %zu, ms; its working set as each"
              " phase ends\n", figures.phase[1].size());
  std::printf("%-32s  %8s  %10s  %15s\n", "phase", "ms", "to here ms", "working set KiB");
  for (int i = 1; i < kStampCount; ++i) {
    std::printf("%-32s  %8.1f  %10.1f  %15.0f\n", kPhaseNames[i], Median(figures.phase[i]),
                Median(figures.sinceCreated[i]), Median(figures.workingSetKiB[i]));
  }
}

}  // namespace

void RunStartBench() {
  CrowdProcess desktop(kDesktopWindows);
  const std::string caption(kMainForm.caption);
  const Program bare{L"bare_window.exe", L"", "Bare Window", false, false};
  const Program hovrel{L"hovrel.exe", L"", caption, true, false};
  const Program phased{L"hovrel_phases.exe", L"", caption, true, true};
  // A first start of each fills the file cache and is not counted.
  for (const Program* program : {&bare, &hovrel, &phased}) RunStart(*program);
  std::vector<double> bareTimes, hovrelTimes, phasedTimes;
  const std::pair<const Program*, std::vector<double>*> turns[] = {
      {&bare, &bareTimes}, {&hovrel, &hovrelTimes}, {&phased, &phasedTimes}};
  PhaseFigures phases;
  int failures = 0;
  for (int i = 0; i < kRepetitions; ++i) {
    // Each round starts with the next program, so none always follows the same one.
    for (std::size_t turn = 0; turn < std::size(turns); ++turn) {
      const auto [program, times] = turns[(turn + static_cast<std::size_t>(i)) % std::size(turns)];
      const StartRun run = RunStart(*program);
      if (run.shownMs < 0 || (program->stamped && !run.phases)) {
        ++failures;
        continue;
      }
      times->push_back(run.shownMs);
      if (run.phases) phases.Add(*run.phases);
    }
  }
  PrintStarts(bareTimes, hovrelTimes, phasedTimes);
  if (!phasedTimes.empty()) PrintPhases(phases);
  if (failures > 0)
    std::printf("(%d starts showed no window, or sent no phases, within the deadline)\n", failures);
  std::fflush(stdout);
}

}  // namespace hovrel::bench
