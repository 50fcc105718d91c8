// user32 behind the WindowSystem interface. Results that the program does not
// rely on (SetWindowPos, ShowWindow, SetForegroundWindow,
// AllowSetForegroundWindow, MessageBeep) are ignored here on purpose: a stale handle simply makes them do nothing.
#include "platform/window_system_win32.h"

#include <memory>

// After our headers: see window_system.h.
#include <windows.h>

#include "platform/integrity_win32.h"
#include "platform/system_function_win32.h"
#include "platform/wide_text_win32.h"
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

// Reads a text of at most capacity - 1 units with `read`, and hands it over
// as UTF-8 in `text`; returns the units read. One buffer for every text a
// thread reads, grown to the longest: a rebuild reads a title of each
// window, and End Task reads them on a thread of its own.
template <typename Read>
int ReadText(int capacity, std::string& text, Read read) {
  thread_local std::wstring buffer;
  text.clear();
  if (capacity <= 0) return 0;
  if (buffer.size() < static_cast<std::size_t>(capacity)) buffer.resize(static_cast<std::size_t>(capacity));
  const int copied = read(buffer.data(), capacity);
  if (copied <= 0) return 0;
  text = Narrow(std::wstring_view(buffer.data(), static_cast<std::size_t>(copied)));
  return copied;
}

using Answer = std::function<void(std::uintptr_t)>;

void CALLBACK DeliverAnswer(HWND, UINT, ULONG_PTR held, LRESULT result) {
  const std::unique_ptr<Answer> answer(reinterpret_cast<Answer*>(held));
  (*answer)(static_cast<std::uintptr_t>(result));
}

}  // namespace

std::int32_t Win32WindowSystem::GetWindowLongW(Hwnd hwnd, int index) {
  return ::GetWindowLongW(ToHwnd(hwnd), index);
}

int Win32WindowSystem::GetWindowTextLengthW(Hwnd hwnd) { return ::GetWindowTextLengthW(ToHwnd(hwnd)); }

int Win32WindowSystem::GetWindowTextW(Hwnd hwnd, std::string& title, int capacity) {
  return ReadText(capacity, title,
                  [&](wchar_t* buffer, int size) { return ::GetWindowTextW(ToHwnd(hwnd), buffer, size); });
}

int Win32WindowSystem::GetClassNameW(Hwnd hwnd, std::string& name, int capacity) {
  return ReadText(capacity, name,
                  [&](wchar_t* buffer, int size) { return ::GetClassNameW(ToHwnd(hwnd), buffer, size); });
}

void Win32WindowSystem::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                                     unsigned flags) {
  ::SetWindowPos(ToHwnd(hwnd), ToHwnd(insertAfter), x, y, cx, cy, flags);
}

void Win32WindowSystem::ShowWindow(Hwnd hwnd, int cmdShow) { ::ShowWindow(ToHwnd(hwnd), cmdShow); }

void Win32WindowSystem::ShowWindowAsync(Hwnd hwnd, int cmdShow) { ::ShowWindowAsync(ToHwnd(hwnd), cmdShow); }

void Win32WindowSystem::SetForegroundWindow(Hwnd hwnd) { ::SetForegroundWindow(ToHwnd(hwnd)); }

Hwnd Win32WindowSystem::GetForegroundWindow() { return FromHwnd(::GetForegroundWindow()); }

Hwnd Win32WindowSystem::GetLastActivePopup(Hwnd hwnd) { return FromHwnd(::GetLastActivePopup(ToHwnd(hwnd))); }

Hwnd Win32WindowSystem::GetWindow(Hwnd hwnd, unsigned cmd) { return FromHwnd(::GetWindow(ToHwnd(hwnd), cmd)); }

bool Win32WindowSystem::IsWindowVisible(Hwnd hwnd) { return ::IsWindowVisible(ToHwnd(hwnd)) != FALSE; }

bool Win32WindowSystem::IsWindowEnabled(Hwnd hwnd) { return ::IsWindowEnabled(ToHwnd(hwnd)) != FALSE; }

std::uint32_t Win32WindowSystem::GetWindowThreadProcessId(Hwnd hwnd, std::uint32_t* processId) {
  DWORD process = 0;
  const DWORD thread = ::GetWindowThreadProcessId(ToHwnd(hwnd), &process);
  if (processId != nullptr) *processId = process;
  return thread;
}

void Win32WindowSystem::AllowSetForegroundWindow(std::uint32_t processId) { ::AllowSetForegroundWindow(processId); }

