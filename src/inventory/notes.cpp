// The notes' texts; see notes.h.
#include "inventory/notes.h"

#include <string_view>

namespace hovrel {
namespace {

// clang-format off
constexpr std::string_view kNoteTexts[] = {
    "Kept on top",
    "No longer on top",
    "Opacity ",
    "Runs as administrator: cannot be changed from here",
    "Not responding",
    "This window cannot be made see-through",
};
// clang-format on
static_assert(std::size(kNoteTexts) == static_cast<std::size_t>(Outcome::CannotSeeThrough) + 1);

}  // namespace

std::string NoteText(Outcome outcome, int percent) {
  std::string text(kNoteTexts[static_cast<std::size_t>(outcome)]);
  // The figure as the row shows it.
  if (outcome == Outcome::Opacity) text += std::to_string(percent) + "%";
  return text;
}

}  // namespace hovrel
