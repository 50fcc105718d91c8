// The rebuild of the window list; see window_list.h.
#include "inventory/window_list.h"

#include <string_view>
#include <vector>

namespace hovrel {

bool TaskWindow(WindowSystem& ws, Hwnd hwCurr, bool showOnlyApps, std::uint32_t appFilterMask) {
  const auto style = static_cast<std::uint32_t>(ws.GetWindowLongA(hwCurr, GWL_STYLE));
  if (!showOnlyApps) return true;
  return (style & appFilterMask) == appFilterMask;
}

void FindAllApps(WindowSystem& ws, ListBox& lstApp, Hwnd self, bool showOnlyApps,
                 std::uint32_t appFilterMask) {
  const int lastCount = lstApp.ListCount();
  ListRefill refill(lstApp);
  lstApp.Clear();
  // The desktop rarely changes much between two rebuilds.
  lstApp.Reserve(lastCount);
  // One buffer for the whole pass: titles are read into it and copied out by
  // the list box, so a rebuild allocates only when a longer title turns up.
  std::vector<char> title;
  for (Hwnd current = ws.GetWindow(self, GW_HWNDFIRST); current != 0;
       current = ws.GetWindow(current, GW_HWNDNEXT)) {
    if (!TaskWindow(ws, current, showOnlyApps, appFilterMask) || current == self) continue;
    const int length = ws.GetWindowTextLengthA(current);
    if (length <= 0) continue;
    title.resize(static_cast<std::size_t>(length) + 1);
    int copied = ws.GetWindowTextA(current, title.data(), length + 1);
    if (copied <= 0) continue;  // closed meanwhile, or never had a title
    if (copied > length) copied = length;
    lstApp.AddItem(std::string_view(title.data(), static_cast<std::size_t>(copied)));
    // The list box chose the row's place; the handle goes exactly there.
    lstApp.SetItemData(lstApp.NewIndex(), current);
  }
}

}  // namespace hovrel
