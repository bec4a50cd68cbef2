#include <gtest/gtest.h>

#include "base/app_title.h"

namespace demodisc {
namespace {

TEST(AppTitle, IsTheFileNameBeforeItsFirstDotInLowerCaseAfterTheFirst) {
  EXPECT_EQ(AppTitleFromExePath("C:\\Disc\\DemoDisc.exe"), "Demodisc");
  EXPECT_EQ(AppTitleFromExePath("Z:\\a.b\\DEMO.disc.exe"), "Demo");
  EXPECT_EQ(AppTitleFromExePath("D:\\START"), "Start");
  EXPECT_EQ(AppTitleFromExePath("D:\\sTART.EXE"), "start");
  EXPECT_EQ(AppTitleFromExePath("D:\\.exe"), "");
  EXPECT_EQ(AppTitleFromExePath("ДЕМО.exe"), "Демо");
  EXPECT_EQ(AppTitleFromExePath("XЁ.exe"), "Xё");
  // Whatever letters the name holds.
  EXPECT_EQ(AppTitleFromExePath("C:\\Users\\Jürgen\\DËMO.exe"), "Dëmo");
  EXPECT_EQ(AppTitleFromExePath("C:\\ΑΘΗΝΑ.exe"), "Αθηνα");
  EXPECT_EQ(AppTitleFromExePath("C:\\光盘Start.exe"), "光盘start");
  EXPECT_EQ(AppTitleFromExePath("Élan.exe"), "Élan");
}

}  // namespace
}  // namespace demodisc
