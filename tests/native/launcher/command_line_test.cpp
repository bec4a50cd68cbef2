#include <gtest/gtest.h>

#include "launcher/command_line.h"

namespace demodisc {
namespace {

TEST(CommandLine, QuotesTheProgramAndEndsInABlankWithoutParameters) {
  const std::string program = "C:\\Demo\\Presentation\\play_about.bat";
  ASSERT_EQ(program.size(), 35u);
  const Text line = BuildCommandLine(program, "");
  EXPECT_EQ(line, "\"C:\\Demo\\Presentation\\play_about.bat\" ");
  EXPECT_EQ(line.size(), 38u);
  EXPECT_EQ(WorkingDirOf(program), "C:\\Demo\\Presentation\\");
}

TEST(CommandLine, AppendsParametersWithoutBlanksAsTheyAre) {
  EXPECT_EQ(BuildCommandLine("C:\\Demo\\LA20K\\LA.exe", "C:\\Demo\\Video\\Null_video.avi"),
            "\"C:\\Demo\\LA20K\\LA.exe\" C:\\Demo\\Video\\Null_video.avi");
  EXPECT_EQ(BuildCommandLine("C:\\Reader\\AcroRd32.exe", "E:\\Demo\\Publication\\paper01.pdf"),
            "\"C:\\Reader\\AcroRd32.exe\" E:\\Demo\\Publication\\paper01.pdf");
  // Letters of any script, quotes and trailing backslashes: no blank, no change.
  EXPECT_EQ(BuildCommandLine("C:\\R\\a.exe", "D:\\演示光盘\\Видео.avi"),
            "\"C:\\R\\a.exe\" D:\\演示光盘\\Видео.avi");
  EXPECT_EQ(BuildCommandLine("C:\\R\\a.exe", "a\"b\\"), "\"C:\\R\\a.exe\" a\"b\\");
}

// A parameter with a blank or a tab is one argument of the started program.
TEST(CommandLine, QuotesAParameterThatHoldsABlankOrATab) {
  struct Case {
    const char* parameters;
    const char* appended;
  };
  const Case cases[] = {
      {"C:\\My Docs\\x.pdf", "\"C:\\My Docs\\x.pdf\""},
      {"C:\\Demo Disc\\Publication\\my paper.pdf", "\"C:\\Demo Disc\\Publication\\my paper.pdf\""},
      {"C:\\Demo\\Video\\a\tb.avi", "\"C:\\Demo\\Video\\a\tb.avi\""},
      {" ", "\" \""},
      // A trailing backslash would escape the closing quote: it is doubled.
      {"C:\\My Docs\\", "\"C:\\My Docs\\\\\""},
      {"C:\\My Docs\\\\", "\"C:\\My Docs\\\\\\\\\""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BuildCommandLine("C:\\R\\a.exe", c.parameters),
              "\"C:\\R\\a.exe\" " + std::string(c.appended))
        << c.parameters;
}

TEST(CommandLine, IsCutAt255Characters) {
  const std::string program = "C:\\" + std::string(200, 'p') + ".exe";
  const std::string params(100, 'q');
  const Text line = BuildCommandLine(program, params);
  ASSERT_EQ(line.size(), 255u);
  EXPECT_EQ(line, ("\"" + program + "\" " + params).substr(0, 255));
  EXPECT_EQ(BuildCommandLine(std::string(254, 'x'), "").size(), 255u);
  // The quotes count: a long quoted parameter loses its closing quote first.
  const std::string spaced = std::string(100, 'a') + " " + std::string(150, 'b');
  EXPECT_EQ(BuildCommandLine("C:\\a.exe", spaced), ("\"C:\\a.exe\" \"" + spaced).substr(0, 255));
  EXPECT_EQ(BuildCommandLine(std::string(250, 'x'), "").size(), 253u);
  std::string greek;
  for (int i = 0; i < 260; ++i) greek += "Ω";
  const Text cut = BuildCommandLine(greek, "");
  EXPECT_EQ(CharCount(cut), 255u);
  EXPECT_EQ(cut, "\"" + greek.substr(0, 2 * 254));
}

TEST(Cut255, KeepsTheFirst255Characters) {
  EXPECT_EQ(Cut255(std::string(300, 'a')), std::string(255, 'a'));
  EXPECT_EQ(Cut255(std::string(255, 'b')), std::string(255, 'b'));
  EXPECT_EQ(Cut255("short"), "short");
  EXPECT_EQ(Cut255(""), "");
  // Characters, never bytes of their UTF-8, and never half a character.
  std::string cyrillic, chinese;
  for (int i = 0; i < 300; ++i) cyrillic += "ж", chinese += "盘";
  EXPECT_EQ(CharCount(Cut255(cyrillic)), 255u);
  EXPECT_EQ(Cut255(cyrillic), cyrillic.substr(0, 2 * 255));
  EXPECT_EQ(Cut255(chinese), chinese.substr(0, 3 * 255));
}

TEST(WorkingDir, EndsAtTheLastBackslashOrDriveColon) {
  EXPECT_EQ(WorkingDirOf("C:\\Demo\\LA20K\\LA.exe"), "C:\\Demo\\LA20K\\");
  EXPECT_EQ(WorkingDirOf("E:\\\\Vortan4\\1.bat"), "E:\\\\Vortan4\\");
  EXPECT_EQ(WorkingDirOf("D:setup.exe"), "D:");
  EXPECT_EQ(WorkingDirOf(":\\Reader\\AcroRd32.exe "), ":\\Reader\\");
  EXPECT_EQ(WorkingDirOf("setup.exe"), "");
  EXPECT_EQ(WorkingDirOf(""), "");
}

}  // namespace
}  // namespace demodisc
