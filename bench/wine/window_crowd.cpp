// The crowd's windows and their titles; see window_crowd.h.
#include "window_crowd.h"

#include <cstdint>
#include <string>

namespace hovrel::bench {
namespace {

constexpr wchar_t kCrowdClass[] = L"HovrelBenchCrowd";

// Words in the scripts a desktop really shows; the UTF-8 code page of the
// manifest carries them through the 8-bit window functions.
constexpr const wchar_t* kWords[] = {
    L"Report",  L"inbox",    L"Untitled", L"Notepad", L"draft",     L"Q3 figures", L"README.txt",
    L"Отчёт",   L"Входящие", L"Έγγραφο",  L"Ρυθμίσεις", L"文書",     L"設定",       L"メール",
    L"مستند",   L"הגדרות",   L"दस्तावेज़", L"보고서",   L"Ærøskøbing", L"naïve café", L"—",
};

struct Kind {
  DWORD style;
  DWORD exStyle;
};

// Half framed and visible, a quarter frameless popups, a quarter hidden.
constexpr Kind kKinds[] = {
    {WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0},
    {WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0},
    {WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW},
    {WS_OVERLAPPEDWINDOW, 0},
};

// A fixed sequence, so that every run sees the same desktop.
class Sequence {
 public:
  std::uint32_t Next(std::uint32_t bound) {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) % bound;
  }

 private:
  std::uint32_t state_ = 2140;
};

// One to twelve words, and now and then none at all.
std::wstring Title(Sequence& random) {
  if (random.Next(16) == 0) return {};
  std::wstring title;
  const std::uint32_t words = 1 + random.Next(12);
  for (std::uint32_t i = 0; i < words; ++i) {
    if (i > 0) title += L' ';
    title += kWords[random.Next(std::size(kWords))];
  }
  return title;
}

void RegisterCrowdClass() {
  static const ATOM registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kCrowdClass;
    return ::RegisterClassExW(&windowClass);
  }();
  (void)registered;
}

}  // namespace

WindowCrowd::WindowCrowd(int count) {
  RegisterCrowdClass();
  Sequence random;
  windows_.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const Kind& kind = kKinds[random.Next(std::size(kKinds))];
    const std::wstring title = Title(random);
    // Small and spread out: the X server maps every visible one.
    const int left = static_cast<int>(random.Next(900));
    const int top = static_cast<int>(random.Next(700));
    HWND hwnd = ::CreateWindowExW(kind.exStyle, kCrowdClass, title.c_str(), kind.style, left, top,
                                  120, 60, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (hwnd != nullptr) windows_.push_back(hwnd);
    // Keeps the queue short while thousands of windows are made.
    if (i % 256 == 0) PumpMessages();
  }
}

WindowCrowd::~WindowCrowd() {
  for (HWND hwnd : windows_) ::DestroyWindow(hwnd);
}

void PumpMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

}  // namespace hovrel::bench
