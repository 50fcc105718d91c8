// hovrel.exe's rows, its shortcuts and a new resolution: a row shows its
// window's pin as soon as the shortcut pins it, or as Top's window moves
// late, and its opacity as the keys step it, which Exit and an update's close
// give back at once, a sleeping window just stepped or not; each shortcut says
// what it did in one note over the window in front; and a new resolution lays
// both windows out from their tables and loads the icons at its sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "forms/form_layout.h"
#include "support/app_driver.h"
#include "support/fixture_windows.h"
#include "ui/frm_about_description.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::RunningApp;

// Keys pressed in turn and let go in the reverse order, as the keyboard gives
// them, through the window system's own check for registered shortcuts.
void Press(std::vector<BYTE> keys) {
  for (const BYTE key : keys) ::keybd_event(key, 0, 0, 0);
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) ::keybd_event(*key, 0, KEYEVENTF_KEYUP, 0);
}

// The window's alpha; 256 when it is not layered at all, 0 when it is without an alpha.
int Alpha(HWND hwnd) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!(::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) return 256;
  return ::GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : 0;
}

// The row as it is on the screen, pixel by pixel.
std::vector<std::uint32_t> RowOnScreen(const RunningApp& app, int row) {
  const HWND list = app.Control(CommandId::lstApp);
  const auto height = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  RECT client{};
  ::GetClientRect(list, &client);
  POINT corner{0, (row - static_cast<int>(::SendMessageW(list, LB_GETTOPINDEX, 0, 0))) * height};
  ::ClientToScreen(list, &corner);
  return ScreenPixels({corner.x, corner.y, corner.x + client.right, corner.y + height});
}

// The row drawn anew, in the list's present state of focus, once two looks in
// a row agree; empty when it never settles. Wine may put what a change of
// focus draws on the screen a moment after the change.
std::vector<std::uint32_t> RowDrawnAnew(const RunningApp& app, int row) {
  std::vector<std::uint32_t> look, previous;
  const bool settled = WaitUntil([&] {
    ::RedrawWindow(app.Control(CommandId::lstApp), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    previous = std::exchange(look, RowOnScreen(app, row));
    return previous == look;
  });
  return settled ? look : std::vector<std::uint32_t>{};
}

// How many of the row's pixels differ from its corner, which is background.
std::ptrdiff_t Ink(const std::vector<std::uint32_t>& row) {
  return std::ranges::count_if(row, [&](std::uint32_t pixel) { return pixel != row.front(); });
}

class RowsTest : public ::testing::Test {
 protected:
  FixtureWindow target{UniqueTitle(L"rows target")};
};

TEST_F(RowsTest, PinShortcutPinsTheWindowInFrontAndItsRowShowsItAtOnce) {
  // Out of the program's way, so that its rows show on the screen.
  ::SetWindowPos(target.hwnd(), nullptr, 0, 0, 160, 90, SWP_NOZORDER | SWP_NOACTIVATE);
  RunningApp app;
  ASSERT_TRUE(app.started());
  const int row = app.RowOf(target.hwnd());
  ASSERT_GE(row, 0);
  app.Select(row);
  // The program's own activation at its start may come in late, and would
  // then take the front back from the target.
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == app.window(); })) << "the program never came to the front";
  ::SetForegroundWindow(target.hwnd());
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == target.hwnd() && app.Focus() == nullptr; }))
      << "the program kept the front";
  // As the pin will draw it: without the focus frame the list lost.
  const auto unpinned = RowDrawnAnew(app, row);
  ASSERT_FALSE(unpinned.empty()) << "the row never settled";
  // The mark adds ink to the row; a half-drawn row has less.
  Press({VK_CONTROL, VK_LWIN, 'T'});
  EXPECT_TRUE(WaitUntil([&] { return IsTopmost(target.hwnd()); })) << "the shortcut left it unpinned";
  EXPECT_TRUE(WaitUntil([&] { return Ink(RowOnScreen(app, row)) > Ink(unpinned); })) << "no pin mark on the row";
  Press({VK_CONTROL, VK_LWIN, 'T'});
  EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(target.hwnd()); })) << "the shortcut left it pinned";
  EXPECT_TRUE(WaitUntil([&] { return RowOnScreen(app, row) == unpinned; })) << "the pin mark stayed";
  EXPECT_EQ(app.Selected(), row) << "the list was rebuilt";
}

