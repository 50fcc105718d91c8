// What the note over a window says once a global shortcut has acted on it, or
// refused to. Used by frmMain and the opacity work.
#pragma once

#include <string>

namespace hovrel {

enum class Outcome { KeptOnTop, NoLongerOnTop, Opacity, OutOfReach, NotResponding, CannotSeeThrough };

// The note's text; `percent` is the opacity now, for Outcome::Opacity.
std::string NoteText(Outcome outcome, int percent = 100);

}  // namespace hovrel
