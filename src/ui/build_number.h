// The build number the About box shows after "Version 2.0 Build": the
// revision of the file version in the program's own version resource.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/program_files.h"

namespace hovrel {

// Reads the revision (the low word of the file version's second half) from a
// VS_VERSIONINFO block; none when the block is not one.
std::optional<std::uint16_t> RevisionFromVersionInfo(std::span<const std::uint8_t> block);

// The revision as decimal digits, or empty text if the program has no
// readable version resource.
std::string BuildNumber(ProgramFiles& files);

}  // namespace hovrel
