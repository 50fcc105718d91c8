// The real hovrel.exe's notification icon, Help menu and About box, driven
// from outside: the icon's messages against real pointer moves, minimising,
// the icon present for the whole run and gone after each way out, the links
// and Read Me through stand-ins the test can watch, and the modal About box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

#include <shellapi.h>

namespace hovrel {
namespace {

using namespace fixture;
using app::IconExists;
using app::RunningApp;

constexpr WPARAM kIconNumber = 1;

DWORD ProcessOf(HWND hwnd) {
  DWORD id = 0;
  ::GetWindowThreadProcessId(hwnd, &id);
  return id;
}


struct Search {
  DWORD process;
  std::wstring className;  // empty: any
  std::wstring titlePart;  // empty: any
  HWND found = nullptr;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  if (!::IsWindowVisible(hwnd)) return TRUE;
  if (search.process != 0 && ProcessOf(hwnd) != search.process) return TRUE;
  wchar_t name[64] = {};
  ::GetClassNameW(hwnd, name, 64);
  if (!search.className.empty() && search.className != name) return TRUE;
  std::wstring title = WideTitle(hwnd);
  std::transform(title.begin(), title.end(), title.begin(), ::towlower);
  if (!search.titlePart.empty() && title.find(search.titlePart) == std::wstring::npos) return TRUE;
  search.found = hwnd;
  return FALSE;
}

HWND FindVisible(DWORD process, std::wstring className, std::wstring titlePart) {
  Search search{process, std::move(className), std::move(titlePart)};
  ::EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The popup menu the program has open, null if none.
HWND OpenMenu(const RunningApp& app) { return FindVisible(ProcessOf(app.window()), L"#32768", L""); }

HWND AboutBox(const RunningApp& app) {
  return FindVisible(ProcessOf(app.window()), L"", L"about quarrow hovrel");
}

void Minimise(const RunningApp& app) { ::PostMessageW(app.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }

bool Shown(const RunningApp& app) { return ::IsWindowVisible(app.window()) && !::IsIconic(app.window()); }

// Sent, so it has been handled when this returns; false when the program
// did not return in time (a menu opened inside the handler).
bool SendMouseMove(const RunningApp& app, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(app.window(), WM_MOUSEMOVE, wParam, lParam, SMTO_NORMAL, 5000, &result) != 0;
}

void CloseMenu(const RunningApp& app) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(app.window(), WM_CANCELMODE, 0, 0, SMTO_NORMAL, 5000, &result);
  WaitUntil([&] { return OpenMenu(app) == nullptr; });
}

class TrayAboutTest : public ::testing::Test {
 protected:
  // The program starts with a row to show.
  FixtureWindow row{UniqueTitle(L"tray about row")};
};

TEST_F(TrayAboutTest, MinimisingHidesTheWindowAndTheIconsMessagesActAsTheTableSays) {
  enum class Effect { Nothing, Restores, OpensMenu };
  struct Case {
    const char* name;
    WPARAM wParam;
    LPARAM lParam;
    Effect effect;
  };
  // clang-format off
  const Case cases[] = {
      {"left release",          kIconNumber, WM_LBUTTONUP,          Effect::Restores},
      {"double-click",          kIconNumber, WM_LBUTTONDBLCLK,      Effect::Restores},
      {"right release",         kIconNumber, WM_RBUTTONUP,          Effect::OpensMenu},
      {"left press",            kIconNumber, WM_LBUTTONDOWN,        Effect::Nothing},
      {"right press",           kIconNumber, WM_RBUTTONDOWN,        Effect::Nothing},
      {"move over the icon",    kIconNumber, WM_MOUSEMOVE,          Effect::Nothing},
      {"real move to x 514",    0,           MAKELPARAM(514, 0),    Effect::Nothing},
      {"real move to x 515",    0,           MAKELPARAM(515, 0),    Effect::Nothing},
      {"real move to x 517",    0,           MAKELPARAM(517, 0),    Effect::Nothing},
  };
  // clang-format on
  RunningApp app;
  ASSERT_TRUE(app.started());
  for (const Case& c : cases) {
    if (::IsWindowVisible(app.window())) Minimise(app);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(app.window()); }))
        << c.name << ": minimised, the window stayed visible (iconic " << ::IsIconic(app.window()) << ")";
    if (c.effect == Effect::OpensMenu) {
      ::PostMessageW(app.window(), WM_MOUSEMOVE, c.wParam, c.lParam);
      EXPECT_TRUE(WaitUntil([&] { return OpenMenu(app) != nullptr; })) << c.name << ": no menu opened";
      EXPECT_EQ(::GetForegroundWindow(), app.window()) << c.name;
      CloseMenu(app);
      EXPECT_FALSE(::IsWindowVisible(app.window())) << c.name << ": the menu showed the window";
      continue;
    }
    ASSERT_TRUE(SendMouseMove(app, c.wParam, c.lParam)) << c.name << ": the handler did not return";
    const bool shown = Shown(app);
    EXPECT_EQ(shown, c.effect == Effect::Restores) << c.name << ": shown " << shown;
    EXPECT_EQ(OpenMenu(app), nullptr) << c.name << ": a menu opened";
    if (OpenMenu(app) != nullptr) CloseMenu(app);
  }
}

