// A version resource for the recording shell: a VS_VERSIONINFO block as
// resource compilers write it, for file version 2.0.0.revision.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace hovrel::sim {

// Writes `width` bytes of `value` at `offset`, little-endian.
inline void Put(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) block[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Up to its fixed part and a little string data after it.
inline std::vector<std::uint8_t> VersionBlock(std::uint16_t revision) {
  std::vector<std::uint8_t> block(92 + 24, 0);
  Put(block, 0, static_cast<std::uint32_t>(block.size()), 2);  // wLength
  Put(block, 2, 52, 2);                                         // wValueLength
  const std::string_view key = "VS_VERSION_INFO";
  for (std::size_t i = 0; i < key.size(); ++i) Put(block, 6 + 2 * i, key[i], 2);
  Put(block, 40, 0xFEEF04BD, 4);  // signature
  Put(block, 44, 0x00010000, 4);  // structure version
  Put(block, 48, 0x00020000, 4);  // file version 2.0
  Put(block, 52, revision, 4);    // file version .0.revision
  return block;
}

}  // namespace hovrel::sim
