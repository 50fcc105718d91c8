// The window-system operations on the real user32 (8-bit forms).
#pragma once

#include "platform/window_system.h"

namespace hovrel {

class Win32WindowSystem final : public WindowSystem {
 public:
  std::int32_t GetWindowLongA(Hwnd hwnd, int index) override;
  int GetWindowTextLengthA(Hwnd hwnd) override;
  int GetWindowTextA(Hwnd hwnd, char* buffer, int capacity) override;
  void SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                    unsigned flags) override;
  void ShowWindow(Hwnd hwnd, int cmdShow) override;
  void SetForegroundWindow(Hwnd hwnd) override;
  Hwnd GetForegroundWindow() override;
  Hwnd GetDesktopWindow() override;
  Hwnd GetShellWindow() override;
  int GetClassNameA(Hwnd hwnd, char* buffer, int capacity) override;
  void EnumWindows(WindowEnumProc proc, std::intptr_t lParam) override;
  bool SendMessageTimeoutA(Hwnd hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                           unsigned flags, unsigned timeoutMs) override;
  void MessageBeep(unsigned type) override;
};

}  // namespace hovrel