TEST_F(TrayAboutTest, TheIconLastsTheWholeRunAndGoesWithEachWayOut) {
  struct Case {
    const char* name;
    void (*act)(const RunningApp&);
  };
  const Case cases[] = {
      {"File Exit", [](const RunningApp& app) { app.Menu(CommandId::mnuExit); }},
      {"close box", [](const RunningApp& app) { app.PressCloseBox(); }},
      {"icon menu Exit",
       [](const RunningApp& app) {
         ::PostMessageW(app.window(), WM_MOUSEMOVE, kIconNumber, WM_RBUTTONUP);
         if (!WaitUntil([&] { return OpenMenu(app) != nullptr; })) return;
         // The menu's own loop reads the keys: x is Exit's access key.
         ::PostMessageW(app.window(), WM_CHAR, L'x', 1);
       }},
  };
  for (const Case& c : cases) {
    RunningApp app;
    ASSERT_TRUE(app.started()) << c.name;
    const HWND window = app.window();
    EXPECT_TRUE(WaitUntil([&] { return IconExists(window); })) << c.name << ": no icon while running";
    Minimise(app);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(window); })) << c.name;
    EXPECT_TRUE(IconExists(window)) << c.name << ": the icon went when the window hid";
    ::PostMessageW(window, WM_MOUSEMOVE, kIconNumber, WM_LBUTTONUP);
    EXPECT_TRUE(WaitUntil([&] { return Shown(app); })) << c.name << ": the icon did not restore";
    c.act(app);
    DWORD exitCode = 1;
    EXPECT_TRUE(app.WaitForExit(10s, exitCode)) << c.name << ": the program still runs";
    EXPECT_EQ(exitCode, 0u) << c.name;
    EXPECT_FALSE(IconExists(window)) << c.name << ": the icon outlived the program";
  }
}

