// The rebuild of the window list in a real, shown frmMain against the floor:
// one walk over the top-level windows making exactly the rebuild's
// window-system calls and nothing else; and beside it the check, on coming
// back, whether the list is still current. 1,000 and 5,000 windows, living
// in a helper process as other programs' windows do: Wine answers a title
// read for another process's window differently from one for its own.
#include "inventory/window_list.h"
#include "forms/win32/list_box_win32.h"
#include "platform/window_system_win32.h"
#include "shown_main_form.h"

#include <windows.h>

#include "platform/win32_handle.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench_sections.h"
#include "child_process.h"
#include "measure.h"
#include "window_crowd.h"

namespace hovrel::bench {
namespace {

constexpr int kRepetitions = 9;
constexpr int kDesktopSizes[] = {1'000, 5'000};

// The same calls as the rebuild, in the same order and on the same windows.
int Walk(HWND self, bool filterOn, std::vector<wchar_t>& title) {
  static Win32WindowSystem windowSystem;
  int titled = 0;
  for (HWND current = ::GetWindow(self, GW_HWNDFIRST); current != nullptr;
       current = ::GetWindow(current, GW_HWNDNEXT)) {
    const auto style = static_cast<DWORD>(::GetWindowLongW(current, GWL_STYLE));
    if (filterOn && ((style & kAppFilterMask) != kAppFilterMask || windowSystem.IsCloaked(FromHwnd(current)))) continue;
    if (current == self) continue;
    const int length = ::GetWindowTextLengthW(current);
    if (length <= 0) continue;
    title.resize(static_cast<std::size_t>(length) + 1);
    if (::GetWindowTextW(current, title.data(), length + 1) > 0) ++titled;
  }
  return titled;
}

// Freshly made windows keep their process busy painting and mapping for a
// while, and the first walks time that instead. Walks until three in a row
// are no faster than the best so far.
void Settle(HWND self) {
  std::vector<wchar_t> title;
  double best = 1e300;
  for (int slower = 0, walks = 0; slower < 3 && walks < 100; ++walks) {
    PumpMessages();
    const Stopwatch walk;
    Walk(self, false, title);
    const double elapsed = walk.Milliseconds();
    slower = elapsed < best ? 0 : slower + 1;
    best = std::min(best, elapsed);
  }
}

struct Figures {
  int titled = 0;
  int rows = 0;
  double floor = 0;
  double rebuild = 0;
  double painted = 0;
  double check = 0;
};

// Floor, rebuild, rebuild with the list's repaint, and the check of an
// unchanged list, taken in turns so that whatever else the machine does
// weighs on all four alike.
Figures Measure(frmMain& main, Win32Form& form, bool filterOn) {
  form.SetChecked(CommandId::mnuShowOnlyApp, filterOn);
  auto& list = dynamic_cast<Win32ListBox&>(form.ListControl(CommandId::lstApp));
  HWND self = ToHwnd(form.hWnd());
  HWND listWindow = ToHwnd(list.Handle());
  std::vector<wchar_t> title;
  std::vector<double> floors, rebuilds, painted, checks;
  Figures figures;
  // The first round, not counted, lets the list box grow its storage.
  for (int i = -1; i < kRepetitions; ++i) {
    if (i == 0) {
      floors.clear();
      rebuilds.clear();
      painted.clear();
      checks.clear();
    }
    PumpMessages();
    const Stopwatch walk;
    figures.titled = Walk(self, filterOn, title);
    floors.push_back(walk.Milliseconds());
    PumpMessages();
    const Stopwatch rebuild;
    main.FindAllApps();
    rebuilds.push_back(rebuild.Milliseconds());
    PumpMessages();
    const Stopwatch paint;
    main.FindAllApps();
    ::UpdateWindow(listWindow);
    painted.push_back(paint.Milliseconds());
    PumpMessages();
    const Stopwatch check;
    main.RefreshIfChanged();
    checks.push_back(check.Milliseconds());
  }
  figures.rows = list.ListCount();
  figures.floor = Median(floors);
  figures.rebuild = Median(rebuilds);
  figures.painted = Median(painted);
  figures.check = Median(checks);
  return figures;
}

void PrintRow(int windows, bool filterOn, const Figures& f) {
  std::printf("%7d  %-6s  %5d  %9.2f  %10.2f  %5.2fx  %13.2f  %8.2f%s\n", windows,
              filterOn ? "on" : "off", f.rows, f.floor, f.rebuild, f.rebuild / f.floor, f.painted, f.check,
              f.rows == f.titled ? "" : "  (rows differ from the walk's titled windows)");
  std::fflush(stdout);
}

void MeasureShownForm(int windows) {
  ShownMainForm shown;
  Settle(ToHwnd(shown.form.hWnd()));
  for (bool filterOn : {true, false}) PrintRow(windows, filterOn, Measure(shown.main, shown.form, filterOn));
}

}  // namespace

void RunRebuildBench() {
  std::printf("Window list rebuild in a shown frmMain vs the bare walk (median of %d, ms)\n",
              kRepetitions);
  std::printf("windows  filter   rows   floor ms  rebuild ms   ratio  rebuild+paint  check ms\n");
  for (int windows : kDesktopSizes) {
    const Stopwatch making;
    CrowdProcess crowd(windows);
    std::fprintf(stderr, "(%d windows made in another process in %.1f s)\n", windows,
                 making.Milliseconds() / 1000);
    if (!crowd.ready()) {
      std::printf("%7d  window_crowd.exe did not come up\n", windows);
      continue;
    }
    MeasureShownForm(windows);
  }
}

}  // namespace hovrel::bench
