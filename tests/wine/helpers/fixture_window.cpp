// A window in a process of its own for the end-to-end tests, shown with the
// title given on the command line and answering a close request as told:
//   fixture_window.exe hang|ask|refuse <title, the rest of the line>
// "hang" stops reading its messages once the window is up, "ask" asks in a
// message box (OK closes, Cancel keeps the window), "refuse" ignores it.
#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

enum class Answer { Hang, Ask, Refuse };

struct Options {
  Answer answer = Answer::Refuse;
  std::wstring title;
};

Options g_options;

// A test that dies leaves no hung helper behind for long.
constexpr DWORD kHangMs = 120'000;

// The title may hold any script and any spaces, so it is everything after the
// mode word, read from the wide command line (the 8-bit one is lossy).
Options ParseCommandLine(std::wstring_view line) {
  std::size_t pos = 0;
  if (!line.empty() && line[0] == L'"') {
    pos = line.find(L'"', 1);
    pos = pos == std::wstring_view::npos ? line.size() : pos + 1;
  } else {
    pos = line.find(L' ');
    if (pos == std::wstring_view::npos) pos = line.size();
  }
  while (pos < line.size() && line[pos] == L' ') ++pos;
  const std::size_t modeEnd = std::min(line.find(L' ', pos), line.size());
  const std::wstring_view mode = line.substr(pos, modeEnd - pos);
  Options options;
  options.answer = mode == L"hang" ? Answer::Hang : mode == L"ask" ? Answer::Ask : Answer::Refuse;
  if (modeEnd < line.size()) options.title = line.substr(modeEnd + 1);
  return options;
}

LRESULT OnClose(HWND hwnd) {
  if (g_options.answer == Answer::Refuse) return 0;
  if (g_options.answer == Answer::Ask &&
      ::MessageBoxW(hwnd, L"Save the changes before closing?", L"Fixture",
                    MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
    return 0;
  ::DestroyWindow(hwnd);
  return 0;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CLOSE:
      return OnClose(hwnd);
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

HWND CreateMainWindow(HINSTANCE instance) {
  constexpr wchar_t kClassName[] = L"HovrelFixtureHelper";
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &WindowProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClassName;
  ::RegisterClassExW(&wc);
  return ::CreateWindowExW(0, kClassName, g_options.title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           200, 200, 320, 160, nullptr, nullptr, instance, nullptr);
}

// Reads what is queued now and then stops reading for good.
void Hang() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  ::Sleep(kHangMs);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  g_options = ParseCommandLine(::GetCommandLineW());
  if (!CreateMainWindow(instance)) return 1;
  if (g_options.answer == Answer::Hang) {
    Hang();
    return 0;
  }
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
