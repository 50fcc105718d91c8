// The real hovrel.exe's notification icon, Help menu and About box, driven
// from outside: the icon's messages against real pointer moves, the icon for
// the whole run and gone after each way out, links and Read Me through
// stand-ins the test can watch, and the modal About box.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::IconExists;
using app::RunningApp;

constexpr WPARAM kIconNumber = 1;

// The first visible top-level window of `process` (0: any) whose class is
// `className` (null: any) and whose lower-cased title holds `titlePart`.
HWND FindVisible(DWORD process, const wchar_t* className, std::wstring_view titlePart) {
  for (HWND hwnd = nullptr; (hwnd = ::FindWindowExW(nullptr, hwnd, className, nullptr)) != nullptr;) {
    std::wstring title = WideTitle(hwnd);
    std::transform(title.begin(), title.end(), title.begin(), ::towlower);
    if (::IsWindowVisible(hwnd) && (process == 0 || app::ProcessOf(hwnd) == process) &&
        title.find(titlePart) != std::wstring::npos)
      return hwnd;
  }
  return nullptr;
}

HWND OpenMenu(const RunningApp& app) { return FindVisible(app.processId(), L"#32768", L""); }
HWND AboutBox(const RunningApp& app) { return FindVisible(app.processId(), nullptr, L"about quarrow hovrel"); }
bool Shown(const RunningApp& app) { return ::IsWindowVisible(app.window()) && !::IsIconic(app.window()); }

void CloseMenu(const RunningApp& app) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(app.window(), WM_CANCELMODE, 0, 0, SMTO_NORMAL, 5000, &result);
  WaitUntil([&] { return OpenMenu(app) == nullptr; });
}

class TrayAboutTest : public ::testing::Test {
 protected:
  FixtureWindow row{UniqueTitle(L"tray about row")};  // the program starts with a row to show
};

TEST_F(TrayAboutTest, MinimisingHidesTheWindowAndTheIconsMessagesAndANewTaskbarActAsTheTableSays) {
  const UINT newTaskbar = ::RegisterWindowMessageW(L"TaskbarCreated");
  enum class Effect { Nothing, Restores, OpensMenu };
  // A new taskbar takes a lost icon again; one the shell still has refuses the
  // add but still shows the icon, so the window stays hidden behind it.
  const struct {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool iconLost;
    Effect effect;
  } cases[] = {
      {"left release",           WM_MOUSEMOVE, kIconNumber, WM_LBUTTONUP,       false, Effect::Restores},
      {"double-click",           WM_MOUSEMOVE, kIconNumber, WM_LBUTTONDBLCLK,   false, Effect::Restores},
      {"right release",          WM_MOUSEMOVE, kIconNumber, WM_RBUTTONUP,       false, Effect::OpensMenu},
      {"left press",             WM_MOUSEMOVE, kIconNumber, WM_LBUTTONDOWN,     false, Effect::Nothing},
      {"right press",            WM_MOUSEMOVE, kIconNumber, WM_RBUTTONDOWN,     false, Effect::Nothing},
      {"move over the icon",     WM_MOUSEMOVE, kIconNumber, WM_MOUSEMOVE,       false, Effect::Nothing},
      {"real move to x 514",     WM_MOUSEMOVE, 0,           MAKELPARAM(514, 0), false, Effect::Nothing},
      {"real move to x 515",     WM_MOUSEMOVE, 0,           MAKELPARAM(515, 0), false, Effect::Nothing},
      {"real move to x 517",     WM_MOUSEMOVE, 0,           MAKELPARAM(517, 0), false, Effect::Nothing},
      {"new taskbar, icon lost", newTaskbar,   0,           0,                  true,  Effect::Nothing},
      {"new taskbar, icon kept", newTaskbar,   0,           0,                  false, Effect::Nothing},
  };
  RunningApp app;
  ASSERT_TRUE(app.started());
  for (const auto& c : cases) {
    if (::IsWindowVisible(app.window())) app.Post(WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(app.window()); }))
        << c.name << ": minimised, the window stayed visible (iconic " << ::IsIconic(app.window()) << ")";
    EXPECT_TRUE(IconExists(app.window())) << c.name << ": the icon went when the window hid";
    ASSERT_TRUE(!c.iconLost || app::NotifyIcon(app.window(), NIM_DELETE)) << c.name;
    if (c.effect == Effect::OpensMenu) {
      app.Post(c.message, c.wParam, c.lParam);
      EXPECT_TRUE(WaitUntil([&] { return OpenMenu(app) != nullptr; })) << c.name << ": no menu opened";
      EXPECT_EQ(::GetForegroundWindow(), app.window()) << c.name;
      CloseMenu(app);
      EXPECT_FALSE(::IsWindowVisible(app.window())) << c.name << ": the menu showed the window";
      continue;
    }
    // Sent, so it has been handled on return; a timeout means a menu opened inside the handler.
    DWORD_PTR result = 0;
    ASSERT_TRUE(::SendMessageTimeoutW(app.window(), c.message, c.wParam, c.lParam, SMTO_NORMAL, 5000, &result))
        << c.name << ": the handler did not return";
    EXPECT_EQ(Shown(app), c.effect == Effect::Restores) << c.name;
    EXPECT_TRUE(WaitUntil([&] { return IconExists(app.window()); })) << c.name << ": no icon afterwards";
    EXPECT_EQ(OpenMenu(app), nullptr) << c.name << ": a menu opened";
    if (OpenMenu(app) != nullptr) CloseMenu(app);
  }
}

