// From process start to the main window shown with its list filled, for
// hovrel.exe and for bare_window.exe, a program that only shows one window.
// Both start in turns, on a desktop of a few dozen other windows.
#include "ui/command_id.h"
#include "ui/frm_main_description.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_sections.h"
#include "child_process.h"
#include "measure.h"

namespace hovrel::bench {
namespace {

using namespace std::chrono_literals;

constexpr int kRepetitions = 10;
constexpr int kDesktopWindows = 50;
constexpr auto kStartDeadline = 30s;

int ListRows(HWND form) {
  HWND list = ::GetDlgItem(form, static_cast<int>(CommandId::lstApp));
  DWORD_PTR rows = 0;
  if (list == nullptr ||
      !::SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 1000, &rows))
    return 0;
  return static_cast<int>(static_cast<LRESULT>(rows));
}

struct Program {
  const wchar_t* file;
  std::string caption;
  bool listed;  // ready only once its list has rows
};

// Milliseconds until ready, or a negative figure when it never was.
double TimeStart(const Program& program) {
  const Stopwatch watch;
  ChildProcess process(program.file, L"");
  HWND window = nullptr;
  const bool ready = process.started() && WaitUntil(
      [&] {
        window = ShownWindowOf(process.id(), program.caption.c_str());
        return window != nullptr && (!program.listed || ListRows(window) > 0);
      },
      kStartDeadline);
  const double elapsed = watch.Milliseconds();
  process.Close(window);
  return ready ? elapsed : -1;
}

}  // namespace

void RunStartBench() {
  CrowdProcess desktop(kDesktopWindows);
  const Program bare{L"bare_window.exe", "Bare Window", false};
  const Program hovrel{L"hovrel.exe", std::string(kMainForm.caption), true};
  // A first start of each fills the file cache and is not counted.
  TimeStart(bare);
  TimeStart(hovrel);
  std::vector<double> bareTimes, hovrelTimes;
  int failures = 0;
  for (int i = 0; i < kRepetitions; ++i) {
    for (auto [program, times] : {std::pair{&bare, &bareTimes}, std::pair{&hovrel, &hovrelTimes}}) {
      const double elapsed = TimeStart(*program);
      if (elapsed < 0) ++failures;
      else times->push_back(elapsed);
    }
  }
  std::printf("Start to the window shown (hovrel.exe: with its list filled), %d other windows,"
              " median of %d, ms\n",
              kDesktopWindows, kRepetitions);
  std::printf("bare_window.exe  hovrel.exe  ratio\n");
  std::printf("%15.1f  %10.1f  %5.2fx\n", Median(bareTimes), Median(hovrelTimes),
              Median(hovrelTimes) / Median(bareTimes));
  if (failures > 0) std::printf("(%d starts never showed a window within the deadline)\n", failures);
  std::fflush(stdout);
}

}  // namespace hovrel::bench
