// hovrel.exe's own list on the real window system: sorted as the window
// system collates titles in any script, each row carrying its own window,
// filtered from the start, scrolled once it outgrows the window; and the
// window's fixed frame.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::RunningApp;

TEST(HovrelList, RowsAreSortedAsTheWindowSystemCollatesAndEachCarriesItsOwnWindow) {
  // Made out of order. Collated, a hyphen counts for less than a letter, an
  // accent for less than the letter under it, and scripts follow each other.
  const std::wstring token = UniqueTitle(L"");
  const std::vector<std::wstring> collated = {L"??????", L"10", L"9", L"apple", L"Banana", L"coop", L"co-op", L"cop",
                                              L"echo", L"Éclair", L"zulu", L"Ελληνικά", L"Привет", L"日本語"};
  std::vector<std::unique_ptr<FixtureWindow>> windows;
  for (std::size_t i = 0; i < collated.size(); ++i)
    windows.push_back(std::make_unique<FixtureWindow>(token + collated[(i * 5) % collated.size()]));
  // More rows than the list shows at once.
  for (int more = 0; more < 10; ++more) windows.push_back(std::make_unique<FixtureWindow>(UniqueTitle(L"more")));
  FixtureWindow hidden(token + L"hidden", Kind::Hidden);
  RunningApp app;
  ASSERT_TRUE(app.started());

  std::vector<std::wstring> rows;
  for (int row = 0; row < app.Rows(); ++row) {
    const std::wstring text = app.Text(row);
    if (text.rfind(token, 0) == 0) rows.push_back(text.substr(token.size()));
    EXPECT_EQ(WideTitle(app.WindowOf(row)), text) << "row " << row << " carries another window";
  }
  EXPECT_EQ(rows, collated) << "rows:" << app.Listing();
  EXPECT_EQ(app.RowOf(hidden.hwnd()), -1) << "the filter is off at the start";
  EXPECT_TRUE(::GetWindowLongW(app.Control(CommandId::lstApp), GWL_STYLE) & WS_VSCROLL)
      << app.Rows() << " rows and no scroll bar to reach them";
  // Neither resized nor maximised; only minimised.
  EXPECT_EQ(::GetWindowLongW(app.window(), GWL_STYLE) & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_MINIMIZEBOX), WS_MINIMIZEBOX);
}

}  // namespace
}  // namespace hovrel
