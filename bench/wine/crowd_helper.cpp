// window_crowd.exe <count>: a process of its own that makes a crowd of that
// many top-level windows for the Wine benchmarks, then shows that it is ready
// with a hidden, untitled window of the class kCrowdReadyClass, and answers
// its windows' messages until that window is asked to close.
#include <windows.h>

#include <cstdlib>

#include "crowd_ready.h"
#include "window_crowd.h"

namespace {

LRESULT CALLBACK ReadyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateReadyWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &ReadyProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = hovrel::bench::kCrowdReadyClass;
  ::RegisterClassExW(&windowClass);
  return ::CreateWindowExW(0, hovrel::bench::kCrowdReadyClass, L"", WS_OVERLAPPED, 0, 0, 0, 0,
                           nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int count = __argc > 1 ? std::atoi(__argv[1]) : 0;
  hovrel::bench::WindowCrowd crowd(count);
  if (CreateReadyWindow() == nullptr) return 1;
  // Every rebuild asks each window for its title length: a message that
  // this thread must answer, so it keeps reading.
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
