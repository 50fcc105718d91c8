// bare_window.exe [dll...]: the least a Win32 program does to show one window,
// the yardstick for hovrel.exe's start in the Wine benchmarks. It registers a
// class, shows a captioned window and reads messages until it is closed.
// Given DLL names, it loads each first: what that DLL alone costs a program.
#include <windows.h>

#include <cstdlib>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Kept for the program's life, as a DLL it imports would be.
  for (int i = 1; i < __argc; ++i) ::LoadLibraryA(__argv[i]);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "HovrelBenchBareWindow";
  ::RegisterClassExA(&windowClass);
  HWND hwnd = ::CreateWindowExA(0, windowClass.lpszClassName, "Bare Window", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 480, 320, nullptr, nullptr, instance,
                                nullptr);
  if (hwnd == nullptr) return 1;
  ::ShowWindow(hwnd, SW_SHOWNORMAL);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return 0;
}
