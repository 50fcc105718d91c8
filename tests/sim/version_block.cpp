// The made-up version resource; see version_block.h.
#include "sim/version_block.h"

#include <string_view>

namespace hovrel::sim {
void Put(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) block[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Up to its fixed part and a little string data after it.
std::vector<std::uint8_t> VersionBlock(std::uint16_t revision) {
  std::vector<std::uint8_t> block(92 + 24, 0);
  Put(block, 0, static_cast<std::uint32_t>(block.size()), 2);  // wLength
  Put(block, 2, 52, 2);                                         // wValueLength
  const std::string_view key = "VS_VERSION_INFO";
  for (std::size_t i = 0; i < key.size(); ++i) Put(block, 6 + 2 * i, key[i], 2);
  Put(block, 40, 0xFEEF04BD, 4);                 // signature
  Put(block, 44, 0x00010000, 4);                 // structure version
  Put(block, 48, 0x00020000, 4);                 // file version 2.0
  Put(block, 52, revision, 4);                   // file version .0.revision
  Put(block, 56, 0x00020000, 4);                 // product version 2.0
  Put(block, 60, 0x0000FFFF, 4);                 // product version .0.65535
  return block;
}

}  // namespace hovrel::sim
