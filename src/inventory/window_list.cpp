// The rebuild of the window list; see window_list.h.
#include "inventory/window_list.h"

#include <string_view>
#include <vector>

namespace hovrel {
namespace {

struct Rebuild {
  WindowSystem& ws;
  ListBox& lstApp;
  Hwnd self;
  bool showOnlyApps;
  std::uint32_t appFilterMask;
  // One buffer for the whole pass: titles are read into it and copied out by
  // the list box, so a rebuild allocates only when a longer title turns up.
  std::vector<char> title;
};

void ListIfTask(Rebuild& rebuild, Hwnd current) {
  WindowSystem& ws = rebuild.ws;
  if (!TaskWindow(ws, current, rebuild.showOnlyApps, rebuild.appFilterMask) ||
      current == rebuild.self)
    return;
  const int length = ws.GetWindowTextLengthA(current);
  if (length <= 0) return;
  rebuild.title.resize(static_cast<std::size_t>(length) + 1);
  int copied = ws.GetWindowTextA(current, rebuild.title.data(), length + 1);
  if (copied <= 0) return;  // closed meanwhile, or never had a title
  if (copied > length) copied = length;
  rebuild.lstApp.AddItem(std::string_view(rebuild.title.data(), static_cast<std::size_t>(copied)));
  // The list box chose the row's place; the handle goes exactly there.
  rebuild.lstApp.SetItemData(rebuild.lstApp.NewIndex(), current);
}

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

}  // namespace

bool TaskWindow(WindowSystem& ws, Hwnd hwCurr, bool showOnlyApps, std::uint32_t appFilterMask) {
  const auto style = static_cast<std::uint32_t>(ws.GetWindowLongA(hwCurr, GWL_STYLE));
  if (!showOnlyApps) return true;
  return (style & appFilterMask) == appFilterMask;
}

void RebuildWindowList(WindowSystem& ws, ListBox& lstApp, Hwnd self, bool showOnlyApps,
                       std::uint32_t appFilterMask) {
  const int lastCount = lstApp.ListCount();
  ListRefill refill(lstApp);
  lstApp.Clear();
  // The desktop rarely changes much between two rebuilds.
  lstApp.Reserve(lastCount);
  Rebuild rebuild{ws, lstApp, self, showOnlyApps, appFilterMask, {}};
  for (const Hwnd window : TopLevelWindows(ws))
    ListIfTask(rebuild, window);
}

int RowOfWindow(const ListBox& lstApp, Hwnd hwnd) {
  for (int row = 0; row < lstApp.ListCount(); ++row)
    if (lstApp.ItemData(row) == hwnd) return row;
  return -1;
}

}  // namespace hovrel
