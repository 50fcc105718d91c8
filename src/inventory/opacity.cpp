// The opacity commands and their restore; see opacity.h.
#include "inventory/opacity.h"

#include <algorithm>

#include "inventory/rights.h"
#include "inventory/shell_windows.h"

namespace hovrel {
namespace {

std::uint32_t ExStyle(WindowSystem& ws, Hwnd hwnd) {
  return static_cast<std::uint32_t>(ws.GetWindowLongW(hwnd, GWL_EXSTYLE));
}

}  // namespace

int WindowOpacity(WindowSystem& ws, Hwnd window, std::uint32_t exStyle) {
  std::uint32_t colorKey = 0, flags = 0;
  std::uint8_t alpha = 255;
  // A layered window that draws itself with UpdateLayeredWindow has no
  // attributes to read, and is shown as it draws itself.
  if ((exStyle & WS_EX_LAYERED) == 0 || !ws.GetLayeredWindowAttributes(window, &colorKey, &alpha, &flags) ||
      (flags & LWA_ALPHA) == 0)
    return 100;
  return (alpha * 100 + 127) / 255;
}

bool SeeThrough::Answers(Hwnd hwnd) {
  return ws_.SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kProbeMs);
}

std::optional<Outcome> SeeThrough::Refusal(Hwnd hwnd) {
  if (hwnd == 0 || IsDesktopOrTaskbar(ws_, hwnd)) return Outcome::CannotSeeThrough;
  // The window system lets no window with a device context of its own or
  // of its class be layered.
  if ((ws_.ClassLongPtr(hwnd, GCL_STYLE) & (CS_OWNDC | CS_CLASSDC)) != 0) return Outcome::CannotSeeThrough;
  const std::uint32_t exStyle = ExStyle(ws_, hwnd);
  if ((exStyle & WS_EX_NOREDIRECTIONBITMAP) != 0) return Outcome::CannotSeeThrough;
  // Layered without attributes, it draws itself with UpdateLayeredWindow,
  // which attributes set from outside would break.
  std::uint32_t colorKey = 0, flags = 0;
  std::uint8_t alpha = 0;
  if ((exStyle & WS_EX_LAYERED) != 0 && !ws_.GetLayeredWindowAttributes(hwnd, &colorKey, &alpha, &flags))
    return Outcome::CannotSeeThrough;
  if (OutOfReach(ws_, hwnd)) return Outcome::OutOfReach;
  // Its style is changed by messages it must answer, and Windows calls a
  // window hung only after 5 s: a busy one would hold the lane as long.
  if (!Answers(hwnd)) return Outcome::NotResponding;
  return std::nullopt;
}

SeeThrough::Before SeeThrough::Read(Hwnd hwnd) {
  Before before{ExStyle(ws_, hwnd), ws_.GetWindowThreadProcessId(hwnd, nullptr)};
  ws_.GetWindowThreadProcessId(hwnd, &before.process);
  if ((before.exStyle & WS_EX_LAYERED) != 0)
    ws_.GetLayeredWindowAttributes(hwnd, &before.colorKey, &before.alpha, &before.flags);
  return before;
}

bool SeeThrough::SameWindow(Hwnd hwnd, const Before& before) {
  std::uint32_t process = 0;
  return ws_.GetWindowThreadProcessId(hwnd, &process) == before.thread && process == before.process;
}

Stepped SeeThrough::Step(Hwnd hwnd, int steps) {
  if (const auto refusal = Refusal(hwnd)) return {*refusal, true};
  const int now = WindowOpacity(ws_, hwnd, ExStyle(ws_, hwnd));
  const int wanted = std::clamp(now + steps * kOpacityStep, kLeastOpacity, 100);
  // Kept below the least by its own program, a window is left there.
  if (steps < 0 && wanted > now) return {Outcome::Opacity, true};
  if (wanted == now) return {Outcome::Opacity, false};
  auto entry = changed_.find(hwnd);
  if (entry != changed_.end() && !SameWindow(hwnd, entry->second)) {
    changed_.erase(entry);
    entry = changed_.end();
  }
  const bool first = entry == changed_.end();
  if (first) entry = changed_.emplace(hwnd, Read(hwnd)).first;
  if (wanted < 100 && Apply(hwnd, entry->second, wanted)) return {Outcome::Opacity, false};
  // Back at 100%, or refused at the first change: the window as it was.
  if (wanted == 100 || first) {
    GiveBackAlpha(hwnd, entry->second);
    GiveBackStyle(hwnd, entry->second);
    changed_.erase(entry);
  }
  if (wanted == 100) return {Outcome::Opacity, false};
  return {Outcome::CannotSeeThrough, true};
}

bool SeeThrough::Apply(Hwnd hwnd, const Before& before, int percent) {
  // A program with more rights refuses the style; the attributes are then
  // refused too, as they are on any window that is not layered.
  const std::uint32_t exStyle = ExStyle(ws_, hwnd);
  if ((exStyle & WS_EX_LAYERED) == 0)
    ws_.SetWindowLongW(hwnd, GWL_EXSTYLE, static_cast<std::int32_t>(exStyle | WS_EX_LAYERED));
  // A colour key of its own stays.
  return ws_.SetLayeredWindowAttributes(hwnd, before.colorKey, AlphaOfPercent(percent),
                                        (before.flags & LWA_COLORKEY) | LWA_ALPHA);
}

// Setting the attributes sends the window nothing, so a busy window gets its
// alpha back at once; layered but without attributes, a window is not shown.
void SeeThrough::GiveBackAlpha(Hwnd hwnd, const Before& before) {
  if ((before.exStyle & WS_EX_LAYERED) != 0)
    ws_.SetLayeredWindowAttributes(hwnd, before.colorKey, before.alpha, before.flags);
  else
    ws_.SetLayeredWindowAttributes(hwnd, 0, 255, LWA_ALPHA);
}

void SeeThrough::GiveBackStyle(Hwnd hwnd, const Before& before) {
  if ((before.exStyle & WS_EX_LAYERED) != 0 || !Answers(hwnd)) return;
  // Only the layered bit goes back: the window may have changed others since.
  ws_.SetWindowLongW(hwnd, GWL_EXSTYLE, static_cast<std::int32_t>(ExStyle(ws_, hwnd) & ~WS_EX_LAYERED));
  // Without it the window may go on showing what it looked like layered.
  ws_.RedrawWindow(hwnd, kRedrawUnlayered);
}

void SeeThrough::RestoreAll() {
  std::erase_if(changed_, [&](const auto& entry) { return !SameWindow(entry.first, entry.second); });
  for (const auto& [hwnd, before] : changed_) GiveBackAlpha(hwnd, before);
  for (const auto& [hwnd, before] : changed_) GiveBackStyle(hwnd, before);
  changed_.clear();
}

}  // namespace hovrel
