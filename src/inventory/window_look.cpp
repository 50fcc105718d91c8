// The look of a window's row; see window_look.h.
#include "inventory/window_look.h"

#include <span>

#include "inventory/opacity.h"
#include "inventory/rights.h"

namespace hovrel {
namespace {

// The window system's names, kept here: a header declaring them would
// clash with <windows.h> in the Win32 files that include it.
constexpr unsigned WM_GETICON = 0x7F;
constexpr int ICON_SMALL = 0;
constexpr int ICON_BIG = 1;
constexpr int ICON_SMALL2 = 2;
constexpr int GCLP_HICON = -14;
constexpr int GCLP_HICONSM = -34;
constexpr int kSmallIconPixels = 16;

// Where an icon may come from: asked of the window (WM_GETICON of a kind),
// or read from its class (a GCLP_ index).
struct IconSource {
  bool asked;
  int which;
};

// Above 16 pixels the big icons come first, so that the row scales one down
// rather than a small one up.
constexpr IconSource kSmallFirst[] = {
    {true, ICON_SMALL2}, {true, ICON_SMALL}, {false, GCLP_HICONSM}, {false, GCLP_HICON}};
constexpr IconSource kBigFirst[] = {
    {true, ICON_BIG}, {false, GCLP_HICON}, {true, ICON_SMALL2}, {true, ICON_SMALL}, {false, GCLP_HICONSM}};

std::span<const IconSource> SourcesFor(int size) {
  return size > kSmallIconPixels ? std::span<const IconSource>(kBigFirst) : kSmallFirst;
}

}  // namespace

std::string OpacityFigure(int percent) { return percent < 100 ? std::to_string(percent) + "%" : std::string(); }

RowLook WindowLooks::Look(Hwnd window, int iconPixels) {
  const auto exStyle = static_cast<std::uint32_t>(ws_.GetWindowLongW(window, GWL_EXSTYLE));
  return {IconOf(window, iconPixels), (exStyle & WS_EX_TOPMOST) != 0, Shielded(window),
          OpacityFigure(WindowOpacity(ws_, window, exStyle))};
}

void WindowLooks::Forget() {
  std::erase_if(icons_, [&](const auto& kept) { return !kept.second.asking || !ws_.IsWindow(kept.first.first); });
  outOfReach_.clear();
}

std::uint32_t WindowLooks::IconOf(Hwnd window, int size) {
  const Key key{window, size};
  const auto [kept, first] = icons_.try_emplace(key, Icon{0, false});
  if (!first) return kept->second.handle;
  // Until the window answers, the first icon its class has.
  for (const IconSource& source : SourcesFor(size))
    if (!source.asked && kept->second.handle == 0)
      kept->second.handle = static_cast<std::uint32_t>(ws_.ClassLongPtr(window, source.which));
  Ask(key, 0);
  return icons_.at(key).handle;
}

void WindowLooks::Ask(const Key& key, std::size_t from) {
  const auto sources = SourcesFor(key.second);
  for (std::size_t i = from; i < sources.size(); ++i) {
    if (!sources[i].asked) {
      if (const auto icon = ws_.ClassLongPtr(key.first, sources[i].which)) {
        icons_[key].handle = static_cast<std::uint32_t>(icon);
        return;
      }
      continue;
    }
    // A draw never waits for a window: a busy one would stall every
    // repaint. The answer comes as this thread reads its messages.
    icons_[key].asking = true;
    if (ws_.SendMessageCallbackW(key.first, WM_GETICON, static_cast<std::uintptr_t>(sources[i].which),
                                 [this, key, i](std::uintptr_t icon) { Answered(key, i, icon); }))
      return;
    icons_[key].asking = false;
  }
}

void WindowLooks::Answered(const Key& key, std::size_t source, std::uintptr_t icon) {
  icons_[key].asking = false;
  if (icon == 0) return Ask(key, source + 1);
  icons_[key].handle = static_cast<std::uint32_t>(icon);
  arrived_(key.first);
}

bool WindowLooks::Shielded(Hwnd window) {
  std::uint32_t process = 0;
  if (ws_.GetWindowThreadProcessId(window, &process) == 0) return false;
  const auto [level, first] = outOfReach_.try_emplace(process, false);
  if (first) level->second = AboveOwnLevel(ws_, ws_.ProcessIntegrity(process));
  return level->second;
}

}  // namespace hovrel
