// From twips to pixels: where each control of a form description lands at
// the screen's resolution, the size of the client area and of the font, and
// the order in which the controls are created. Used by the window builder.
#pragma once

#include <span>
#include <vector>

#include "forms/form_description.h"

namespace hovrel {

// Logical dots per inch, as the screen reports them.
struct Dpi {
  int x;
  int y;
};

struct PixelRect {
  int left, top, width, height;
};

struct PixelSize {
  int width, height;
};

// Rounds to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

const ControlSpec* FindControl(std::span<const ControlSpec> controls, CommandId name);

// A control's place in its form's client area. A control inside a frame is
// given relative to the frame, so the frame's own place is added. Edges are
// rounded rather than sizes, so that controls flush in twips stay flush.
PixelRect ControlRect(std::span<const ControlSpec> controls, const ControlSpec& control, Dpi dpi);

PixelSize ClientSize(const FormDescription& form, Dpi dpi);

// The character height of a font of that size, negative as CreateFont takes
// it (a positive one would mean the cell height, a slightly smaller type).
int FontHeight(const FontSpec& font, int dpiY);

// The dialog manager moves the focus in creation order, so controls are
// created in tab order; those without a tab index follow in table order.
std::vector<const ControlSpec*> CreationOrder(std::span<const ControlSpec> controls);

}  // namespace hovrel
