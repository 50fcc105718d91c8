// The rebuild of the window list, and the check whether it is still current;
// see window_list.h.
#include "inventory/window_list.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hovrel {
namespace {

// The top-level windows in z-order as one snapshot. A walk from window to
// window with GW_HWNDNEXT meets windows that others move or destroy under
// it: it can list a window twice (raised to the top meanwhile), stop short
// (the window it stands on sent to the bottom or destroyed), or even run on
// for ever. EnumWindows takes the whole list first.
std::vector<Hwnd> TopLevelWindows(WindowSystem& ws) {
  std::vector<Hwnd> windows;
  ws.EnumWindows(
      [](Hwnd hwnd, std::intptr_t lParam) {
        reinterpret_cast<std::vector<Hwnd>*>(lParam)->push_back(hwnd);
        return 1;
      },
      reinterpret_cast<std::intptr_t>(&windows));
  return windows;
}

// Windows shows a ghost window, titled "... (Not Responding)", in place of a
// window that has stopped responding. The ghost is no task: commands on its
// row would act on the ghost, not on the program; the hung window is listed.
// Its title ends in a bracket in every language ("(Keine Rückmeldung)",
// "(未响应)"), and only such a title has its class read: that read is a
// round trip to the window server under Wine, and a rebuild reads every row.
bool IsGhost(WindowSystem& ws, Hwnd hwnd, std::string_view title) {
  if (!title.ends_with(")") && !title.ends_with("\uFF09")) return false;
  std::string className;
  ws.GetClassNameW(hwnd, className, 8);
  return className == "Ghost";
}

// The title into `title`; false for none (or closed meanwhile).
bool ReadTitle(WindowSystem& ws, Hwnd hwnd, std::string& title) {
  const int length = ws.GetWindowTextLengthW(hwnd);
  // A title that grew since its length was read is cut to that length.
  return length > 0 && ws.GetWindowTextW(hwnd, title, length + 1) > 0;
}

// Hands `list` each window that gets a row, with its title, in z-order.
// A rebuild and the check whether the list is current read alike.
template <typename List>
void ForEachListedWindow(WindowSystem& ws, Hwnd self, bool showOnlyApps, std::uint32_t appFilterMask, List list) {
  // One buffer for the whole pass: titles are read into it and copied out,
  // so a pass allocates only when a longer title turns up.
  std::string title;
  bool ghosts = false;
  std::vector<Hwnd> filteredOut;
  for (const Hwnd current : TopLevelWindows(ws)) {
    if (current == self) continue;
    if (!TaskWindow(ws, current, showOnlyApps, appFilterMask)) {
      filteredOut.push_back(current);
      continue;
    }
    if (!ReadTitle(ws, current, title)) continue;
    if (IsGhost(ws, current, title)) {
      ghosts = true;
      continue;
    }
    list(title, current);
  }
  // Windows hides a hung window behind its ghost; to the user it is there.
  // Only with a ghost on the desktop are the windows the filter kept out
  // looked at again: without one no window is hidden so, and each question
  // is a round trip to the window server under Wine.
  if (!ghosts) return;
  for (const Hwnd current : filteredOut) {
    const auto style = static_cast<std::uint32_t>(ws.GetWindowLongW(current, GWL_STYLE));
    if (((style | WS_VISIBLE) & appFilterMask) == appFilterMask && ws.IsHungAppWindow(current) &&
        !ws.IsCloaked(current) && ReadTitle(ws, current, title))
      list(title, current);
  }
}

}  // namespace

bool TaskWindow(WindowSystem& ws, Hwnd hwCurr, bool showOnlyApps, std::uint32_t appFilterMask) {
  const auto style = static_cast<std::uint32_t>(ws.GetWindowLongW(hwCurr, GWL_STYLE));
  if (!showOnlyApps) return true;
  // A cloaked window is out of sight whatever its style says: on another
  // virtual desktop, a suspended app, or a part of the shell.
  return (style & appFilterMask) == appFilterMask && !ws.IsCloaked(hwCurr);
}

void RebuildWindowList(WindowSystem& ws, ListBox& lstApp, Hwnd self, bool showOnlyApps,
                       std::uint32_t appFilterMask) {
  const int lastCount = lstApp.ListCount();
  ListRefill refill(lstApp);
  lstApp.Clear();
  // The desktop rarely changes much between two rebuilds.
  lstApp.Reserve(lastCount);
  ForEachListedWindow(ws, self, showOnlyApps, appFilterMask, [&](const std::string& title, Hwnd window) {
    lstApp.AddItem(title);
    // The list box chose the row's place; the handle goes exactly there.
    lstApp.SetItemData(lstApp.NewIndex(), window);
  });
}

bool WindowListIsCurrent(WindowSystem& ws, const ListBox& lstApp, Hwnd self, bool showOnlyApps,
                         std::uint32_t appFilterMask) {
  std::vector<std::pair<Hwnd, std::string>> listed, rows;
  ForEachListedWindow(ws, self, showOnlyApps, appFilterMask,
                      [&](const std::string& title, Hwnd window) { listed.emplace_back(window, title); });
  for (int row = 0; row < lstApp.ListCount(); ++row) rows.emplace_back(lstApp.ItemData(row), lstApp.List(row));
  // The list sorts by title, the snapshot comes in z-order.
  std::sort(listed.begin(), listed.end());
  std::sort(rows.begin(), rows.end());
  return listed == rows;
}

}  // namespace hovrel
