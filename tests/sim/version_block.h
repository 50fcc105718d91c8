// A version resource for the recording shell: a VS_VERSIONINFO block as
// resource compilers write it, for file version 2.0.0.revision.
#pragma once

#include <cstdint>
#include <vector>

namespace hovrel::sim {

std::vector<std::uint8_t> VersionBlock(std::uint16_t revision);

// Writes `width` bytes of `value` at `offset`, little-endian.
void Put(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value, int width);

}  // namespace hovrel::sim
