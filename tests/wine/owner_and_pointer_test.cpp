// What only the real window system shows of the About box and of the icon's
// messages: About stays above the main window it belongs to and gets the
// activation on Restore, draws its addresses in the system's link colour,
// and a drag along the main window's top row is not taken for the icon.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::RunningApp;

constexpr WPARAM kIconNumber = 1;

HWND ProcessWindow(const RunningApp& app, const wchar_t* className, std::wstring_view title) {
  for (HWND hwnd = nullptr; (hwnd = ::FindWindowExW(nullptr, hwnd, className, nullptr)) != nullptr;)
    if (::IsWindowVisible(hwnd) && app::ProcessOf(hwnd) == app.processId() &&
        WideTitle(hwnd).find(title) != std::wstring::npos)
      return hwnd;
  return nullptr;
}
HWND AboutBox(const RunningApp& app) { return ProcessWindow(app, nullptr, L"About Quarrow Hovrel"); }
HWND OpenMenu(const RunningApp& app) { return ProcessWindow(app, L"#32768", L""); }

bool Above(HWND upper, HWND lower) {
  for (HWND hwnd = upper; hwnd != nullptr; hwnd = ::GetWindow(hwnd, GW_HWNDNEXT))
    if (hwnd == lower) return true;
  return false;
}

// Pixels of the screen's `rect` near `colour`, read in one copy.
int PixelsNear(const RECT& rect, COLORREF colour) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC screen = ::GetDC(nullptr);
  const HDC memory = ::CreateCompatibleDC(screen);
  const HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  const auto alike = [](int a, int b) { return std::abs(a - b) < 48; };
  const int count = static_cast<int>(std::count_if(pixels, pixels + width * height, [&](std::uint32_t p) {
    return alike((p >> 16) & 0xFF, GetRValue(colour)) && alike((p >> 8) & 0xFF, GetGValue(colour)) &&
           alike(p & 0xFF, GetBValue(colour));
  }));
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return count;
}

TEST(OwnerAndPointerTest, AboutStaysAboveTheMainWindowTakesRestoreAndHandsTheActivationBack) {
  const FixtureWindow row(UniqueTitle(L"about owner row"));
  // A colour no theme uses for links, so that only the system's can match.
  const int element = COLOR_HOTLIGHT;
  const COLORREF linkColour = RGB(0, 170, 60), before = ::GetSysColor(COLOR_HOTLIGHT);
  ::SetSysColors(1, &element, &linkColour);
  const RunningApp app;
  ASSERT_TRUE(app.started());
  app.Menu(CommandId::mnuAbout);
  HWND about = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (about = AboutBox(app)) != nullptr; })) << "About did not open";
  EXPECT_EQ(::GetWindow(about, GW_OWNER), app.window());

  RECT address{};
  ::GetWindowRect(::GetDlgItem(about, static_cast<int>(CommandId::LEmail)), &address);
  EXPECT_TRUE(WaitUntil([&] { return PixelsNear(address, linkColour) > 0; }, 5s))
      << "the mail address is not drawn in the system's link colour";
  ::SetSysColors(1, &element, &before);

  // Another window comes to the front; then the icon's left click restores.
  ::SetForegroundWindow(row.hwnd());
  app.Post(WM_MOUSEMOVE, kIconNumber, WM_LBUTTONUP);
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == about; })) << "About is not active after Restore";
  EXPECT_TRUE(Above(about, app.window())) << "the disabled main window covers About";

  ::PostMessageW(::GetDlgItem(about, static_cast<int>(CommandId::btnOK)), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about) && ::GetForegroundWindow() == app.window(); }))
      << "the activation did not return to the main window";
}

TEST(OwnerAndPointerTest, ALeftDragAlongTheTopRowIsNoIconClick) {
  const FixtureWindow row(UniqueTitle(L"pointer row"));
  const RunningApp app;
  ASSERT_TRUE(app.started());
  // MK_LBUTTON is the icon's number, and 517 the right button's release.
  const LPARAM topRow517 = MAKELPARAM(517, 0);
  // The window is moved rather than the pointer, whose moves Wine may take
  // in late: its client point (517, 0) comes to lie under the pointer.
  const auto placeUnderPointer = [&](int offset) {
    POINT pointer{}, corner{0, 0};
    ::GetCursorPos(&pointer);
    ::ClientToScreen(app.window(), &corner);
    RECT frame{};
    ::GetWindowRect(app.window(), &frame);
    ::SetWindowPos(app.window(), nullptr, frame.left + pointer.x - 517 - corner.x + offset,
                   frame.top + pointer.y - corner.y + offset, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  placeUnderPointer(0);
  app.Post(WM_MOUSEMOVE, MK_LBUTTON, topRow517);
  // Handled after the move, so once it shows, the move has been read.
  app.Menu(CommandId::mnuAlwaysOnTop);
  ASSERT_TRUE(WaitUntil([&] { return IsTopmost(app.window()); }));
  EXPECT_EQ(OpenMenu(app), nullptr) << "a drag at x 517 opened the icon's menu";

  // The same message while the pointer is elsewhere is the icon's.
  placeUnderPointer(40);
  app.Post(WM_MOUSEMOVE, kIconNumber, topRow517);
  EXPECT_TRUE(WaitUntil([&] { return OpenMenu(app) != nullptr; })) << "the icon's right click opened no menu";
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(app.window(), WM_CANCELMODE, 0, 0, SMTO_NORMAL, 5000, &result);
}

}  // namespace
}  // namespace hovrel
