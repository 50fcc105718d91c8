// Reading the revision out of a version resource, whole and damaged.
#include <gtest/gtest.h>

#include "links/build_number.h"
#include "sim/fake_shell.h"
#include "sim/version_block.h"

namespace hovrel {
namespace {

using sim::VersionBlock;

TEST(BuildNumberTest, ReadsTheFileVersionsRevision) {
  for (const std::uint16_t revision : {0, 2140, 65535}) EXPECT_EQ(RevisionFromVersionInfo(VersionBlock(revision)), revision);
  sim::FakeShell shell;
  shell.versionResource = VersionBlock(2140);
  EXPECT_EQ(BuildNumber(shell), "2140");
  shell.versionResource.clear();
  EXPECT_EQ(BuildNumber(shell), "");
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
    sim::Put(block, c.offset, c.value, c.width);
    EXPECT_EQ(RevisionFromVersionInfo(block), std::nullopt) << c.name;
  }
  std::vector<std::uint8_t> cut = VersionBlock(2140);
  cut.resize(91);
  EXPECT_EQ(RevisionFromVersionInfo(cut), std::nullopt) << "cut short";
}

}  // namespace
}  // namespace hovrel
