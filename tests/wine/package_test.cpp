// The download as a user meets it: unpacked into an empty folder (by the
// package_unpack step, which also plants a notepad.exe beside the program),
// started from there, and its read-me opened with F1 in the system's Notepad.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;

std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
  return text;
}

std::wstring ImageOf(HWND hwnd) {
  const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE,
                                       app::ProcessOf(hwnd));
  if (process == nullptr) return {};
  wchar_t path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  ::QueryFullProcessImageNameW(process, 0, path, &size);
  ::TerminateProcess(process, 0);
  ::CloseHandle(process);
  return Lower(path);
}

HWND ReadMeWindow() {
  for (HWND hwnd = nullptr; (hwnd = ::FindWindowExW(nullptr, hwnd, nullptr, nullptr)) != nullptr;)
    if (::IsWindowVisible(hwnd) && Lower(WideTitle(hwnd)).find(L"readme") != std::wstring::npos) return hwnd;
  return nullptr;
}

TEST(PackageTest, UnpackedProgramStartsAndF1OpensItsReadMeInTheSystemsNotepad) {
  const FixtureWindow row(UniqueTitle(L"package row"));
  const app::RunningApp app(L"unpacked\\hovrel.exe");
  ASSERT_TRUE(app.started()) << "the unpacked program showed no window with rows";
  ::SetForegroundWindow(app.window());
  ASSERT_TRUE(WaitUntil([&] { return app.Focus() != nullptr; }));
  app.PressKey(app.Focus(), VK_F1);
  HWND notepad = nullptr;
  // The planted notepad.exe beside the program ends at once, showing nothing.
  ASSERT_TRUE(WaitUntil([&] { return (notepad = ReadMeWindow()) != nullptr; }, 20s))
      << "no Notepad window on readme.txt";
  // The system folder as this 32-bit program sees it: system32 or, under
  // WOW64, the folder that it is redirected to.
  wchar_t windows[MAX_PATH] = {};
  ::GetWindowsDirectoryW(windows, MAX_PATH);
  const std::wstring image = ImageOf(notepad);
  EXPECT_TRUE(image.starts_with(Lower(windows) + L"\\") && image.ends_with(L"\\notepad.exe")) << ToUtf8(image);
}

}  // namespace
}  // namespace hovrel
