#include <gtest/gtest.h>

#include "launcher/disc_folders.h"

namespace demodisc {
namespace {

TEST(DiscFolders, FollowTheCurrentDirectory) {
  const DiscFolders f = MakeDiscFolders("C:\\Demo");
  EXPECT_EQ(f.RootDir, "C:\\Demo\\");
  EXPECT_EQ(f.PresentationDir, "C:\\Demo\\Presentation\\");
  EXPECT_EQ(f.AcrobatReaderDir, "C:\\Demo\\Acrobat Reader\\");
  EXPECT_EQ(f.PublicationDir, "C:\\Demo\\Publication\\");
  EXPECT_EQ(f.Vortan4Dir, "C:\\Demo\\Vortan4\\");
  EXPECT_EQ(f.LA20KDir, "C:\\Demo\\LA20K\\");
  EXPECT_EQ(f.VideoDir, "C:\\Demo\\Video\\");
  EXPECT_EQ(f.Ostravilenka15Dir, "C:\\Demo\\Ostravilenka_1_5\\");
  EXPECT_EQ(f.HintsDir, "C:\\Demo\\Hints\\");
}

TEST(DiscFolders, DoubleTheBackslashAtADriveRoot) {
  const DiscFolders f = MakeDiscFolders("E:\\");
  EXPECT_EQ(f.RootDir, "E:\\\\");
  EXPECT_EQ(f.HintsDir, "E:\\\\Hints\\");
  EXPECT_EQ(RootDirOf("E:\\"), "E:\\\\");
}

}  // namespace
}  // namespace demodisc