TEST_F(RowsTest, OpacityKeysStepTheWindowInFrontOrTheSelectedRowsWhichShowsItAndExitGivesEveryWindowItsStateBack) {
  // Layered at an alpha of its own, 78%.
  FixtureWindow own(UniqueTitle(L"own alpha"), Kind::Aside);
  ::SetWindowLongW(own.hwnd(), GWL_EXSTYLE, ::GetWindowLongW(own.hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(own.hwnd(), 0, 200, LWA_ALPHA);
  RunningApp app;
  ASSERT_TRUE(app.started());
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == app.window(); })) << "the program never came to the front";
  ::SetForegroundWindow(target.hwnd());
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == target.hwnd() && app.Focus() == nullptr; }));
  // The alpha after each press of Ctrl+Win and the key, on the main keys and the keypad.
  const std::pair<BYTE, int> presses[] = {{VK_OEM_MINUS, 230}, {VK_OEM_MINUS, 204}, {VK_OEM_MINUS, 179}, {VK_SUBTRACT, 153},
                                          {VK_OEM_PLUS, 179}, {VK_ADD, 204}, {VK_OEM_PLUS, 230}, {VK_ADD, 256}};
  for (const auto& [key, alpha] : presses) {
    Press({VK_CONTROL, VK_LWIN, key});
    EXPECT_TRUE(WaitUntil([&] { return Alpha(target.hwnd()) == alpha; })) << "key " << int{key} << ": " << Alpha(target.hwnd());
  }

  ::SetForegroundWindow(app.window());
  ASSERT_TRUE(WaitUntil([&] { return app.Focus() == app.Control(CommandId::lstApp); })) << "the list has no focus";
  for (const auto& [window, alpha] : {std::pair(own.hwnd(), 173), std::pair(target.hwnd(), 230)}) {
    const int row = app.RowOf(window);
    app.Select(row);
    // As the change will draw it: with its focus frame.
    const auto before = RowDrawnAnew(app, row);
    ASSERT_FALSE(before.empty()) << "the row never settled";
    Press({VK_CONTROL, VK_OEM_MINUS});
    EXPECT_TRUE(WaitUntil([&] { return Alpha(window) == alpha; })) << "Ctrl+Minus on the row: " << Alpha(window);
    EXPECT_TRUE(WaitUntil([&] { return RowOnScreen(app, row) != before; })) << "the row shows no figure";
    EXPECT_EQ(app.Selected(), row) << "the list was rebuilt";
  }
  app.Menu(CommandId::mnuExit);
  EXPECT_EQ(app.ExitCode(10s), 0u);
  EXPECT_EQ(Alpha(target.hwnd()), 256) << "left layered at exit";
  EXPECT_EQ(Alpha(own.hwnd()), 200) << "its own alpha not given back at exit";
}

constexpr wchar_t kNote[] = L"QuarrowHovrelNote";

// The texts of the program's visible notes.
std::vector<std::wstring> NotesShown(const RunningApp& app) {
  std::vector<std::wstring> texts;
  for (HWND note = nullptr; (note = ::FindWindowExW(nullptr, note, kNote, nullptr)) != nullptr;)
    if (DWORD id = 0; ::GetWindowThreadProcessId(note, &id) && id == app.processId() && ::IsWindowVisible(note))
      texts.push_back(WideTitle(note));
  return texts;
}

TEST_F(RowsTest, ShortcutsSayWhatTheyDidInOneNoteOverTheWindowInFrontThatGoesByItself) {
  const StandInTaskbar taskbar;
  RunningApp app;
  ASSERT_TRUE(app.started());
  ASSERT_TRUE(app.HideBehindIcon()) << "no icon added, or minimised, the window stayed visible";
  ::SetForegroundWindow(target.hwnd());
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == target.hwnd(); })) << "the target never came to the front";
  std::vector<std::wstring> seen;
  std::size_t most = 0;  // notes visible at once
  // True once the program's one visible note says `text`.
  const auto says = [&](const std::wstring& text) {
    return WaitUntil([&] {
      const auto notes = NotesShown(app);
      most = std::max(most, notes.size());
      if (!notes.empty()) seen = notes;
      return notes == std::vector{text};
    });
  };

  Press({VK_CONTROL, VK_LWIN, 'T'});
  ASSERT_TRUE(says(L"Kept on top")) << "notes seen last: " << ::testing::PrintToString(seen);
  const HWND note = app.FindOwn(kNote, L"Kept on top");
  EXPECT_TRUE(IsTopmost(note)) << "the note is not topmost";
  EXPECT_EQ(::GetForegroundWindow(), target.hwnd()) << "the note took the front";
  RECT over{}, under{};
  ::GetWindowRect(note, &over);
  ::GetWindowRect(target.hwnd(), &under);
  EXPECT_NEAR(over.left + over.right, under.left + under.right, 1) << "the note is not centred on the window";
  EXPECT_GE(over.top, under.top) << "the note lies above the window";
  EXPECT_LT(over.top - under.top, (under.bottom - under.top) / 4) << "the note lies far below the window's top";
  EXPECT_TRUE(WaitUntil([&] { return NotesShown(app).empty(); }, 4s))
      << "still shown after 4 s: " << ::testing::PrintToString(NotesShown(app));

  Press({VK_CONTROL, VK_LWIN, 'T'});
  EXPECT_TRUE(says(L"No longer on top")) << "notes seen last: " << ::testing::PrintToString(seen);
  // While that note is shown: the next takes its place.
  Press({VK_CONTROL, VK_LWIN, VK_OEM_MINUS});
  EXPECT_TRUE(says(L"Opacity 90%")) << "notes seen last: " << ::testing::PrintToString(seen);
  EXPECT_EQ(most, 1u) << "notes shown at once";
}

