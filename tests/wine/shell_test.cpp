// The shell seam on the real shell32 and kernel32: the notification icon's
// 152-byte record is taken by the shell, Notepad opens the read-me from a
// directory with blanks in its name, and the program finds its own file.
#include "links/read_me.h"
#include "platform/shell_win32.h"
#include "tray/tray_icon_data.h"

// After our headers: see shell.h.
#include <windows.h>

#include "platform/win32_handle.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

namespace hovrel {
namespace {

using namespace std::chrono_literals;

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline = 15s) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

// A top-level window of this test, destroyed with the object.
class OwnWindow {
 public:
  OwnWindow()
      : hwnd_(::CreateWindowExA(0, "STATIC", "hovrel shell test", WS_OVERLAPPED, 0, 0, 80, 40,
                                nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr)) {}
  ~OwnWindow() { ::DestroyWindow(hwnd_); }
  OwnWindow(const OwnWindow&) = delete;
  OwnWindow& operator=(const OwnWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

struct TitleSearch {
  std::string prefix;
  HWND found = nullptr;
};

BOOL CALLBACK FindByTitlePrefix(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<TitleSearch*>(lParam);
  char title[256] = {};
  ::GetWindowTextA(hwnd, title, sizeof title);
  if (std::string(title).rfind(search->prefix, 0) != 0) return TRUE;
  search->found = hwnd;
  return FALSE;
}

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
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << directory;
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << directory;
}

TEST(ShellTest, NotifyIconTakesTheRecordAndDeletesIt) {
  const OwnWindow owner;
  ASSERT_NE(owner.hwnd(), nullptr);
  const HICON icon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  const TrayRecord record = PackTrayIconData(
      FillTrayIconData(FromHwnd(owner.hwnd()), FromHwnd(reinterpret_cast<HWND>(icon)), "Quarrow Hovrel"));
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

  Win32Shell shell;
  shell.StartProgram(ReadMeCommandLine(directory + "\\hovrel.exe"), SW_SHOWNORMAL);
  TitleSearch search{"readme"};
  const bool shown = WaitUntil([&] {
    search.found = nullptr;
    ::EnumWindows(&FindByTitlePrefix, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr && ::IsWindowVisible(search.found);
  });
  if (search.found != nullptr) {
    EXPECT_FALSE(::IsIconic(search.found));
    EndProcessOf(search.found);
  }
  ::DeleteFileA(readMe.c_str());
  ::RemoveDirectoryA(directory.c_str());
  EXPECT_TRUE(shown) << "no visible Notepad window on " << readMe
                     << (search.found != nullptr ? " (one exists, hidden)" : "");
}

}  // namespace
}  // namespace hovrel
