// hovrel.exe's memory as Windows reports it (GetProcessMemoryInfo; Wine
// answers from the Linux process's own counters): after start, then after
// rebuilds of a 5,000-window desktop, each made by a click on Refresh.
// bare_window.exe's figures show what any program costs on this Wine. Its
// start counts as over once it waits for input with none left: at the first
// sight of its window it is still being activated, which on this Wine loads
// ole32 and the DLLs under it, some 2.5 MiB. hovrel.exe's is over once its
// icon is added, and that comes after it first waits for input (the icon's
// timer runs out 10 ms later at the soonest): it is measured as
// hovrel_phases.exe, the same program, which says when that is done.
#include "ui/command_id.h"
#include "ui/frm_main_description.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "bench_sections.h"
#include "child_process.h"
#include "measure.h"
#include "start_phases.h"

namespace hovrel::bench {
namespace {

using namespace std::chrono_literals;

constexpr int kDesktopWindows = 5'000;
constexpr int kRebuilds = 100;
constexpr auto kStartDeadline = 60s;
constexpr DWORD kIdleDeadlineMs = 30'000;
constexpr char kProgram[] = "hovrel_phases.exe";

void PrintMemory(const char* program, const char* when, HANDLE process, int rows) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters) ||
      counters.WorkingSetSize == 0) {
    std::printf("%-17s  %-22s  not reported\n", program, when);
    return;
  }
  const auto kib = [](SIZE_T bytes) { return static_cast<unsigned long>(bytes / 1024); };
  // Wine 8 leaves the private bytes at 0: shown as not reported.
  const std::string privateBytes =
      counters.PrivateUsage ? std::to_string(kib(counters.PrivateUsage)) : "n/a";
  std::printf("%-17s  %-22s  %5d  %11lu  %14lu  %13s\n", program, when, rows,
              kib(counters.WorkingSetSize), kib(counters.PeakWorkingSetSize),
              privateBytes.c_str());
  std::fflush(stdout);
}

int ListRows(HWND list) {
  DWORD_PTR rows = 0;
  ::SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &rows);
  return static_cast<int>(static_cast<LRESULT>(rows));
}

// Sent, not posted: the click returns when the rebuild it causes is done.
void Click(HWND control) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(control, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 30'000, &result);
}

void MeasureBare() {
  ChildProcess bare(L"bare_window.exe", L"");
  HWND window = nullptr;
  if (WaitUntil([&] { return (window = ShownWindowOf(bare, "Bare Window")) != nullptr; },
                kStartDeadline)) {
    ::WaitForInputIdle(bare.handle(), kIdleDeadlineMs);
    PrintMemory("bare_window.exe", "started", bare.handle(), 0);
  }
  bare.Close(window);
}

void MeasureHovrel() {
  OutputPipe output;
  ChildProcess hovrel(L"hovrel_phases.exe", L"", output.childEnd());
  output.CloseChildEnd();
  const std::string caption(kMainForm.caption);
  HWND window = nullptr;
  HWND list = nullptr;
  const bool shown = WaitUntil(
      [&] {
        window = ShownWindowOf(hovrel, caption.c_str());
        list = window ? ::GetDlgItem(window, static_cast<int>(CommandId::lstApp)) : nullptr;
        return list != nullptr && ListRows(list) > 0;
      },
      kStartDeadline);
  PhaseRecord phases;
  if (!shown || !output.Read(&phases, sizeof phases, kStartDeadline)) {
    std::printf("%s never showed its list or added its icon\n", kProgram);
    hovrel.Close(window);
    return;
  }
  PrintMemory(kProgram, "started, filter on", hovrel.handle(), ListRows(list));
  // Filter off: hidden and frameless windows too, the longest list.
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, WM_COMMAND, static_cast<WPARAM>(CommandId::mnuShowOnlyApp), 0,
                        SMTO_ABORTIFHUNG, 30'000, &result);
  PrintMemory(kProgram, "filter off", hovrel.handle(), ListRows(list));
  HWND refresh = ::GetDlgItem(window, static_cast<int>(CommandId::btnRefresh));
  for (int done = 1; done <= kRebuilds; ++done) {
    Click(refresh);
    if (done == 1 || done % 25 == 0) {
      const std::string when = "after " + std::to_string(done) + " rebuilds";
      PrintMemory(kProgram, when.c_str(), hovrel.handle(), ListRows(list));
    }
  }
  hovrel.Close(window);
}

}  // namespace

void RunMemoryBench() {
  CrowdProcess desktop(kDesktopWindows);
  if (!desktop.ready()) {
    std::printf("window_crowd.exe did not come up\n");
    return;
  }
  std::printf("Memory (GetProcessMemoryInfo), %d other windows, KiB\n", kDesktopWindows);
  std::printf("program            when                     rows  working set  peak work. set  private bytes\n");
  MeasureBare();
  MeasureHovrel();
}

}  // namespace hovrel::bench
