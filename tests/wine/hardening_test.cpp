// The window list and the real hovrel.exe under load and abuse: a desktop of
// thousands of windows, windows that come, go and change title during each
// rebuild, End Task reaching the program's own window, repaints in a row, and
// the shell announcing a new taskbar.
#include "inventory/end_apps.h"
#include "inventory/placement.h"
#include "inventory/window_list.h"
#include "platform/window_system_win32.h"
#include "support/app_driver.h"
#include "support/fixture_windows.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <thread>

namespace hovrel {
namespace {

using namespace fixture;
using app::IconExists;
using app::RunningApp;
using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}


// Zero-padded, so that every collation sorts them as the numbers do.
std::wstring Numbered(const std::wstring& token, int number) {
  std::wstring digits = std::to_wstring(number);
  return token + std::wstring(6 - digits.size(), L'0') + digits;
}

class HardeningTest : public ::testing::Test {
 protected:
  void Rebuild(bool filterOn) { FindAllApps(ws, host.List(), host.handle(), filterOn, kAppFilterMask); }

  Win32WindowSystem ws;
  HostWindow host;
};

TEST_F(HardeningTest, Scale_ThousandsOfWindowsAreListedSortedEachWithItsOwnHandle) {
  // Wine 8's wineserver crashes when one process makes its 10,000th window,
  // and making them slows down as they grow: 9,000 take 8 s alone, 8,000
  // over 35 s late in the whole suite.
  constexpr int kWindows = 5'000;
  const std::wstring token = UniqueTitle(L"scale ");
  // Made in a shuffled order, hidden: the filter is off for them.
  std::vector<int> order(kWindows);
  for (int i = 0; i < kWindows; ++i) order[static_cast<std::size_t>(i)] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(7));
  auto start = Clock::now();
  std::vector<std::unique_ptr<FixtureWindow>> windows;
  for (int number : order) windows.push_back(std::make_unique<FixtureWindow>(Numbered(token, number), Kind::Hidden));
  std::cout << "[ measured ] " << kWindows << " windows made in " << MsSince(start) << " ms\n";

  start = Clock::now();
  Rebuild(false);
  std::cout << "[ measured ] rebuild over them: " << MsSince(start) << " ms\n";

  int next = 0;
  for (int row = 0; row < host.List().ListCount(); ++row) {
    const std::wstring text = host.WideText(row);
    if (text.rfind(token, 0) != 0) continue;
    ASSERT_EQ(text, Numbered(token, next)) << "row " << row << " out of order";
    ASSERT_EQ(WideTitle(ToHwnd(host.List().ItemData(row))), text) << "row " << row << " has another window's handle";
    ++next;
  }
  EXPECT_EQ(next, kWindows);
}

// Windows of a thread of their own that come, go and change title all the
// time; every title each handle ever had is written down before it is set.
class Churner {
 public:
  explicit Churner(std::wstring token) : token_(std::move(token)), thread_([this] { Run(); }) {}
  ~Churner() { Stop(); }
  Churner(const Churner&) = delete;
  Churner& operator=(const Churner&) = delete;

  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  // A title that grew between the rebuild's length query and its text query
  // is read cut to the length first reported: a start of a title it had.
  bool HadTitle(Hwnd hwnd, const std::wstring& title) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = history_.find(hwnd);
    return found != history_.end() &&
           std::any_of(found->second.begin(), found->second.end(),
                       [&](const std::wstring& had) { return had.rfind(title, 0) == 0; });
  }
  int Changes() const { return changes_; }

 private:
  std::wstring NextTitle(HWND hwnd) {
    const std::wstring title = token_ + std::to_wstring(++changes_);
    const std::lock_guard<std::mutex> lock(mutex_);
    history_[FromHwnd(hwnd)].push_back(title);
    return title;
  }

  void Run() {
    constexpr std::size_t kLive = 40;
    std::mt19937 random(11);
    std::vector<std::unique_ptr<FixtureWindow>> windows;
    while (!stop_) {
      const unsigned action = random() % 3;
      if (action == 0 || windows.size() < kLive / 2) {
        windows.push_back(std::make_unique<FixtureWindow>(L"", Kind::Hidden));
        const std::wstring title = NextTitle(windows.back()->hwnd());
        ::SetWindowTextW(windows.back()->hwnd(), title.c_str());
      } else if (action == 1 || windows.size() > kLive) {
        windows.erase(windows.begin() + static_cast<long>(random() % windows.size()));
      } else {
        HWND hwnd = windows[random() % windows.size()]->hwnd();
        const std::wstring title = NextTitle(hwnd);
        ::SetWindowTextW(hwnd, title.c_str());
      }
      // The rebuild asks these windows for their title lengths.
      MSG msg;
      while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    }
  }

  std::wstring token_;
  mutable std::mutex mutex_;
  std::map<Hwnd, std::vector<std::wstring>> history_;
  std::atomic<bool> stop_{false};
  std::atomic<int> changes_{0};
  std::thread thread_;
};

BOOL CALLBACK CountVisibleOfThisProcess(HWND hwnd, LPARAM lParam) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(hwnd, &process);
  if (process == ::GetCurrentProcessId() && ::IsWindowVisible(hwnd)) ++*reinterpret_cast<int*>(lParam);
  return TRUE;
}

