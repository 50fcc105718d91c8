// The window-system operations on the real user32 (wide forms), the window
// manager's cloaking from dwmapi, and processes' integrity from advapi32.
#pragma once

#include "platform/window_system.h"

namespace hovrel {

class Win32WindowSystem final : public WindowSystem {
 public:
  std::int32_t GetWindowLongW(Hwnd hwnd, int index) override;
  int GetWindowTextLengthW(Hwnd hwnd) override;
  int GetWindowTextW(Hwnd hwnd, std::string& title, int capacity) override;
  int GetClassNameW(Hwnd hwnd, std::string& name, int capacity) override;
  void SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                    unsigned flags) override;
  void ShowWindow(Hwnd hwnd, int cmdShow) override;
  void ShowWindowAsync(Hwnd hwnd, int cmdShow) override;
  void SetForegroundWindow(Hwnd hwnd) override;
  Hwnd GetForegroundWindow() override;
  Hwnd GetLastActivePopup(Hwnd hwnd) override;
  Hwnd GetWindow(Hwnd hwnd, unsigned cmd) override;
  bool IsWindowVisible(Hwnd hwnd) override;
  bool IsWindowEnabled(Hwnd hwnd) override;
  std::uint32_t GetWindowThreadProcessId(Hwnd hwnd, std::uint32_t* processId) override;
  void AllowSetForegroundWindow(std::uint32_t processId) override;
  Hwnd GetDesktopWindow() override;
  Hwnd GetShellWindow() override;
  bool IsHungAppWindow(Hwnd hwnd) override;
  bool IsCloaked(Hwnd hwnd) override;
  void EnumWindows(WindowEnumProc proc, std::intptr_t lParam) override;
  bool SendMessageTimeoutW(Hwnd hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam, unsigned flags,
                           unsigned timeoutMs, std::uintptr_t* result) override;
  bool SendMessageCallbackW(Hwnd hwnd, unsigned msg, std::uintptr_t wParam,
                            std::function<void(std::uintptr_t)> answer) override;
  std::uintptr_t ClassLongPtr(Hwnd hwnd, int index) override;
  void MessageBeep(unsigned type) override;
  std::int32_t SetWindowLongW(Hwnd hwnd, int index, std::int32_t value) override;
  bool GetLayeredWindowAttributes(Hwnd hwnd, std::uint32_t* colorKey, std::uint8_t* alpha,
                                  std::uint32_t* flags) override;
  bool SetLayeredWindowAttributes(Hwnd hwnd, std::uint32_t colorKey, std::uint8_t alpha, std::uint32_t flags) override;
  bool IsWindow(Hwnd hwnd) override;
  void RedrawWindow(Hwnd hwnd, unsigned flags) override;
  std::uint32_t ProcessIntegrity(std::uint32_t processId) override;
  std::uint32_t OwnIntegrity() override;
};

}  // namespace hovrel
