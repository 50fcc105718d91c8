// The placement commands; see placement.h.
#include "inventory/placement.h"

#include <cstdint>


namespace hovrel {
namespace {

struct PlacementRule {
  Placement placement;
  bool restoreIfMinimised;
  Hwnd insertAfter;
  // Brought to the front, active: the window itself, or for a switch the
  // window of its program that takes the user's keys.
  bool toFront;
  bool usableWindow;
};

constexpr PlacementRule kRules[] = {
    {Placement::Top, true, HWND_TOPMOST, true, false},
    {Placement::Switch, true, HWND_TOP, true, true},
    {Placement::Reset, false, HWND_NOTOPMOST, false, false},
};

const PlacementRule& RuleFor(Placement placement) {
  for (const auto& rule : kRules)
    if (rule.placement == placement) return rule;
  return kRules[0];
}

// Owner chains are short; a longer one is a loop that a window made of its
// owners while we walked it.
constexpr int kMostOwners = 32;

// A visible window that `owner` owns, an enabled one if there is one; 0 for
// none. A disabled one waits on a window of its own in turn.
Hwnd VisiblePopup(WindowSystem& ws, Hwnd owner) {
  struct Search {
    WindowSystem& ws;
    Hwnd owner;
    Hwnd found;
  } search{ws, owner, 0};
  ws.EnumWindows(
      [](Hwnd hwnd, std::intptr_t lParam) {
        auto& s = *reinterpret_cast<Search*>(lParam);
        if (s.ws.GetWindow(hwnd, GW_OWNER) != s.owner || !s.ws.IsWindowVisible(hwnd)) return 1;
        if (s.found == 0 || s.ws.IsWindowEnabled(hwnd)) s.found = hwnd;
        return s.ws.IsWindowEnabled(hwnd) ? 0 : 1;
      },
      reinterpret_cast<std::intptr_t>(&search));
  return search.found;
}

}  // namespace

Hwnd UsableWindow(WindowSystem& ws, Hwnd hwnd) {
  // As Alt+Tab does: from the root owner (older frameworks own their main
  // window from a hidden one), along the last active pop-ups to the first
  // that is visible; the last active of a hidden one may be visible.
  Hwnd walk = hwnd;
  // Not GetAncestor's root owner: it follows only the owners of pop-ups.
  for (int step = 0; step < kMostOwners && ws.GetWindow(walk, GW_OWNER) != 0; ++step) walk = ws.GetWindow(walk, GW_OWNER);
  Hwnd usable = ws.IsWindowVisible(walk) ? walk : hwnd;
  for (int step = 0; step < kMostOwners; ++step) {
    const Hwnd popup = ws.GetLastActivePopup(walk);
    if (popup == walk || popup == 0) break;
    walk = popup;
    if (ws.IsWindowVisible(popup)) {
      usable = popup;
      break;
    }
  }
  // Disabled, it waits on a window of its own that was never active (an
  // error shown without activation, say): that one takes the keys.
  for (int step = 0; step < kMostOwners && !ws.IsWindowEnabled(usable); ++step) {
    const Hwnd popup = VisiblePopup(ws, usable);
    if (popup == 0) break;
    usable = popup;
  }
  return usable;
}

// Placing or restoring another program's window waits for its thread to
// handle the change, and a busy window (saving, say) would hold the program
// for as long as it is busy, a hung one for ever; Windows reports a window
// hung only after 5 s. Every change is posted instead, and the window's
// thread makes it once it reads its messages. A posted activation happens
// on that thread, which may not take the foreground on its own: its process
// is let take it, and the program brings forward what must be in front.
void PlaceSelectedWindow(WindowSystem& ws, const ListBox& lstApp, Placement placement) {
  const int selected = lstApp.ListIndex();
  if (selected < 0) {
    ws.MessageBeep(MB_OK);
    return;
  }
  const Hwnd hwnd = lstApp.ItemData(selected);
  const PlacementRule& rule = RuleFor(placement);
  // Read first: restoring or placing the window activates it, and then it
  // is its own last active pop-up.
  const Hwnd front = rule.usableWindow ? UsableWindow(ws, hwnd) : hwnd;
  std::uint32_t process = 0;
  ws.GetWindowThreadProcessId(hwnd, &process);
  ws.AllowSetForegroundWindow(process);
  if (rule.restoreIfMinimised &&
      (static_cast<std::uint32_t>(ws.GetWindowLongW(hwnd, GWL_STYLE)) & WS_MINIMIZE) != 0)
    ws.ShowWindowAsync(hwnd, SW_RESTORE);
  // No SWP_NOACTIVATE: the window system activates the window it places.
  ws.SetWindowPos(hwnd, rule.insertAfter, 0, 0, 0, 0, kPlaceOtherFlags | SWP_ASYNCWINDOWPOS);
  if (rule.toFront) ws.SetForegroundWindow(front);
}

bool IsTopmost(WindowSystem& ws, Hwnd hwnd) {
  return (static_cast<std::uint32_t>(ws.GetWindowLongW(hwnd, GWL_EXSTYLE)) & WS_EX_TOPMOST) != 0;
}

void PlaceInBand(WindowSystem& ws, Hwnd hwnd, bool topmost) {
  ws.SetWindowPos(hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                  SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
}

}  // namespace hovrel
