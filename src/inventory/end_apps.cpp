// Closing windows by title; see end_apps.h.
#include "inventory/end_apps.h"

#include <array>
#include <string_view>

namespace hovrel {
namespace modEndApps {

std::string TargetTitle;

void EndAppsByTitle(WindowSystem& ws, const std::string& text) {
  TargetTitle = text;
  // An empty text would be found in every title and close the whole desktop.
  if (TargetTitle.empty()) return;
  ws.EnumWindows(&EnumCloseProc, reinterpret_cast<std::intptr_t>(&ws));
}

int EnumCloseProc(Hwnd hwnd, std::intptr_t lParam) {
  auto& ws = *reinterpret_cast<WindowSystem*>(lParam);
  std::array<char, kTitleBufferSize> buffer{};
  int copied = ws.GetWindowTextA(hwnd, buffer.data(), kTitleBufferSize);
  if (copied < 0) copied = 0;
  if (copied > kTitleBufferSize - 1) copied = kTitleBufferSize - 1;
  const std::string_view title(buffer.data(), static_cast<std::size_t>(copied));
  if (title.find(TargetTitle) != std::string_view::npos) {
    std::int32_t unused = 0;
    // A plain send would wait forever on a hung window, and End Task is what
    // a user reaches for when a program hangs. Abort-if-hung skips a window
    // that is not responding, yet still waits for one that asks its user.
    ws.SendMessageTimeoutA(hwnd, WM_CLOSE, 0, reinterpret_cast<std::intptr_t>(&unused),
                           SMTO_ABORTIFHUNG, kCloseAnswerWaitMs);
  }
  return 1;
}

}  // namespace modEndApps

bool EndSelectedTask(WindowSystem& ws, const ListBox& lstApp) {
  const int selected = lstApp.ListIndex();
  if (selected < 0) {
    ws.MessageBeep(MB_OK);
    return false;
  }
  modEndApps::EndAppsByTitle(ws, lstApp.List(selected));
  return true;
}

}  // namespace hovrel
