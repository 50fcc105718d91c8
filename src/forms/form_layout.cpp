// Twips to pixels and creation order; see form_layout.h.
#include "forms/form_layout.h"

#include <algorithm>
#include <cstdint>

namespace hovrel {
namespace {

// Rounds numerator / denominator to the nearest integer, halves away from 0.
int RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t half = denominator / 2;
  const std::int64_t rounded =
      numerator >= 0 ? (numerator + half) / denominator : (numerator - half) / denominator;
  return static_cast<int>(rounded);
}

struct TwipPoint {
  int left, top;
};

// The control's top-left corner in the form's client area, in twips.
TwipPoint AbsoluteCorner(std::span<const ControlSpec> controls, const ControlSpec& control) {
  TwipPoint corner{control.left, control.top};
  // The depth bound keeps a table whose frames contain each other finite.
  const ControlSpec* container = FindControl(controls, control.container);
  for (std::size_t depth = 0; container != nullptr && depth < controls.size(); ++depth) {
    corner.left += container->left;
    corner.top += container->top;
    container = FindControl(controls, container->container);
  }
  return corner;
}

}  // namespace

int TwipsToPixels(int twips, int dpi) {
  return RoundedQuotient(static_cast<std::int64_t>(twips) * dpi, kTwipsPerInch);
}

const ControlSpec* FindControl(std::span<const ControlSpec> controls, CommandId name) {
  if (name == kNoCommand) return nullptr;
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [name](const ControlSpec& c) { return c.name == name; });
  return found == controls.end() ? nullptr : &*found;
}

PixelRect ControlRect(std::span<const ControlSpec> controls, const ControlSpec& control, Dpi dpi) {
  const TwipPoint corner = AbsoluteCorner(controls, control);
  const int left = TwipsToPixels(corner.left, dpi.x);
  const int top = TwipsToPixels(corner.top, dpi.y);
  const int right = TwipsToPixels(corner.left + control.width, dpi.x);
  const int bottom = TwipsToPixels(corner.top + control.height, dpi.y);
  return {left, top, right - left, bottom - top};
}

PixelSize ClientSize(const FormDescription& form, Dpi dpi) {
  return {TwipsToPixels(form.clientWidth, dpi.x), TwipsToPixels(form.clientHeight, dpi.y)};
}

int FontHeight(const FontSpec& font, int dpiY) {
  constexpr int kHundredthsPerInch = 72 * 100;
  return -RoundedQuotient(static_cast<std::int64_t>(font.hundredthsOfPoint) * dpiY,
                          kHundredthsPerInch);
}

std::vector<const ControlSpec*> CreationOrder(std::span<const ControlSpec> controls) {
  std::vector<const ControlSpec*> order;
  order.reserve(controls.size());
  for (const ControlSpec& control : controls) order.push_back(&control);
  std::stable_sort(order.begin(), order.end(), [](const ControlSpec* a, const ControlSpec* b) {
    const bool aTabs = a->tabIndex != kNoTabIndex;
    const bool bTabs = b->tabIndex != kNoTabIndex;
    if (aTabs != bTabs) return aTabs;
    return aTabs && a->tabIndex < b->tabIndex;
  });
  return order;
}

}  // namespace hovrel
