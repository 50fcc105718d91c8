// The placement commands; see placement.h.
#include "inventory/placement.h"

#include <cstdint>

namespace hovrel {
namespace {

struct PlacementRule {
  Placement placement;
  bool restoreIfMinimised;
  Hwnd insertAfter;
};

constexpr PlacementRule kRules[] = {
    {Placement::Top, true, HWND_TOPMOST},
    {Placement::Switch, true, HWND_TOP},
    {Placement::Reset, false, HWND_NOTOPMOST},
};

const PlacementRule& RuleFor(Placement placement) {
  for (const auto& rule : kRules)
    if (rule.placement == placement) return rule;
  return kRules[0];
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
  if (rule.restoreIfMinimised &&
      (static_cast<std::uint32_t>(ws.GetWindowLongA(hwnd, GWL_STYLE)) & WS_MINIMIZE) != 0)
    ws.ShowWindow(hwnd, SW_RESTORE);
  // No SWP_NOACTIVATE: the window system activates the window it places.
  ws.SetWindowPos(hwnd, rule.insertAfter, 0, 0, 0, 0, kPlaceOtherFlags);
}

}  // namespace hovrel
