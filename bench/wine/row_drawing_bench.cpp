// Drawing a full page of the window list's rows, each with its window's icon
// and band read as it is drawn, in a real, shown frmMain at 96 and at 144 dpi
// (the second after a WM_DPICHANGED, as a move to such a monitor brings).
// The rows are windows of a helper process, as other programs' windows are.
#include "forms/win32/list_box_win32.h"
#include "shown_main_form.h"

#include <windows.h>

#include "platform/win32_handle.h"

#include <cstdio>
#include <vector>

#include "bench_sections.h"
#include "child_process.h"
#include "measure.h"
#include "window_crowd.h"

namespace hovrel::bench {
namespace {

constexpr int kRepetitions = 51;
constexpr int kDesktopWindows = 200;

void MeasurePage(HWND list, int dpi) {
  std::vector<double> pages;
  for (int i = 0; i < kRepetitions; ++i) {
    PumpMessages();
    const Stopwatch page;
    ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    pages.push_back(page.Milliseconds());
  }
  RECT client{};
  ::GetClientRect(list, &client);
  const auto rowHeight = static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  const int rows = (client.bottom + rowHeight - 1) / rowHeight;
  const double median = Median(pages);
  std::printf("%3d  %4d  %10d  %7.2f  %11.3f\n", dpi, rows, rowHeight, median, median / rows);
  std::fflush(stdout);
}

}  // namespace

void RunRowDrawingBench() {
  CrowdProcess crowd(kDesktopWindows);
  if (!crowd.ready()) {
    std::printf("window_crowd.exe did not come up\n");
    return;
  }
  ShownMainForm shown;
  Win32Form& form = shown.form;
  const HWND window = ToHwnd(form.hWnd());
  const HWND list = ToHwnd(dynamic_cast<Win32ListBox&>(form.ListControl(CommandId::lstApp)).Handle());
  std::printf("A page of rows drawn in a shown frmMain, %d other windows, median of %d\n", kDesktopWindows,
              kRepetitions);
  std::printf("dpi  rows  row pixels  page ms  ms per row\n");
  MeasurePage(list, 96);
  RECT frame{};
  ::GetWindowRect(window, &frame);
  frame.right = frame.left + (frame.right - frame.left) * 3 / 2;
  frame.bottom = frame.top + (frame.bottom - frame.top) * 3 / 2;
  ::SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&frame));
  MeasurePage(list, 144);
}

}  // namespace hovrel::bench