TEST_F(RowsTest, TopOnAWindowThatMovesLateShowsItsPinOnceItMovedThoughAnotherWasToppedSince) {
  // Out of the program's way, so that its rows show on the screen.
  ::SetWindowPos(target.hwnd(), nullptr, 0, 0, 160, 90, SWP_NOZORDER | SWP_NOACTIVATE);
  RunningApp app;
  ASSERT_TRUE(app.started());
  // Busy for 2 s from its start: it makes the move posted to it late.
  BusyWindow slow(UniqueTitle(L"slow"), CloseAnswer::Closes, 2000, Kind::Aside);
  app.Menu(CommandId::mnuRefresh);
  ASSERT_TRUE(WaitUntil([&] { return app.RowOf(slow.window().hwnd()) >= 0; })) << "no row for the slow window";
  const int row = app.RowOf(slow.window().hwnd()), targetRow = app.RowOf(target.hwnd());
  // Unselected, as the pin will draw it.
  app.Select(targetRow);
  const auto unpinned = RowDrawnAnew(app, row);
  ASSERT_FALSE(unpinned.empty()) << "the row never settled";
  app.Select(row);
  app.Click(CommandId::btnTop);
  // Posted after the click, so read after it.
  ::PostMessageW(app.Control(CommandId::lstApp), LB_SETCURSEL, static_cast<WPARAM>(targetRow), 0);
  app.Click(CommandId::btnTop);
  EXPECT_TRUE(WaitUntil([&] { return IsTopmost(slow.window().hwnd()) && IsTopmost(target.hwnd()); }))
      << "topmost: slow " << IsTopmost(slow.window().hwnd()) << ", other " << IsTopmost(target.hwnd());
  EXPECT_TRUE(WaitUntil([&] { return Ink(RowOnScreen(app, row)) > Ink(unpinned); })) << "no pin mark on the slow one's row";
}

TEST_F(RowsTest, ExitAndAnUpdatesCloseGiveEveryWindowBackAtOnceThoughAWindowJustSteppedSleeps) {
  // The sleeper once: the close for an update goes the same way out.
  const std::tuple<const char*, void (*)(const RunningApp&), DWORD> ways[] = {
      {"Exit", [](const RunningApp& app) { app.Menu(CommandId::mnuExit); }, 7000},
      {"an update's close", [](const RunningApp& app) { app.Post(WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP); }, 0}};
  for (const auto& [way, leave, sleeps] : ways) {
    RunningApp app;
    ASSERT_TRUE(app.started()) << way;
    const HWND list = app.Control(CommandId::lstApp);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == app.window() && app.Focus() == list; }))
        << way << ": the list never had the focus";
    app.Select(app.RowOf(target.hwnd()));
    Press({VK_CONTROL, VK_OEM_MINUS});
    ASSERT_TRUE(WaitUntil([&] { return Alpha(target.hwnd()) == 230; })) << way << ": " << Alpha(target.hwnd());
    // Reads no message for 7 s: not yet hung, by the 5 s rule, as it is stepped.
    BusyWindow sleeper(UniqueTitle(L"sleeper"), CloseAnswer::Closes, sleeps);
    const HWND sleeping = sleeper.window().hwnd();
    ::SetForegroundWindow(sleeping);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == sleeping; })) << way << ": the sleeper stays behind";
    // Wine posts the shortcut's message as the key comes: the program reads it before the way out.
    Press({VK_CONTROL, VK_LWIN, VK_OEM_MINUS});
    leave(app);
    EXPECT_EQ(app.ExitCode(5s), 0u) << way << ": the program still runs after 5 s, or failed";
    EXPECT_EQ(Alpha(target.hwnd()), 256) << way << ": left layered";
    DWORD_PTR result = 0;
    EXPECT_TRUE(WaitUntil([&] { return ::SendMessageTimeoutW(sleeping, WM_NULL, 0, 0, SMTO_NORMAL, 100, &result); }, 15s))
        << way << ": the sleeper never woke";
    EXPECT_NE(Alpha(sleeping), 0) << way << ": the sleeper was left layered without attributes";
  }
}

