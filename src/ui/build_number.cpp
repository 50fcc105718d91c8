// Reading the program's revision; see build_number.h.
#include "ui/build_number.h"

#include <string_view>
#include <vector>

namespace hovrel {
namespace {

// The block opens with three 16-bit words, the UTF-16 key
// "VS_VERSION_INFO" and its zero, padding to a 4-byte boundary, and then the
// fixed-size VS_FIXEDFILEINFO.
constexpr std::string_view kKey = "VS_VERSION_INFO";
constexpr std::size_t kKeyOffset = 6;
constexpr std::size_t kFixedInfoOffset = 40;
constexpr std::size_t kFixedInfoSize = 52;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kFileVersionLsOffset = kFixedInfoOffset + 12;

std::uint32_t ReadLittleEndian(std::span<const std::uint8_t> block, std::size_t offset,
                               std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i) value |= std::uint32_t{block[offset + i]} << (8 * i);
  return value;
}

bool HasKey(std::span<const std::uint8_t> block) {
  for (std::size_t i = 0; i <= kKey.size(); ++i) {
    const char expected = i < kKey.size() ? kKey[i] : '\0';
    if (ReadLittleEndian(block, kKeyOffset + 2 * i, 2) != static_cast<std::uint8_t>(expected)) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<std::uint16_t> RevisionFromVersionInfo(std::span<const std::uint8_t> block) {
  if (block.size() < kFixedInfoOffset + kFixedInfoSize) return std::nullopt;
  const std::uint32_t length = ReadLittleEndian(block, 0, 2);
  const std::uint32_t valueLength = ReadLittleEndian(block, 2, 2);
  if (length < kFixedInfoOffset + kFixedInfoSize || length > block.size()) return std::nullopt;
  if (valueLength < kFixedInfoSize || !HasKey(block)) return std::nullopt;
  if (ReadLittleEndian(block, kFixedInfoOffset, 4) != kFixedInfoSignature) return std::nullopt;
  return static_cast<std::uint16_t>(ReadLittleEndian(block, kFileVersionLsOffset, 4) & 0xFFFF);
}

std::string BuildNumber(ProgramFiles& files) {
  const std::vector<std::uint8_t> block = files.VersionResource();
  const std::optional<std::uint16_t> revision = RevisionFromVersionInfo(block);
  return revision ? std::to_string(*revision) : std::string();
}

}  // namespace hovrel
