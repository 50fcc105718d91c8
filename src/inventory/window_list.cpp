// The rebuild of the window list; see window_list.h.
#include "inventory/window_list.h"

#include <string_view>
#include <unordered_set>
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

// GetWindow gives 0 for a window that has been destroyed, while a live one
// always has a first sibling, itself at least.
bool StillExists(WindowSystem& ws, Hwnd hwnd) { return ws.GetWindow(hwnd, GW_HWNDFIRST) != 0; }

std::unordered_set<Hwnd> ListedHandles(const ListBox& list) {
  std::unordered_set<Hwnd> handles;
  for (int i = 0; i < list.ListCount(); ++i) handles.insert(list.ItemData(i));
  return handles;
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
  // A window destroyed while the walk stands on it has no next window, and
  // the rest of the desktop would silently be missing. Then the walk starts
  // over once from the top, passing by the windows it has already listed.
  bool restarted = false;
  std::unordered_set<Hwnd> listedBeforeRestart;
  Hwnd current = ws.GetWindow(self, GW_HWNDFIRST);
  while (current != 0) {
    if (listedBeforeRestart.count(current) == 0) ListIfTask(rebuild, current);
    Hwnd next = ws.GetWindow(current, GW_HWNDNEXT);
    if (next == 0 && !restarted && !StillExists(ws, current)) {
      restarted = true;
      listedBeforeRestart = ListedHandles(lstApp);
      next = ws.GetWindow(self, GW_HWNDFIRST);
    }
    current = next;
  }
}

int RowOfWindow(const ListBox& lstApp, Hwnd hwnd) {
  for (int row = 0; row < lstApp.ListCount(); ++row)
    if (lstApp.ItemData(row) == hwnd) return row;
  return -1;
}

}  // namespace hovrel
