// The real list rebuilt while another thread keeps raising, lowering,
// making and destroying windows: no window is ever listed twice, and none that lived
// through the rebuild is missing.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <random>
#include <set>
#include <thread>
#include <vector>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;

// Owns its windows on a thread of its own and churns them until stopped.
class Churn {
 public:
  Churn() : thread_([this] { Run(); }) {}
  ~Churn() {
    stop_ = true;
    thread_.join();
  }
  Churn(const Churn&) = delete;
  Churn& operator=(const Churn&) = delete;

 private:
  void Run() {
    std::vector<std::unique_ptr<FixtureWindow>> windows;
    for (int i = 0; i < 20; ++i) windows.push_back(std::make_unique<FixtureWindow>(UniqueTitle(L"churn")));
    std::minstd_rand random(7);
    while (!stop_) {
      FixtureWindow& window = *windows[random() % windows.size()];
      if (random() % 8 == 0) {
        windows[random() % windows.size()] = std::make_unique<FixtureWindow>(UniqueTitle(L"churn"));
      } else {
        // Under a walk from window to window, one raised to the top is met
        // twice, and one sent to the bottom ends the walk early.
        ::SetWindowPos(window.hwnd(), random() % 2 ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
      for (MSG msg; ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) ::DispatchMessageW(&msg);
    }
  }

  std::atomic<bool> stop_{false};
  std::thread thread_;
};

TEST(ChurnTest, RebuildsListNoWindowTwiceAndMissNoneThatStayed) {
  std::vector<std::unique_ptr<FixtureWindow>> stayed;
  for (int i = 0; i < 100; ++i) stayed.push_back(std::make_unique<FixtureWindow>(UniqueTitle(L"stays")));
  const app::RunningApp app;
  ASSERT_TRUE(app.started());
  const Churn churn;
  for (int rebuild = 0; rebuild < 10; ++rebuild) {
    DWORD_PTR result = 0;
    // Sent: when it returns, the list has been rebuilt.
    ASSERT_TRUE(::SendMessageTimeoutW(app.window(), WM_COMMAND, static_cast<WPARAM>(CommandId::mnuRefresh), 0,
                                      SMTO_NORMAL, 10'000, &result));
    std::set<LRESULT> listed;
    const HWND list = app.Control(CommandId::lstApp);
    for (int row = 0, rows = app.Rows(); row < rows; ++row)
      ASSERT_TRUE(listed.insert(::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0)).second)
          << "rebuild " << rebuild << ": " << ToUtf8(app.Text(row)) << " listed twice";
    for (const auto& window : stayed)
      ASSERT_EQ(listed.count(static_cast<LRESULT>(window->handle())), 1u)
          << "rebuild " << rebuild << ": " << ToUtf8(WideTitle(window->hwnd())) << " missing";
  }
}

}  // namespace
}  // namespace hovrel
