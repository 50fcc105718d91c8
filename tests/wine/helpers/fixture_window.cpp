// A window in a process of its own for the end-to-end tests, shown with the
// title given on the command line and answering a close request as told:
//   "fixture_window.exe" hang|ask <title, the rest of the line>
// "hang" stops reading its messages once the window is up; "ask" asks in a
// message box, where OK closes the window and Cancel keeps it.
#include <windows.h>

#include <string>

namespace {

// A test that dies leaves no hung helper behind for long.
constexpr DWORD kHangMs = 120'000;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) ::PostQuitMessage(0);
  if (msg != WM_CLOSE) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  if (::MessageBoxW(hwnd, L"Save the changes before closing?", L"Fixture", MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
    ::DestroyWindow(hwnd);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The title may hold any script and any spaces, so it is the rest of the
  // wide command line (the 8-bit one is lossy) after the quoted program.
  const std::wstring line = ::GetCommandLineW();
  const std::size_t modeStart = line.find(L"\" ") + 2, modeEnd = line.find(L' ', modeStart);
  if (modeStart == 1 || modeEnd == std::wstring::npos) return 1;
  WNDCLASSW wc{};
  wc.lpfnWndProc = &WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"HovrelFixtureHelper";
  ::RegisterClassW(&wc);
  if (!::CreateWindowExW(0, wc.lpszClassName, line.substr(modeEnd + 1).c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200,
                         200, 320, 160, nullptr, nullptr, instance, nullptr))
    return 1;
  MSG msg;
  if (line.compare(modeStart, modeEnd - modeStart, L"hang") == 0) {  // reads what is queued now, then stops for good
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    ::Sleep(kHangMs);
    return 0;
  }
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
