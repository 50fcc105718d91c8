// The window list under load and abuse: a desktop of thousands of windows,
// and windows that come, go and change title during each rebuild.
#include "inventory/end_apps.h"
#include "inventory/placement.h"
#include "inventory/window_list.h"
#include "platform/window_system_win32.h"
#include "support/fixture_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>
#include <random>
#include <thread>

namespace hovrel {
namespace {

using namespace fixture;
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
  void Rebuild(bool filterOn) { RebuildWindowList(ws, host.List(), host.handle(), filterOn, kAppFilterMask); }

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
  std::iota(order.begin(), order.end(), 0);
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

  void Stop() { if (!stop_.exchange(true)) thread_.join(); }
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
      HWND retitled = nullptr;
      if (action == 0 || windows.size() < kLive / 2) {
        windows.push_back(std::make_unique<FixtureWindow>(L"", Kind::Hidden));
        retitled = windows.back()->hwnd();
      } else if (action == 1 || windows.size() > kLive) {
        windows.erase(windows.begin() + static_cast<long>(random() % windows.size()));
      } else {
        retitled = windows[random() % windows.size()]->hwnd();
      }
      if (retitled != nullptr) ::SetWindowTextW(retitled, NextTitle(retitled).c_str());
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
  // rebuild, and every command on them leaves the list as it was.
  int row = 0;
  while (row < host.List().ListCount() && host.WideText(row).rfind(token, 0) != 0) ++row;
  ASSERT_LT(row, host.List().ListCount()) << "no churned row left to try the commands on";
  ASSERT_FALSE(::IsWindow(ToHwnd(host.List().ItemData(row))));
  const int rows = host.List().ListCount();
  host.Select(row);
  for (Placement placement : {Placement::Top, Placement::Reset, Placement::Switch})
    PlaceSelectedWindow(ws, host.List(), placement);
  EXPECT_TRUE(EndSelectedTask(ws, host.List()));
  EXPECT_EQ(host.List().ListCount(), rows);
  EXPECT_EQ(host.List().ListIndex(), row);
}

}  // namespace
}  // namespace hovrel