TEST_F(TrayAboutTest, AboutShowsTheBuildBlocksTheMainWindowAndClosesOnEnter) {
  RunningApp app;
  ASSERT_TRUE(app.started());
  for (int opening = 1; opening <= 2; ++opening) {
    app.Menu(CommandId::mnuAbout);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = AboutBox(app)) != nullptr; })) << "opening " << opening;
    EXPECT_EQ(WideTitle(::GetDlgItem(about, static_cast<int>(CommandId::Label2))), L"Version 2.0 Build");
    EXPECT_EQ(WideTitle(::GetDlgItem(about, static_cast<int>(CommandId::BuildNo))), L"2140");
    EXPECT_FALSE(::IsWindowEnabled(app.window())) << "the main window takes input under About";

    const LONG style = ::GetWindowLongW(about, GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_FALSE(::GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_NE(::GetWindow(about, GW_OWNER), nullptr) << "an unowned window has a taskbar button";
    RECT frame{};
    ::GetWindowRect(about, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    for (CommandId field : {CommandId::LEmail, CommandId::LHomepage, CommandId::LOnlineAddress}) {
      const LONG fieldStyle = ::GetWindowLongW(::GetDlgItem(about, static_cast<int>(field)), GWL_STYLE);
      EXPECT_TRUE(fieldStyle & ES_READONLY) << static_cast<int>(field);
      EXPECT_FALSE(fieldStyle & WS_TABSTOP) << static_cast<int>(field);
    }

    HWND ok = ::GetDlgItem(about, static_cast<int>(CommandId::btnOK));
    EXPECT_TRUE(WaitUntil([&] { return app.Focus() == ok; })) << "focus on " << app.Focus() << ", not OK";
    app.PressKey(app.Focus(), VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); })) << "Enter left About open";
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(app.window()); })) << "the main window stays disabled";
  }
}

// Registers a stand-in as the open command of http and mailto, and puts the
// old commands back when it goes. The stand-in logs what it was given.
class ShellStandIn {
 public:
  ShellStandIn() : log_(LogPath()) {
    ::DeleteFileW(log_.c_str());
    const std::wstring command = L"\"" + BesideTests(L"shell_stand_in.exe") + L"\" \"" + log_ + L"\" %1";
    for (const wchar_t* scheme : {L"http", L"mailto"}) Register(scheme, command);
  }
  ~ShellStandIn() {
    for (const auto& [key, old] : saved_) {
      HKEY handle = nullptr;
      if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                            nullptr) != ERROR_SUCCESS)
        continue;
      ::RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(old.c_str()),
                       static_cast<DWORD>((old.size() + 1) * sizeof(wchar_t)));
      ::RegCloseKey(handle);
    }
    ::DeleteFileW(log_.c_str());
  }
  ShellStandIn(const ShellStandIn&) = delete;
  ShellStandIn& operator=(const ShellStandIn&) = delete;

  // One line per start: the show command, a tab, the command line.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    FILE* file = ::_wfopen(log_.c_str(), L"rb");
    if (file == nullptr) return lines;
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;) text.push_back(static_cast<char>(c));
    std::fclose(file);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

 private:
  static std::wstring BesideTests(const std::wstring& name) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring beside(path);
    beside.erase(beside.find_last_of(L"\\/") + 1);
    return beside + name;
  }
  static std::wstring LogPath() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"hovrel stand-in " + std::to_wstring(::GetCurrentProcessId()) + L".log";
  }
  void Register(const std::wstring& scheme, const std::wstring& command) {
    const std::wstring key = scheme + L"\\shell\\open\\command";
    HKEY handle = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                          nullptr, &handle, nullptr) != ERROR_SUCCESS)
      return;
    wchar_t old[1024] = {};
    DWORD size = sizeof old - sizeof(wchar_t);
    if (::RegQueryValueExW(handle, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS)
      saved_.emplace_back(key, old);
    ::RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(handle);
  }

  std::wstring log_;
  std::vector<std::pair<std::wstring, std::wstring>> saved_;
};

std::string Joined(const std::vector<std::string>& lines) {
  std::ostringstream out;
  for (const std::string& line : lines) out << "\n  " << line;
  return lines.empty() ? " (none)" : out.str();
}

// The logged target with the shell's quotes taken off, and its show command.
std::vector<std::string> Opened(const std::vector<std::string>& lines, const std::string& logName) {
  std::vector<std::string> opened;
  for (const std::string& line : lines) {
    std::size_t start = line.find(logName);
    start = start == std::string::npos ? line.size() : start + logName.size() + 2;
    std::string target = line.substr(std::min(start, line.size()));
    target.erase(std::remove(target.begin(), target.end(), '"'), target.end());
    opened.push_back(line.substr(0, line.find('\t')) + " " + target);
  }
  std::sort(opened.begin(), opened.end());
  return opened;
}

constexpr char kLogName[] = ".log";

