// The placement commands; see placement.h.
#include "inventory/placement.h"

#include "inventory/shell_windows.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace hovrel {
namespace {

struct PlacementRule {
  Placement placement;
  bool restoreIfMinimised;
  Hwnd insertAfter;
  // A window that waits on a dialog of its own is disabled and takes no
  // keys: switching to it brings the dialog in front and active.
  bool activatePopup;
};

constexpr PlacementRule kRules[] = {
    {Placement::Top, true, HWND_TOPMOST, false},
    {Placement::Switch, true, HWND_TOP, true},
    {Placement::Reset, false, HWND_NOTOPMOST, false},
};

const PlacementRule& RuleFor(Placement placement) {
  for (const auto& rule : kRules)
    if (rule.placement == placement) return rule;
  return kRules[0];
}

// Placing or restoring a window sends its thread messages and waits for the
// answers, so a hung window would hang the program with it. It is posted the
// change instead, which it makes once it reads its messages again. Any other
// window is waited for as before: the posted form leaves the activation to
// the window's own thread, which then may not take the foreground.
void Restore(WindowSystem& ws, Hwnd hwnd, bool hung) {
  if (hung)
    ws.ShowWindowAsync(hwnd, SW_RESTORE);
  else
    ws.ShowWindow(hwnd, SW_RESTORE);
}

void Place(WindowSystem& ws, Hwnd hwnd, Hwnd insertAfter, unsigned flags, bool hung) {
  ws.SetWindowPos(hwnd, insertAfter, 0, 0, 0, 0, hung ? flags | SWP_ASYNCWINDOWPOS : flags);
}

}  // namespace

void PlaceSelectedWindow(WindowSystem& ws, const ListBox& lstApp, Placement placement) {
  const int selected = lstApp.ListIndex();
  if (selected < 0) {
    ws.MessageBeep(MB_OK);
    return;
  }
  const Hwnd hwnd = lstApp.ItemData(selected);
  const PlacementRule& rule = RuleFor(placement);
  const bool hung = ws.IsHungAppWindow(hwnd);
  // Read first: restoring or placing the window activates it, and then it
  // is its own last active pop-up.
  const Hwnd popup = rule.activatePopup ? ws.GetLastActivePopup(hwnd) : 0;
  if (rule.restoreIfMinimised &&
      (static_cast<std::uint32_t>(ws.GetWindowLongW(hwnd, GWL_STYLE)) & WS_MINIMIZE) != 0)
    Restore(ws, hwnd, hung);
  // No SWP_NOACTIVATE: the window system activates the window it places.
  Place(ws, hwnd, rule.insertAfter, kPlaceOtherFlags, hung);
  if (popup != 0) ws.SetForegroundWindow(popup);
}

bool ToggleTopmost(WindowSystem& ws, Hwnd hwnd) {
  if (hwnd == 0 || IsDesktopOrTaskbar(ws, hwnd)) return false;
  const auto exStyle = static_cast<std::uint32_t>(ws.GetWindowLongW(hwnd, GWL_EXSTYLE));
  Place(ws, hwnd, (exStyle & WS_EX_TOPMOST) != 0 ? HWND_NOTOPMOST : HWND_TOPMOST,
        SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE, ws.IsHungAppWindow(hwnd));
  return true;
}

}  // namespace hovrel
