// This system's SHA-256 (OpenSSL's here; CryptoAPI's in the Windows
// tests, which build this file too) against FIPS 180-2's examples.
#include <gtest/gtest.h>

#include "disc_check/sha256.h"

namespace demodisc {
namespace {

TEST(Sha256Test, GivesTheStandardsDigestsWhateverTheBlocks) {
  struct Case {
    std::vector<std::string> blocks;
    Text hex;
  };
  const Case cases[] = {
      {{}, "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {{"abc"}, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {{"a", "", "bc"}, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {{std::string(999'999, 'a'), "a"},
       "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const Case& c : cases) {
    const auto hash = SystemSha256();
    for (const std::string& block : c.blocks) hash->Add(block);
    EXPECT_EQ(HexDigest(hash->Finish()), c.hex) << c.blocks.size() << " blocks";
  }
}

}  // namespace
}  // namespace demodisc
