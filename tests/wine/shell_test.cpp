// The shell seam on the real shell32 and kernel32: the notification icon's
// 152-byte record is taken by the shell, Notepad opens the read-me from a
// directory with blanks in its name, and the program finds its own file.
#include "links/read_me.h"
#include "platform/program_files_win32.h"
#include "platform/shell_win32.h"
#include "support/fixture_windows.h"
#include "tray/tray_icon_data.h"

#include <gtest/gtest.h>

#include <fstream>

namespace hovrel {
namespace {

using namespace fixture;

BOOL CALLBACK FindReadMeWindow(HWND hwnd, LPARAM lParam) {
  if (WideTitle(hwnd).compare(0, 6, L"readme") != 0) return TRUE;
  *reinterpret_cast<HWND*>(lParam) = hwnd;
  return FALSE;
}

TEST(ShellTest, ProgramFileNameIsThisProgramsPath) {
  const std::string file = Win32ProgramFiles().ProgramFileName();
  EXPECT_TRUE(file.ends_with("\\hovrel_wine_tests.exe")) << "got \"" << file << "\"";
  const DWORD attributes = ::GetFileAttributesA(ProgramDirectory(file).c_str());
  EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
      << ProgramDirectory(file) << " is no directory";
}

TEST(ShellTest, NotifyIconTakesTheRecordAndDeletesIt) {
  const FixtureWindow owner(UniqueTitle(L"icon owner"), Kind::Hidden);
  const HICON icon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  const TrayRecord record = PackTrayIconData(
      FillTrayIconData(owner.handle(), FromHwnd(reinterpret_cast<HWND>(icon)), "Quarrow Hovrel"));
  Win32Shell shell;
  if (!shell.Shell_NotifyIconA(NIM_ADD, record)) GTEST_SKIP() << "this desktop has no notification area";
  EXPECT_TRUE(shell.Shell_NotifyIconA(NIM_DELETE, record));
  // Deleted means gone: a second delete finds no icon.
  EXPECT_FALSE(shell.Shell_NotifyIconA(NIM_DELETE, record));
}

TEST(ShellTest, NotepadOpensTheReadMeFromADirectoryWithBlanks) {
  char temp[MAX_PATH] = {};
  ASSERT_GT(::GetTempPathA(MAX_PATH, temp), 0u);
  const std::string directory =
      std::string(temp) + "hovrel read me " + std::to_string(::GetCurrentProcessId());
  ::CreateDirectoryA(directory.c_str(), nullptr);
  const std::string readMe = directory + "\\readme.txt";
  std::ofstream(readMe) << "Quarrow Hovrel\r\n";

  Win32Shell().StartProgram(NotepadPath(Win32ProgramFiles().SystemDirectory()), ReadMeCommandLine(directory + "\\hovrel.exe"), SW_SHOWNORMAL);
  HWND found = nullptr;
  const bool shown = WaitUntil([&] {
    found = nullptr;
    ::EnumWindows(&FindReadMeWindow, reinterpret_cast<LPARAM>(&found));
    return found != nullptr && ::IsWindowVisible(found);
  }, 15s);
  if (found != nullptr) {
    EXPECT_FALSE(::IsIconic(found));
    DWORD id = 0;
    ::GetWindowThreadProcessId(found, &id);
    const HANDLE notepad = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    ::TerminateProcess(notepad, 1);
    ::WaitForSingleObject(notepad, 5000);
    ::CloseHandle(notepad);
  }
  ::DeleteFileA(readMe.c_str());
  ::RemoveDirectoryA(directory.c_str());
  EXPECT_TRUE(shown) << "no visible Notepad window on " << readMe
                     << (found != nullptr ? " (one exists, hidden)" : "");
}

}  // namespace
}  // namespace hovrel