TEST_F(TrayAboutTest, TheIconLastsTheWholeRunAndGoesWithEachWayOut) {
  // Contained in "Quarrow Hovrel"; it refuses, so End Task on it ends only the program.
  FixtureWindow partner(L"Hovrel", Kind::Framed, CloseAnswer::Refuses);
  const struct {
    const char* name;
    void (*act)(const RunningApp&);
  } cases[] = {
      {"File Exit", [](const RunningApp& app) { app.Menu(CommandId::mnuExit); }},
      {"close box", [](const RunningApp& app) { app.Post(WM_SYSCOMMAND, SC_CLOSE); }},
      {"icon menu Exit",
       [](const RunningApp& app) {
         app.Post(WM_MOUSEMOVE, kIconNumber, WM_RBUTTONUP);
         // The menu's own loop reads the keys: x is Exit's access key.
         if (WaitUntil([&] { return OpenMenu(app) != nullptr; })) app.Post(WM_CHAR, L'x', 1);
       }},
      {"End Task on its own title",
       [](const RunningApp& app) {
         app.Select(app.RowOf(::FindWindowW(nullptr, L"Hovrel")));
         app.Click(CommandId::btnEnd);
       }},
  };
  for (const auto& c : cases) {
    RunningApp app;
    ASSERT_TRUE(app.started()) << c.name;
    const HWND window = app.window();
    EXPECT_TRUE(WaitUntil([&] { return IconExists(window); })) << c.name << ": no icon while running";
    c.act(app);
    EXPECT_EQ(app.ExitCode(10s), 0u) << c.name << ": the program still runs or failed";
    EXPECT_FALSE(IconExists(window)) << c.name << ": the icon outlived the program";
  }
  EXPECT_TRUE(partner.Exists()) << "a window was destroyed rather than asked";
  EXPECT_LE(partner.CloseRequests(), 1);
}

// The open command of http and mailto while it lives: a stand-in that logs a
// line per start, the show command, a tab, the command line.
class ShellStandIn {
 public:
  ShellStandIn() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    log_ = std::wstring(temp) + L"hovrel stand-in " + std::to_wstring(::GetCurrentProcessId()) + L".log";
    ::DeleteFileW(log_.c_str());
    const std::wstring command = L"\"" + app::BesideTests(L"shell_stand_in.exe") + L"\" \"" + log_ + L"\" %1";
    for (const wchar_t* scheme : {L"http", L"mailto"}) {
      const std::wstring key = std::wstring(scheme) + L"\\shell\\open\\command";
      wchar_t old[1024] = {};
      DWORD size = sizeof old - sizeof(wchar_t);
      if (::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, old, &size) ==
          ERROR_SUCCESS)
        saved_.emplace_back(key, old);
      Set(key, command);
    }
  }
  ~ShellStandIn() {
    for (const auto& [key, old] : saved_) Set(key, old);
    ::DeleteFileW(log_.c_str());
  }
  ShellStandIn(const ShellStandIn&) = delete;
  ShellStandIn& operator=(const ShellStandIn&) = delete;
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::ifstream in(std::filesystem::path(log_), std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

 private:
  static void Set(const std::wstring& key, const std::wstring& value) {
    ::RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }

  std::wstring log_;
  std::vector<std::pair<std::wstring, std::wstring>> saved_;
};

// Sorted "show-command target" from the log lines `from` on, the shell's quotes taken off.
std::vector<std::string> Opened(const std::vector<std::string>& lines, std::size_t from) {
  std::vector<std::string> opened;
  for (std::size_t i = from; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::size_t logEnd = line.find(".log");
    std::string target = logEnd == std::string::npos ? "" : line.substr(std::min(logEnd + 6, line.size()));
    target.erase(std::remove(target.begin(), target.end(), '"'), target.end());
    opened.push_back(line.substr(0, line.find('\t')) + " " + target);
  }
  std::sort(opened.begin(), opened.end());
  return opened;
}

