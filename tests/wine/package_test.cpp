// The download as a user meets it: unpacked into an empty folder (by the
// package_unpack step, which plants a notepad.exe beside the program too),
// started from there, and its read-me opened with F1 in the system's Notepad.
#include <gtest/gtest.h>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;

// Notepad names its window after the file, as the program spells it.
HWND ReadMeWindow() {
  for (HWND hwnd = nullptr; (hwnd = ::FindWindowExW(nullptr, hwnd, nullptr, nullptr)) != nullptr;)
    if (::IsWindowVisible(hwnd) && WideTitle(hwnd).find(L"readme.txt") != std::wstring::npos) return hwnd;
  return nullptr;
}

TEST(PackageTest, UnpackedProgramStartsAndF1OpensItsReadMeInTheSystemsNotepad) {
  const FixtureWindow row(UniqueTitle(L"package row"));
  const app::RunningApp app(L"unpacked\\hovrel.exe");
  ASSERT_TRUE(app.started()) << "the unpacked program showed no window with rows";
  ::SetForegroundWindow(app.window());
  ASSERT_TRUE(WaitUntil([&] { return app.Focus() != nullptr; }));
  app.PressKey(app.Focus(), VK_F1);
  // The planted notepad.exe beside the program is hovrel.exe again, which
  // shows no window on readme.txt; only the system's Notepad does.
  EXPECT_TRUE(WaitUntil([] { return ReadMeWindow() != nullptr; }, 20s)) << "no Notepad window on readme.txt";
}

}  // namespace
}  // namespace hovrel