TEST_F(TrayAboutTest, WebItemsAndAboutFieldsHandTheirTargetsToTheShell) {
  ShellStandIn standIn;
  RunningApp app;
  ASSERT_TRUE(app.started());
  const CommandId items[] = {CommandId::mnuHome,      CommandId::mnuNews,   CommandId::mnuDownload,
                             CommandId::mnuSendMail,  CommandId::mnuGuestBook, CommandId::mnuGetPaid,
                             CommandId::mnuHomePage};
  for (CommandId item : items) app.Menu(item);
  EXPECT_TRUE(WaitUntil([&] { return standIn.Lines().size() >= 7; }, 30s)) << "started:" << Joined(standIn.Lines());
  const std::vector<std::string> expected = {
      "1 http://paidmail.example/Id/605080",   "1 http://quarrow.example",
      "1 http://quarrow.example/download",     "1 http://quarrow.example/hovrel",
      "1 http://quarrow.example/news",         "1 http://quarrow.example/support/book",
      "1 mailto:team@quarrow.example",
  };
  EXPECT_EQ(Opened(standIn.Lines(), kLogName), expected) << "started:" << Joined(standIn.Lines());

  app.Menu(CommandId::mnuAbout);
  HWND about = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (about = AboutBox(app)) != nullptr; }));
  const CommandId fields[] = {CommandId::LEmail, CommandId::LHomepage, CommandId::LOnlineAddress};
  for (CommandId field : fields) {
    HWND control = ::GetDlgItem(about, static_cast<int>(field));
    ::PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    ::PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  }
  EXPECT_FALSE(WaitUntil([&] { return standIn.Lines().size() > 7; }, 2s))
      << "a single click opened something:" << Joined(standIn.Lines());
  for (CommandId field : fields) {
    HWND control = ::GetDlgItem(about, static_cast<int>(field));
    ::PostMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    ::PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  }
  EXPECT_TRUE(WaitUntil([&] { return standIn.Lines().size() >= 10; }, 30s)) << "started:" << Joined(standIn.Lines());
  std::vector<std::string> fromAbout = standIn.Lines();
  fromAbout.erase(fromAbout.begin(), fromAbout.begin() + std::min<std::size_t>(7, fromAbout.size()));
  const std::vector<std::string> expectedFromAbout = {
      "1 http://quarrow.example", "1 http://quarrow.example/hovrel", "1 mailto:team@quarrow.example"};
  EXPECT_EQ(Opened(fromAbout, kLogName), expectedFromAbout) << "started:" << Joined(standIn.Lines());
  EXPECT_TRUE(::IsWindow(about)) << "a double-click closed About";
  ::PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about) && ::IsWindowEnabled(app.window()); }))
      << "About's close box left it open or the main window disabled";
}

TEST_F(TrayAboutTest, ReadMeAndF1OpenTheReadMeInNotepad) {
  struct Case {
    const char* name;
    void (*act)(const RunningApp&);
  };
  const Case cases[] = {
      {"Help Read Me", [](const RunningApp& app) { app.Menu(CommandId::mnuReadMe); }},
      {"F1", [](const RunningApp& app) { app.PressKey(app.Focus(), VK_F1); }},
  };
  RunningApp app;
  ASSERT_TRUE(app.started());
  for (const Case& c : cases) {
    ::SetForegroundWindow(app.window());
    ASSERT_TRUE(WaitUntil([&] { return app.Focus() != nullptr; })) << c.name;
    c.act(app);
    HWND notepad = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (notepad = FindVisible(0, L"", L"readme")) != nullptr; }, 20s))
        << c.name << ": no Notepad window on readme.txt";
    if (notepad == nullptr) continue;
    EXPECT_FALSE(::IsIconic(notepad)) << c.name;
    const HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ProcessOf(notepad));
    if (process != nullptr) {
      ::TerminateProcess(process, 0);
      ::WaitForSingleObject(process, 5000);
      ::CloseHandle(process);
    }
  }
}

}  // namespace
}  // namespace hovrel