// A command that reported something would show a window of this process.
int VisibleWindowsOfThisProcess() {
  int count = 0;
  ::EnumWindows(&CountVisibleOfThisProcess, reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST_F(HardeningTest, Churn_RowsOnlyEverShowATitleTheirWindowHad) {
  constexpr int kRebuilds = 100;
  const std::wstring token = UniqueTitle(L"churn ");
  Churner churner(token);
  WaitUntil([&] { return churner.Changes() > 100; });
  int rowsChecked = 0;
  for (int rebuild = 0; rebuild < kRebuilds; ++rebuild) {
    Rebuild(false);
    for (int row = 0; row < host.List().ListCount(); ++row) {
      const std::wstring text = host.WideText(row);
      ASSERT_FALSE(text.empty()) << "rebuild " << rebuild << ", row " << row << " has no title";
      if (text.rfind(token, 0) != 0) continue;
      ++rowsChecked;
      ASSERT_TRUE(churner.HadTitle(host.List().ItemData(row), text))
          << "rebuild " << rebuild << ": \"" << ToUtf8(text) << "\" was never the title of its row's window";
    }
  }
  churner.Stop();
  std::cout << "[ measured ] " << kRebuilds << " rebuilds, " << rowsChecked << " churned rows checked, "
            << churner.Changes() << " titles set\n";

  // The churner's windows are all gone now; their rows stay until the next
  // rebuild, and every command on them changes nothing and shows nothing.
  int row = 0;
  while (row < host.List().ListCount() && host.WideText(row).rfind(token, 0) != 0) ++row;
  ASSERT_LT(row, host.List().ListCount()) << "no churned row left to try the commands on";
  ASSERT_FALSE(::IsWindow(ToHwnd(host.List().ItemData(row))));
  const int rows = host.List().ListCount();
  const int ownWindows = VisibleWindowsOfThisProcess();
  host.Select(row);
  for (Placement placement : {Placement::Top, Placement::Reset, Placement::Switch})
    PlaceSelectedWindow(ws, host.List(), placement);
  EXPECT_TRUE(EndSelectedTask(ws, host.List()));
  EXPECT_EQ(host.List().ListCount(), rows);
  EXPECT_EQ(host.List().ListIndex(), row);
  EXPECT_EQ(VisibleWindowsOfThisProcess(), ownWindows) << "a command on a gone window showed a window";
}

TEST(HardeningAppTest, EndTask_MatchingTheProgramsOwnTitleEndsItCleanly) {
  // Contained in "Quarrow Hovrel"; it refuses, so only the program ends.
  FixtureWindow partner(L"Hovrel", Kind::Framed, CloseAnswer::Refuses);
  RunningApp app;
  ASSERT_TRUE(app.started());
  const HWND window = app.window();
  ASSERT_TRUE(WaitUntil([&] { return IconExists(window); })) << "no icon while running";
  const int row = app.RowOf(partner.hwnd());
  ASSERT_GE(row, 0);
  app.Select(row);
  app.Click(CommandId::btnEnd);
  DWORD exitCode = 1;
  ASSERT_TRUE(app.WaitForExit(10s, exitCode)) << "the program still runs";
  EXPECT_EQ(exitCode, 0u) << "the program did not end by itself";
  EXPECT_FALSE(IconExists(window)) << "the icon outlived the program";
  EXPECT_TRUE(partner.Exists()) << "a window was destroyed rather than asked";
  EXPECT_LE(partner.CloseRequests(), 1);
}

TEST(HardeningAppTest, Repaint_EachRebuildsTheListAndAnIdleWindowKeepsItsSelection) {
  struct Case {
    const char* name;
    void (*repaint)(HWND);
  };
  const Case cases[] = {
      {"RedrawWindow", [](HWND hwnd) { ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }},
      {"InvalidateRect and UpdateWindow",
       [](HWND hwnd) {
         ::InvalidateRect(hwnd, nullptr, TRUE);
         ::UpdateWindow(hwnd);
       }},
  };
  constexpr int kRepaints = 20;
  FixtureWindow target(UniqueTitle(L"repaint target"));
  RunningApp app;
  ASSERT_TRUE(app.started());
  for (const Case& c : cases) {
    for (int repaint = 0; repaint < kRepaints; ++repaint) {
      const std::wstring title = UniqueTitle(L"repainted");
      ::SetWindowTextW(target.hwnd(), title.c_str());
      c.repaint(app.window());
      ASSERT_TRUE(WaitUntil([&] {
        const int row = app.RowOf(target.hwnd());
        return row >= 0 && app.Text(row) == title;
      })) << c.name << ", repaint " << repaint << ": the list did not take the new title";
    }
  }
  const int row = app.RowOf(target.hwnd());
  app.Select(row);
  // Each rebuild clears the selection: gone, it would show a repaint the
  // program made of its own accord.
  EXPECT_FALSE(WaitUntil([&] { return app.Selected() != row; }, 2s))
      << "the idle window rebuilt its list; selection now " << app.Selected();
}

TEST(HardeningAppTest, TaskbarCreated_AddsTheIconAgainOrBringsTheHiddenWindowBack) {
  struct Case {
    const char* name;
    bool iconLost;  // false: the shell still has it, and refuses a second add
    bool windowHidden;
  };
  const Case cases[] = {
      {"icon lost", true, true},
      {"add refused", false, false},
  };
  FixtureWindow row(UniqueTitle(L"taskbar row"));
  for (const Case& c : cases) {
    RunningApp app;
    ASSERT_TRUE(app.started()) << c.name;
    const HWND window = app.window();
    ASSERT_TRUE(WaitUntil([&] { return IconExists(window); })) << c.name << ": no icon while running";
    ::PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(window); })) << c.name << ": minimising did not hide";
    if (c.iconLost) {
      NOTIFYICONDATAA data{};
      data.cbSize = sizeof data;
      data.hWnd = window;
      data.uID = 1;
      ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &data)) << c.name;
    }
    ::PostMessageW(window, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return IconExists(window); })) << c.name << ": no icon after the new taskbar";
    EXPECT_EQ(WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 2s), !c.windowHidden)
        << c.name << ": the window is " << (::IsWindowVisible(window) ? "shown" : "hidden");
  }
}

}  // namespace
}  // namespace hovrel
