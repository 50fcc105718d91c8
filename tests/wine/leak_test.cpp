// A shown frmMain in this process, worked many times over, holds as many
// windows, fonts, icons, menus and shortcut tables afterwards as before.
// Wine answers 0 to GetGuiResources, so the program's own counts are read.
#include "platform/form_win32.h"
#include "platform/shell_win32.h"
#include "platform/window_system_win32.h"
#include "support/fixture_windows.h"
#include "ui/frm_main.h"
#include "ui/frm_main_description.h"

#include <gtest/gtest.h>

#include "platform/win32_owned.h"

#include <functional>
#include <iostream>

namespace hovrel {
namespace {

struct Counts {
  int windows, fonts, icons, menus, accelerators, ownedWindows;
  bool operator==(const Counts&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Counts& c) {
    return out << c.windows << " windows, " << c.fonts << " fonts, " << c.icons << " icons, " << c.menus
               << " popup menus, " << c.accelerators << " shortcut tables, " << c.ownedWindows << " owned windows";
  }
};

BOOL CALLBACK CountOne(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountWithDescendants(HWND hwnd, LPARAM count) {
  ::EnumChildWindows(hwnd, &CountOne, count);
  return CountOne(hwnd, count);
}

Counts Take() {
  Counts counts{0, OwnedFont::Live(), OwnedIcon::Live(), OwnedMenu::Live(), OwnedAccelerators::Live(),
                OwnedWindow::Live()};
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountWithDescendants, reinterpret_cast<LPARAM>(&counts.windows));
  return counts;
}

// About runs its own message loop; a thread timer ticking inside it presses
// OK. Should the box never show, the loop is told to quit rather than hang.
int aboutsClosed = 0;
int ticksWithoutAbout = 0;

void CALLBACK PressAboutOk(HWND, UINT, UINT_PTR, DWORD) {
  HWND about = ::FindWindowA(nullptr, "About Quarrow Hovrel");
  if (::GetWindowThreadProcessId(about, nullptr) == ::GetCurrentThreadId() && ::IsWindowVisible(about)) {
    const int ok = static_cast<int>(CommandId::btnOK);
    ::SendMessageA(about, WM_COMMAND, MAKEWPARAM(ok, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(about, ok)));
    ++aboutsClosed;
    ticksWithoutAbout = 0;
  } else if (++ticksWithoutAbout > 500) {
    ::PostQuitMessage(0);
  }
}

TEST(LeakTest, Cycles_LeaveTheProgramHoldingWhatItHeldBefore) {
  Win32WindowSystem windowSystem;
  Win32Shell shell;
  Win32Forms forms;
  Win32Form form(kMainForm);
  frmMain main(windowSystem, shell, forms, form);
  form.Load(main);
  HWND window = ToHwnd(form.hWnd());
  const struct {
    const char* name;
    int cycles;
    std::function<bool()> once;  // false: the cycle did not complete
  } phases[] = {
      {"About boxes opened and closed", 200, [&] {
         const int closed = aboutsClosed;
         const UINT_PTR timer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &PressAboutOk);
         main.mnuAbout_Click();
         ::KillTimer(nullptr, timer);
         return aboutsClosed == closed + 1;
       }},
      {"rebuilds, by Refresh and by a repaint", 200, [&] {
         main.btnRefresh_Click();
         return ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW) != FALSE;
       }},
      {"minimise and restore cycles", 100, [&] {
         ::ShowWindow(window, SW_MINIMIZE);
         if (!fixture::WaitUntil([&] { return !::IsWindowVisible(window); })) return false;
         main.popRestore_Click();
         return fixture::WaitUntil([&] { return ::IsWindowVisible(window) && !::IsIconic(window); });
       }}};

  // Once each first: what the window system makes on first use stays.
  for (const auto& phase : phases) ASSERT_TRUE(phase.once()) << "the first of the " << phase.name;
  const Counts before = Take();
  std::cout << "[ measured ] before: " << before << "\n";
  for (const auto& phase : phases) {
    for (int cycle = 0; cycle < phase.cycles; ++cycle)
      ASSERT_TRUE(phase.once()) << phase.name << ": cycle " << cycle << " did not complete";
    const Counts after = Take();
    std::cout << "[ measured ] after " << phase.cycles << " " << phase.name << ": " << after << "\n";
    EXPECT_EQ(after, before) << "after " << phase.cycles << " " << phase.name;
  }
}

}  // namespace
}  // namespace hovrel
