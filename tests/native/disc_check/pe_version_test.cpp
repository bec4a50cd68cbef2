// The product name and version from a program's version resource, laid out
// as a linker lays it out. Damaged or cut-short images give nothing and
// never read past what they hold.
#include "disc_check/pe_version.h"

#include <gtest/gtest.h>

#include "support/fake_disc_tree.h"
#include "support/versioned_program.h"

namespace demodisc {
namespace {

using testing::VersionedProgram;

std::optional<ProductVersion> Read(const std::string& bytes) {
  testing::FakeDiscTree tree;
  tree.files["setup.exe"] = bytes;
  return ReadProductVersion(tree, "setup.exe");
}

TEST(PeVersion, TheVersionResourceGivesNameAndVersion) {
  for (const std::uint16_t magic : {0x10B, 0x20B}) {
    VersionedProgram program;
    program.magic = magic;
    const auto version = Read(program.Bytes());
    ASSERT_TRUE(version) << magic;
    EXPECT_EQ(version->name, "Adobe Reader");
    EXPECT_EQ(version->major, 8);
    EXPECT_EQ(version->text, "8.1.2");
  }
  VersionedProgram other;
  other.resourceType = 3;  // an icon, not a version
  EXPECT_FALSE(Read(other.Bytes()));
  EXPECT_FALSE(Read("MZ"));
  EXPECT_FALSE(Read("#!/bin/sh\n"));
}

TEST(PeVersion, AnImageCutShortAnywhereGivesNothingOrTheWholeAnswer) {
  const std::string whole = VersionedProgram().Bytes();
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    const auto version = Read(whole.substr(0, cut));
    if (version) EXPECT_EQ(version->major, 8) << cut;
  }
  // Offsets that point anywhere, byte by byte, are read safely.
  for (std::size_t at = 0; at < whole.size(); ++at) {
    std::string damaged = whole;
    damaged[at] = '\xFF';
    (void)Read(damaged);
  }
}

TEST(PeVersion, AcrobatReaderIsToldByItsProductName) {
  const struct {
    const char* name;
    bool reader;
  } cases[] = {
      {"Adobe Reader", true},   {"Acrobat Reader", true}, {"Adobe Acrobat Reader DC", true},
      {"Adobe Acrobat", false}, {"SumatraPDF", false},    {"Foxit Reader", false}};
  for (const auto& c : cases) EXPECT_EQ(IsAcrobatReader(c.name), c.reader) << c.name;
}

}  // namespace
}  // namespace demodisc
