// user32 behind the WindowSystem interface. Results that the program does not
// rely on (SetWindowPos, ShowWindow, SetForegroundWindow, MessageBeep) are
// ignored here on purpose: a stale handle simply makes them do nothing.
#include "platform/window_system_win32.h"

// After our headers: see window_system.h.
#include <windows.h>

#include "platform/win32_handle.h"

namespace hovrel {
namespace {

struct EnumForward {
  WindowEnumProc proc;
  std::intptr_t lParam;
};

BOOL CALLBACK ForwardEnum(HWND hwnd, LPARAM lParam) {
  const auto* forward = reinterpret_cast<const EnumForward*>(lParam);
  return forward->proc(FromHwnd(hwnd), forward->lParam) != 0;
}

}  // namespace

std::int32_t Win32WindowSystem::GetWindowLongA(Hwnd hwnd, int index) {
  return ::GetWindowLongA(ToHwnd(hwnd), index);
}

int Win32WindowSystem::GetWindowTextLengthA(Hwnd hwnd) {
  return ::GetWindowTextLengthA(ToHwnd(hwnd));
}

int Win32WindowSystem::GetWindowTextA(Hwnd hwnd, char* buffer, int capacity) {
  return ::GetWindowTextA(ToHwnd(hwnd), buffer, capacity);
}

void Win32WindowSystem::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                                     unsigned flags) {
  ::SetWindowPos(ToHwnd(hwnd), ToHwnd(insertAfter), x, y, cx, cy, flags);
}

void Win32WindowSystem::ShowWindow(Hwnd hwnd, int cmdShow) { ::ShowWindow(ToHwnd(hwnd), cmdShow); }

void Win32WindowSystem::SetForegroundWindow(Hwnd hwnd) { ::SetForegroundWindow(ToHwnd(hwnd)); }

Hwnd Win32WindowSystem::GetForegroundWindow() { return FromHwnd(::GetForegroundWindow()); }

Hwnd Win32WindowSystem::GetDesktopWindow() { return FromHwnd(::GetDesktopWindow()); }

Hwnd Win32WindowSystem::GetShellWindow() { return FromHwnd(::GetShellWindow()); }

int Win32WindowSystem::GetClassNameA(Hwnd hwnd, char* buffer, int capacity) {
  return ::GetClassNameA(ToHwnd(hwnd), buffer, capacity);
}

void Win32WindowSystem::EnumWindows(WindowEnumProc proc, std::intptr_t lParam) {
  EnumForward forward{proc, lParam};
  ::EnumWindows(&ForwardEnum, reinterpret_cast<LPARAM>(&forward));
}

bool Win32WindowSystem::SendMessageTimeoutA(Hwnd hwnd, unsigned msg, std::uintptr_t wParam,
                                            std::intptr_t lParam, unsigned flags,
                                            unsigned timeoutMs) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutA(ToHwnd(hwnd), msg, wParam, lParam, flags, timeoutMs, &result) != 0;
}

void Win32WindowSystem::MessageBeep(unsigned type) { ::MessageBeep(type); }

}  // namespace hovrel
