// What a row of a list of windows (kWindowRows) shows beside its text. The
// toolkit knows nothing of the windows: it asks the form's handlers for each
// row's look as the row is drawn, and draws that.
#pragma once

#include <cstdint>
#include <string>

namespace hovrel {

struct RowLook {
  // An icon handle, owned by the window or its class; 0 for the system's
  // stand-in.
  std::uint32_t icon = 0;
  // A pin mark beside the icon.
  bool pinned = false;
  // A shield over the icon's lower right, as Explorer marks what runs as
  // administrator.
  bool shielded = false;
  // Drawn between the pin and the text ("60%"); empty for none.
  std::string figure;
};

}  // namespace hovrel
