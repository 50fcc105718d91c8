// The shell seam on the real shell32 and kernel32: the notification icon's
// 152-byte record is taken by the shell, a command line starts its program,
// and the program finds its own file.
#include "links/read_me.h"
#include "platform/shell_win32.h"
#include "tray/tray_icon.h"
#include "support/fixture_windows.h"

#include <gtest/gtest.h>

namespace hovrel {
namespace {

using namespace fixture;

std::string Utf8(std::wstring_view text) { return ToUtf8(text); }

// Ends a process of this test's own by the window it shows.
void EndProcessOf(HWND hwnd) {
  DWORD id = 0;
  ::GetWindowThreadProcessId(hwnd, &id);
  const HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
  if (process == nullptr) return;
  ::TerminateProcess(process, 1);
  ::WaitForSingleObject(process, 5000);
  ::CloseHandle(process);
}

TEST(ShellTest, ProgramFileNameIsThisProgramsPath) {
  Win32Shell shell;
  const std::string file = shell.ProgramFileName();
  const std::string name = "\\hovrel_wine_tests.exe";
  ASSERT_GT(file.size(), name.size()) << "got \"" << file << "\"";
  EXPECT_EQ(file.substr(file.size() - name.size()), name);
  const std::string directory = ProgramDirectory(file);
  const DWORD attributes = ::GetFileAttributesA(directory.c_str());
  EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << directory;
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << directory;
}

TEST(ShellTest, NotifyIconTakesTheRecordAndDeletesIt) {
  FixtureWindow owner(UniqueTitle(L"tray owner"));
  const HICON icon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  Win32Shell shell;
  const TrayIconData data = FillTrayIconData(owner.handle(), FromHwnd(reinterpret_cast<HWND>(icon)),
                                             "Quarrow Hovrel");
  const TrayRecord record = PackTrayIconData(data);
  if (!shell.Shell_NotifyIconA(NIM_ADD, record)) {
    GTEST_SKIP() << "this desktop has no notification area";
  }
  EXPECT_TRUE(shell.Shell_NotifyIconA(NIM_DELETE, record));
  // Once deleted, the icon is gone: a second delete finds nothing.
  EXPECT_FALSE(shell.Shell_NotifyIconA(NIM_DELETE, record));
}

TEST(ShellTest, StartProgramRunsTheCommandLineShownNormally) {
  Win32Shell shell;
  const std::string directory = ProgramDirectory(shell.ProgramFileName());
  const std::wstring title = UniqueTitle(L"started by command line");
  shell.StartProgram("\"" + directory + "\\fixture_window.exe\" refuse " + Utf8(title),
                     SW_SHOWNORMAL);
  HWND started = nullptr;
  const bool up = WaitUntil([&] {
    started = ::FindWindowW(nullptr, title.c_str());
    return started != nullptr && ::IsWindowVisible(started);
  });
  ASSERT_TRUE(up) << "no visible window titled " << Utf8(title)
                  << (started ? " (it exists but is hidden)" : "");
  EXPECT_FALSE(::IsIconic(started));
  EndProcessOf(started);
}

}  // namespace
}  // namespace hovrel