// Sends a message whose lParam points at `data`. Wine hands such a pointer
// over bare, so `data` is put into the program's own memory, and read back.
template <typename Data>
void SendWithData(const RunningApp& app, HWND window, UINT message, WPARAM wParam, Data& data) {
  HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, app.processId());
  void* remote = ::VirtualAllocEx(process, nullptr, sizeof data, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  ::WriteProcessMemory(process, remote, &data, sizeof data, nullptr);
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, message, wParam, reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, 10'000, &result);
  ::ReadProcessMemory(process, remote, &data, sizeof data, nullptr);
  ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  ::CloseHandle(process);
}

// The font shows in the text's width: where an address field of About puts
// its last character.
int FieldTextWidth(HWND about, CommandId name) {
  const auto x = [&](std::size_t index) {
    return static_cast<short>(LOWORD(::SendDlgItemMessageW(about, static_cast<int>(name), EM_POSFROMCHAR, index, 0)));
  };
  return x(FindControl(kAboutForm.controls, name)->caption.size() - 1) - x(0);
}

TEST_F(RowsTest, ANewResolutionLaysTheWindowsOutFromTheirTablesWithTheirIconsAtItsSizes) {
  constexpr int kDpi = 144;
  const StandInTaskbar taskbar;
  RunningApp app;
  ASSERT_TRUE(app.started());
  ASSERT_TRUE(WaitUntil([&] { return taskbar.IconWidth(app.window()) == 16; })) << "no icon of 16 pixels added";
  app.Menu(CommandId::mnuAbout);
  HWND about = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    about = ::FindWindowW(nullptr, L"About Quarrow Hovrel");
    return about != nullptr && ::IsWindowVisible(about);
  })) << "no About box";
  const int widthBefore = FieldTextWidth(about, CommandId::LHomepage);
  const std::pair<HWND, const FormDescription*> forms[] = {{app.window(), &kMainForm}, {about, &kAboutForm}};
  for (const auto& [window, form] : forms) {
    // Asked first, the window's size there is the frame for its table's client area at that resolution.
    const PixelSize client = ClientSize(*form, {kDpi, kDpi});
    RECT frame{0, 0, client.width, client.height};
    ::AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)), ::GetMenu(window) != nullptr,
                               static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE)), kDpi);
    SIZE size{};
    SendWithData(app, window, WM_GETDPISCALEDSIZE, kDpi, size);
    EXPECT_EQ(std::pair(size.cx, size.cy), std::pair(frame.right - frame.left, frame.bottom - frame.top)) << form->caption;
    // Then moved, the window keeps to the suggested place and to its table's size, whatever size is suggested.
    RECT suggested{30, 20, 30 + 700, 20 + 560}, placed{}, inside{};
    SendWithData(app, window, WM_DPICHANGED, MAKEWPARAM(kDpi, kDpi), suggested);
    ::GetWindowRect(window, &placed);
    ::GetClientRect(window, &inside);
    EXPECT_EQ(std::pair(placed.left, placed.top), std::pair(suggested.left, suggested.top)) << form->caption;
    EXPECT_EQ(std::pair(inside.right, inside.bottom), std::pair(LONG{client.width}, LONG{client.height})) << form->caption;
    for (const ControlSpec& control : form->controls) {
      const PixelRect expected = ControlRect(form->controls, control, {kDpi, kDpi});
      RECT seen{};
      ::GetWindowRect(::GetDlgItem(window, static_cast<int>(control.name)), &seen);
      ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&seen), 2);
      EXPECT_EQ((std::vector<long>{seen.left, seen.top, seen.right - seen.left, seen.bottom - seen.top}),
                (std::vector<long>{expected.left, expected.top, expected.width, expected.height}))
          << form->caption << ", control " << static_cast<int>(control.name);
    }
  }
  // Made again at 144 dpi, the font is half as large again as at 96.
  EXPECT_NEAR(FieldTextWidth(about, CommandId::LHomepage), widthBefore * 1.5, widthBefore * 0.1) << "the font was not made again";
  // Rows as tall as a small icon at 144 dpi at least: measured again.
  EXPECT_GE(::SendMessageW(app.Control(CommandId::lstApp), LB_GETITEMHEIGHT, 0, 0), 24);
  EXPECT_EQ(taskbar.IconWidth(app.window()), 24) << "the notification icon was not loaded again for 144 dpi";
}

}  // namespace
}  // namespace hovrel
