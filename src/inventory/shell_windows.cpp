// The shell's and the input methods' own windows; see shell_windows.h.
#include "inventory/shell_windows.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

namespace hovrel {
namespace {

// Longer than any name below, so that a longer class name is never cut
// into one of them.
constexpr int kClassNameCapacity = 64;

template <std::size_t N>
bool ClassIsOneOf(WindowSystem& ws, Hwnd hwnd, const std::string_view (&classes)[N]) {
  std::string className;
  ws.GetClassNameW(hwnd, className, kClassNameCapacity);
  return std::find(std::begin(classes), std::end(classes), className) != std::end(classes);
}

// The taskbar, on the main monitor and on the others, and the layer that
// holds the desktop's icons once Explorer has moved them in front of the
// wallpaper.
constexpr std::string_view kShellClasses[] = {"Shell_TrayWnd", "Shell_SecondaryTrayWnd", "WorkerW"};

constexpr std::string_view kInputMethodClasses[] = {"IME", "MSCTFIME UI"};

}  // namespace

bool IsDesktopOrTaskbar(WindowSystem& ws, Hwnd hwnd) {
  if (hwnd == ws.GetDesktopWindow() || hwnd == ws.GetShellWindow()) return true;
  return ClassIsOneOf(ws, hwnd, kShellClasses);
}

bool IsInputMethodWindow(WindowSystem& ws, Hwnd hwnd) { return ClassIsOneOf(ws, hwnd, kInputMethodClasses); }

}  // namespace hovrel
