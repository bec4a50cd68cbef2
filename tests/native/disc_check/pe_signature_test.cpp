// Whether a program carries a signature, from its PE headers alone: signed
// PE32 and PE32+ images, unsigned ones, and damaged headers, which are never
// taken for signed; the check reads the headers and never the whole file.
#include "disc_check/pe_signature.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/pe_image.h"

namespace demodisc {
namespace {

using testing::PeImage;

// One file, whose reads are recorded: how many bytes the check asked for.
class RecordingTree final : public DiscTree {
 public:
  explicit RecordingTree(std::string bytes) : bytes_(std::move(bytes)) {}
  std::optional<std::vector<DiscEntry>> List(const Text&) const override { return std::nullopt; }
  std::optional<std::uint64_t> Size(const Text&) const override { return bytes_.size(); }
  std::optional<std::string> Bytes(const Text&) const override {
    ADD_FAILURE() << "the whole file was read";
    return bytes_;
  }
  std::optional<std::string> Head(const Text&, std::size_t count) const override {
    largestHead = std::max(largestHead, count);
    return bytes_.substr(0, std::min(count, bytes_.size()));
  }
  mutable std::size_t largestHead = 0;

 private:
  std::string bytes_;
};

bool Signed(const std::string& bytes) { return CarriesSignature(RecordingTree(bytes), "a.exe"); }

PeImage SignedImage(std::uint16_t magic) {
  PeImage image;
  image.magic = magic;
  image.securityOffset = 0x300;
  image.securitySize = 0x100;
  return image;
}

TEST(PeSignature, TheSecurityDirectoryTellsSignedFromNotSigned) {
  struct Case {
    const char* name;
    std::string bytes;
    bool carries;
  };
  PeImage unsigned32, pastEnd = SignedImage(0x10B), offsetOnly = SignedImage(0x10B),
                      fewDirectories = SignedImage(0x10B), farHeader = SignedImage(0x10B),
                      unknownMagic = SignedImage(0x10B), atTheEnd = SignedImage(0x20B),
                      atZero = SignedImage(0x10B);
  pastEnd.securitySize = 0x101;
  offsetOnly.securitySize = 0;
  fewDirectories.directories = 4;
  farHeader.peOffset = 0x20000;
  farHeader.fileSize = 0x21000;
  farHeader.securityOffset = 0x20800;
  unknownMagic.magic = 0x107;
  atTheEnd.securityOffset = 0x400;
  atZero.securityOffset = 0;
  std::string noPeSignature = SignedImage(0x10B).Bytes();
  noPeSignature[0x81] = 'X';
  const Case cases[] = {
      {"signed PE32", SignedImage(0x10B).Bytes(), true},
      {"signed PE32+", SignedImage(0x20B).Bytes(), true},
      {"not signed", unsigned32.Bytes(), false},
      {"directory without a size", offsetOnly.Bytes(), false},
      {"directory past the end", pastEnd.Bytes(), false},
      {"directory starting at the end", atTheEnd.Bytes(), false},
      {"directory at offset 0", atZero.Bytes(), false},
      {"only four data directories", fewDirectories.Bytes(), false},
      {"PE header farther than the check looks", farHeader.Bytes(), false},
      {"unknown optional header", unknownMagic.Bytes(), false},
      {"no PE signature", noPeSignature, false},
      {"empty file", "", false},
      {"not a program", "#!/bin/sh\necho hello\n", false},
      {"MZ alone", "MZ", false},
  };
  for (const Case& c : cases) EXPECT_EQ(Signed(c.bytes), c.carries) << c.name;
}

TEST(PeSignature, AHeaderCutShortAnywhereIsNotSigned) {
  for (const std::uint16_t magic : {0x10B, 0x20B}) {
    const std::string whole = SignedImage(magic).Bytes();
    ASSERT_TRUE(Signed(whole));
    for (std::size_t cut = 0; cut < whole.size(); ++cut)
      EXPECT_FALSE(Signed(whole.substr(0, cut))) << "magic " << magic << ", cut at " << cut;
  }
}

TEST(PeSignature, OnlyTheHeadersAreRead) {
  PeImage large = SignedImage(0x10B);
  large.fileSize = 8 << 20;
  large.securityOffset = large.fileSize - 0x1000;
  RecordingTree tree(large.Bytes());
  EXPECT_TRUE(CarriesSignature(tree, "a.exe"));
  EXPECT_LE(tree.largestHead, 1024u);
  // A PE offset at the top of its range asks for no more than the check's limit.
  std::string far = large.Bytes();
  far.replace(0x3C, 4, "\xF0\xFF\xFF\xFF", 4);
  RecordingTree farTree(far);
  EXPECT_FALSE(CarriesSignature(farTree, "a.exe"));
  EXPECT_LE(farTree.largestHead, 64u * 1024 + 1024);
}

}  // namespace
}  // namespace demodisc
