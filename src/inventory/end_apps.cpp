// Closing windows by title; see end_apps.h.
#include "inventory/end_apps.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "inventory/rights.h"
#include "inventory/shell_windows.h"

namespace hovrel {
namespace {

// The first `units` UTF-16 units of a UTF-8 text, never ending inside a
// character: a character beyond the basic plane takes two units.
std::string_view CutToUnits(std::string_view text, int units) {
  std::size_t end = 0;
  while (end < text.size()) {
    const auto lead = static_cast<unsigned char>(text[end]);
    units -= lead >= 0xF0 ? 2 : 1;
    if (units < 0) break;
    end += lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  }
  return text.substr(0, std::min(end, text.size()));
}

struct CloseRun {
  WindowSystem& ws;
  std::uint32_t ownProcess;
  std::vector<Hwnd> own;
};

void AskToClose(WindowSystem& ws, Hwnd hwnd, std::uint32_t process) {
  // The window may ask its user (to save, say); its program is in the
  // background, and only a process let take the foreground brings its
  // question in front rather than flashing on the taskbar.
  ws.AllowSetForegroundWindow(process);
  std::int32_t unused = 0;
  // A plain send would wait forever on a hung window, and End Task is what
  // a user reaches for when a program hangs. Abort-if-hung skips a window
  // that is not responding, yet still waits for one that asks its user.
  ws.SendMessageTimeoutW(hwnd, WM_CLOSE, 0, reinterpret_cast<std::intptr_t>(&unused), SMTO_ABORTIFHUNG,
                         kCloseAnswerWaitMs);
}

}  // namespace

namespace modEndApps {

std::string TargetTitle;

void EndAppsByTitle(WindowSystem& ws, const std::string& text, std::uint32_t ownProcess) {
  // Cut as each title is read, so that a row's text longer than a title
  // buffer still finds its own window.
  TargetTitle = CutToUnits(text, kTitleBufferSize - 1);
  // An empty text would be found in every title and close the whole desktop.
  if (TargetTitle.empty()) return;
  CloseRun run{ws, ownProcess, {}};
  ws.EnumWindows(&EnumCloseProc, reinterpret_cast<std::intptr_t>(&run));
  for (const Hwnd hwnd : run.own) AskToClose(ws, hwnd, ownProcess);
}

int EnumCloseProc(Hwnd hwnd, std::intptr_t lParam) {
  auto& run = *reinterpret_cast<CloseRun*>(lParam);
  std::string title;
  run.ws.GetWindowTextW(hwnd, title, kTitleBufferSize);
  if (title.find(TargetTitle) == std::string::npos) return 1;
  // No task: asked to close, the shell's desktop answers with Windows' Shut
  // Down dialog, and an input method's helper window goes, and with it the
  // typing in its program.
  if (IsDesktopOrTaskbar(run.ws, hwnd) || IsInputMethodWindow(run.ws, hwnd)) return 1;
  // A program with more rights would drop the request without a word.
  if (OutOfReach(run.ws, hwnd)) return 1;
  std::uint32_t process = 0;
  run.ws.GetWindowThreadProcessId(hwnd, &process);
  if (process != 0 && process == run.ownProcess)
    run.own.push_back(hwnd);
  else
    AskToClose(run.ws, hwnd, process);
  return 1;
}

}  // namespace modEndApps

}  // namespace hovrel
