// The placement commands; see placement.h.
#include "inventory/placement.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

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

// The shell's own windows that may be in front: the taskbar, on the main
// monitor and on the others, and the layer that holds the desktop's icons
// once Explorer has moved them in front of the wallpaper.
constexpr std::string_view kShellClasses[] = {"Shell_TrayWnd", "Shell_SecondaryTrayWnd", "WorkerW"};

bool IsDesktopOrTaskbar(WindowSystem& ws, Hwnd hwnd) {
  if (hwnd == ws.GetDesktopWindow() || hwnd == ws.GetShellWindow()) return true;
  std::array<char, 64> name{};
  const int length = ws.GetClassNameA(hwnd, name.data(), static_cast<int>(name.size()));
  const std::string_view className(name.data(), static_cast<std::size_t>(std::max(length, 0)));
  return std::find(std::begin(kShellClasses), std::end(kShellClasses), className) != std::end(kShellClasses);
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

bool ToggleTopmost(WindowSystem& ws, Hwnd hwnd) {
  if (hwnd == 0 || IsDesktopOrTaskbar(ws, hwnd)) return false;
  const auto exStyle = static_cast<std::uint32_t>(ws.GetWindowLongA(hwnd, GWL_EXSTYLE));
  ws.SetWindowPos(hwnd, (exStyle & WS_EX_TOPMOST) != 0 ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
                  SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

}  // namespace hovrel