Hwnd Win32WindowSystem::GetDesktopWindow() { return FromHwnd(::GetDesktopWindow()); }

Hwnd Win32WindowSystem::GetShellWindow() { return FromHwnd(::GetShellWindow()); }

bool Win32WindowSystem::IsHungAppWindow(Hwnd hwnd) { return ::IsHungAppWindow(ToHwnd(hwnd)) != FALSE; }

bool Win32WindowSystem::IsCloaked(Hwnd hwnd) {
  // Found at run time: the attribute is new with Windows 8, and a system
  // without the window manager's DLL has no cloaked windows either.
  using DwmGetWindowAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
  static const auto dwmGetWindowAttribute =
      SystemFunction<DwmGetWindowAttributeFunction>(L"dwmapi.dll", "DwmGetWindowAttribute");
  constexpr DWORD kDwmwaCloaked = 14;  // DWMWA_CLOAKED
  DWORD cloaked = 0;
  return dwmGetWindowAttribute != nullptr &&
         SUCCEEDED(dwmGetWindowAttribute(ToHwnd(hwnd), kDwmwaCloaked, &cloaked, sizeof cloaked)) && cloaked != 0;
}

void Win32WindowSystem::EnumWindows(WindowEnumProc proc, std::intptr_t lParam) {
  EnumForward forward{proc, lParam};
  ::EnumWindows(&ForwardEnum, reinterpret_cast<LPARAM>(&forward));
}

bool Win32WindowSystem::SendMessageTimeoutW(Hwnd hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                                            unsigned flags, unsigned timeoutMs, std::uintptr_t* result) {
  DWORD_PTR answer = 0;
  if (::SendMessageTimeoutW(ToHwnd(hwnd), msg, wParam, lParam, flags, timeoutMs, &answer) == 0) return false;
  if (result != nullptr) *result = answer;
  return true;
}

bool Win32WindowSystem::SendMessageCallbackW(Hwnd hwnd, unsigned msg, std::uintptr_t wParam,
                                             std::function<void(std::uintptr_t)> answer) {
  // Handed over before the call: for a window of this thread, Windows calls
  // DeliverAnswer, which frees it, before SendMessageCallbackW returns.
  Answer* const held = std::make_unique<Answer>(std::move(answer)).release();
  if (::SendMessageCallbackW(ToHwnd(hwnd), msg, wParam, 0, &DeliverAnswer, reinterpret_cast<ULONG_PTR>(held)))
    return true;
  // Refused: Windows never calls back, so it is freed here.
  const std::unique_ptr<Answer> refused(held);
  return false;
}

std::uintptr_t Win32WindowSystem::ClassLongPtr(Hwnd hwnd, int index) {
  return ::GetClassLongPtrW(ToHwnd(hwnd), index);
}

void Win32WindowSystem::MessageBeep(unsigned type) { ::MessageBeep(type); }

std::int32_t Win32WindowSystem::SetWindowLongW(Hwnd hwnd, int index, std::int32_t value) {
  return ::SetWindowLongW(ToHwnd(hwnd), index, value);
}

bool Win32WindowSystem::GetLayeredWindowAttributes(Hwnd hwnd, std::uint32_t* colorKey, std::uint8_t* alpha,
                                                   std::uint32_t* flags) {
  COLORREF key = 0;
  BYTE opacity = 0;
  DWORD which = 0;
  if (!::GetLayeredWindowAttributes(ToHwnd(hwnd), &key, &opacity, &which)) return false;
  *colorKey = key;
  *alpha = opacity;
  *flags = which;
  return true;
}

bool Win32WindowSystem::SetLayeredWindowAttributes(Hwnd hwnd, std::uint32_t colorKey, std::uint8_t alpha,
                                                   std::uint32_t flags) {
  return ::SetLayeredWindowAttributes(ToHwnd(hwnd), colorKey, alpha, flags) != FALSE;
}

bool Win32WindowSystem::IsWindow(Hwnd hwnd) { return ::IsWindow(ToHwnd(hwnd)) != FALSE; }

void Win32WindowSystem::RedrawWindow(Hwnd hwnd, unsigned flags) {
  ::RedrawWindow(ToHwnd(hwnd), nullptr, nullptr, flags);
}

std::uint32_t Win32WindowSystem::ProcessIntegrity(std::uint32_t processId) { return IntegrityLevel(processId); }

std::uint32_t Win32WindowSystem::OwnIntegrity() { return OwnIntegrityLevel(); }

}  // namespace hovrel