TEST_F(TrayAboutTest, WebItemsAndAboutHandTheirTargetsToTheShellAndAboutIsModal) {
  ShellStandIn standIn;
  const auto log = [&] { return "started:" + ::testing::PrintToString(standIn.Lines()); };
  RunningApp app;
  ASSERT_TRUE(app.started());
  for (CommandId item : {CommandId::mnuHome, CommandId::mnuNews, CommandId::mnuDownload, CommandId::mnuSendMail,
                         CommandId::mnuGuestBook, CommandId::mnuGetPaid, CommandId::mnuHomePage})
    app.Menu(item);
  EXPECT_TRUE(WaitUntil([&] { return standIn.Lines().size() >= 7; }, 30s)) << log();
  const std::vector<std::string> expected = {
      "1 http://paidmail.example/Id/605080", "1 http://quarrow.example",
      "1 http://quarrow.example/download",   "1 http://quarrow.example/hovrel",
      "1 http://quarrow.example/news",       "1 http://quarrow.example/support/book",
      "1 mailto:team@quarrow.example",
  };
  EXPECT_EQ(Opened(standIn.Lines(), 0), expected) << log();

  // Opened twice: closed by its close box after its fields are clicked, then by Enter.
  for (const bool byEnter : {false, true}) {
    app.Menu(CommandId::mnuAbout);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = AboutBox(app)) != nullptr; })) << "by Enter " << byEnter;
    const auto item = [&](CommandId id) { return ::GetDlgItem(about, static_cast<int>(id)); };
    EXPECT_EQ(WideTitle(item(CommandId::Label2)), L"Version 2.0 Build");
    EXPECT_EQ(WideTitle(item(CommandId::BuildNo)), L"2140");
    EXPECT_FALSE(::IsWindowEnabled(app.window())) << "the main window takes input under About";
    EXPECT_FALSE(::GetWindowLongW(about, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_FALSE(::GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_NE(::GetWindow(about, GW_OWNER), nullptr) << "an unowned window has a taskbar button";
    RECT frame{};
    ::GetWindowRect(about, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    const CommandId fields[] = {CommandId::LEmail, CommandId::LHomepage, CommandId::LOnlineAddress};
    for (CommandId field : fields)
      EXPECT_EQ(::GetWindowLongW(item(field), GWL_STYLE) & (ES_READONLY | WS_TABSTOP), ES_READONLY)
          << static_cast<int>(field);
    if (byEnter) {
      const HWND ok = item(CommandId::btnOK);
      EXPECT_TRUE(WaitUntil([&] { return app.Focus() == ok; })) << "focus on " << app.Focus() << ", not OK";
      app.PressKey(app.Focus(), VK_RETURN);
    } else {
      for (const UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        for (CommandId field : fields) {
          ::PostMessageW(item(field), press, MK_LBUTTON, MAKELPARAM(4, 4));
          ::PostMessageW(item(field), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        }
        EXPECT_TRUE(press != WM_LBUTTONDOWN || !WaitUntil([&] { return standIn.Lines().size() > 7; }, 2s))
            << "a single click opened something; " << log();
      }
      EXPECT_TRUE(WaitUntil([&] { return standIn.Lines().size() >= 10; }, 30s)) << log();
      const std::vector<std::string> fromAbout = {"1 http://quarrow.example", "1 http://quarrow.example/hovrel",
                                                  "1 mailto:team@quarrow.example"};
      EXPECT_EQ(Opened(standIn.Lines(), 7), fromAbout) << log();
      EXPECT_TRUE(::IsWindow(about)) << "a double-click closed About";
      ::PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about) && ::IsWindowEnabled(app.window()); }))
        << "About stays open or the main window disabled, by Enter " << byEnter;
  }
}

TEST_F(TrayAboutTest, ReadMeAndF1OpenTheReadMeInNotepad) {
  RunningApp app;
  ASSERT_TRUE(app.started());
  for (const bool byKey : {false, true}) {
    const char* name = byKey ? "F1" : "Help Read Me";
    ::SetForegroundWindow(app.window());
    ASSERT_TRUE(WaitUntil([&] { return app.Focus() != nullptr; })) << name;
    byKey ? app.PressKey(app.Focus(), VK_F1) : app.Menu(CommandId::mnuReadMe);
    HWND notepad = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (notepad = FindVisible(0, nullptr, L"readme")) != nullptr; }, 20s))
        << name << ": no Notepad window on readme.txt";
    if (notepad == nullptr) continue;
    EXPECT_FALSE(::IsIconic(notepad)) << name;
    const HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, app::ProcessOf(notepad));
    if (process == nullptr) continue;
    ::TerminateProcess(process, 0);
    ::WaitForSingleObject(process, 5000);
    ::CloseHandle(process);
  }
}

}  // namespace
}  // namespace hovrel
