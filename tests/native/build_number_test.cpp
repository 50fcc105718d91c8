// Reading the revision out of a version resource, whole and damaged.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "links/build_number.h"
#include "sim/fake_shell.h"

namespace hovrel {
namespace {

void Put(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) block[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A VS_VERSIONINFO as resource compilers write it, up to its fixed part and
// a little string data after it, for file version 2.0.x.revision.
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

TEST(BuildNumberTest, ReadsTheFileVersionsRevision) {
  for (std::uint16_t revision : {std::uint16_t{2140}, std::uint16_t{0}, std::uint16_t{65535}}) {
    EXPECT_EQ(RevisionFromVersionInfo(VersionBlock(revision)), revision);
  }
}

TEST(BuildNumberTest, RejectsWhatIsNoVersionBlock) {
  struct Case {
    const char* name;
    std::size_t offset;
    std::uint32_t value;
    int width;
  } cases[] = {
      {"wrong signature", 40, 0xFEEF04BC, 4},
      {"other key", 6, 'X', 2},
      {"key without its zero", 36, 'O', 2},
      {"length past the data", 0, 117, 2},
      {"length shorter than the fixed part", 0, 91, 2},
      {"no fixed part", 2, 0, 2},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> block = VersionBlock(2140);
    Put(block, c.offset, c.value, c.width);
    EXPECT_EQ(RevisionFromVersionInfo(block), std::nullopt) << c.name;
  }
  std::vector<std::uint8_t> cut = VersionBlock(2140);
  cut.resize(91);
  EXPECT_EQ(RevisionFromVersionInfo(cut), std::nullopt) << "cut short";
  EXPECT_EQ(RevisionFromVersionInfo({}), std::nullopt) << "empty";
}

TEST(BuildNumberTest, BuildNumberIsDigitsOnlyOrNothing) {
  sim::FakeShell shell;
  shell.versionResource = VersionBlock(2140);
  EXPECT_EQ(BuildNumber(shell), "2140");
  shell.versionResource.clear();
  EXPECT_EQ(BuildNumber(shell), "");
}

}  // namespace
}  // namespace hovrel
