#include "launcher/run_and_wait_win.h"

#include <gtest/gtest.h>

#include "base/wide_win.h"
#include "support/recorder.h"
#include "support/test_support.h"

namespace demodisc {
namespace {

using testing::ReadFileBytes;
using testing::RecordedLines;
using testing::TempDir;
using testing::WriteFileBytes;

class RunAndWaitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    record_ = dir_ / "record.txt";
    SetEnvironmentVariableW(L"DEMODISC_RECORD", Wide(record_).c_str());
  }
  void TearDown() override { SetEnvironmentVariableW(L"DEMODISC_RECORD", nullptr); }

  // A copy of the recorder program in a folder of the temporary disc.
  Text PlaceRecorder(const Text& folder, const Text& name) {
    return testing::PlaceRecorder(dir_ / (folder + "\\" + name));
  }

  TempDir dir_;
  Text record_;
};

TEST_F(RunAndWaitTest, StartsTheProgramInItsFolderAndWaitsForItsEnd) {
  const Text program = PlaceRecorder("LA20K", "LA.exe");
  const DWORD start = GetTickCount();
  ASSERT_TRUE(RunAndWait(program, dir_ / "Video\\Null_video.avi", 1));
  // The recorder lives 300 ms; the file is complete when the call returns.
  EXPECT_GE(GetTickCount() - start, 250u);
  const auto lines = RecordedLines(record_, true);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "\"" + program + "\" " + (dir_ / "Video\\Null_video.avi"));
  EXPECT_EQ(lines[1] + "\\", dir_ / "LA20K\\");
}

TEST_F(RunAndWaitTest, EndsTheCommandLineInABlankWithoutParameters) {
  const Text program = PlaceRecorder("Folder with blanks", "Рекордер.exe");
  ASSERT_TRUE(RunAndWait(program, "", 1));
  const auto lines = RecordedLines(record_, true);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "\"" + program + "\" ");
  EXPECT_EQ(lines[1], dir_ / "Folder with blanks");
}

TEST_F(RunAndWaitTest, PassesAParameterWithBlanksAsOneArgumentInDoubleQuotes) {
  const Text program = PlaceRecorder("R", "reader.exe");
  ASSERT_TRUE(RunAndWait(program, "C:\\My Documents\\paper 1.pdf", 1));
  ASSERT_TRUE(RunAndWait(program, "C:\\Demo\\paper1.pdf", 1));
  const auto lines = RecordedLines(record_, true);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "\"" + program + "\" \"C:\\My Documents\\paper 1.pdf\"");
  EXPECT_EQ(testing::ArgumentsOf(lines[0]),
            (std::vector<Text>{program, "C:\\My Documents\\paper 1.pdf"}));
  // Without a blank the parameter stays as it was.
  EXPECT_EQ(lines[2], "\"" + program + "\" C:\\Demo\\paper1.pdf");
}

TEST_F(RunAndWaitTest, CutsTheCommandLineAt255Characters) {
  const Text program = PlaceRecorder("R", "reader.exe");
  const Text params(300, 'p');
  ASSERT_TRUE(RunAndWait(program, params, 1));
  const auto lines = RecordedLines(record_, true);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].size(), 255u);
  EXPECT_EQ(lines[0], ("\"" + program + "\" " + params).substr(0, 255));
}

TEST_F(RunAndWaitTest, RunsABatchFileInANewConsoleInItsFolder) {
  const Text bat = dir_ / "Presentation\\play_about.bat";
  WriteFileBytes(bat, "@echo off\r\necho %CD%> \"" + (dir_ / "cd.txt") + "\"\r\n");
  ASSERT_TRUE(RunAndWait(bat, "", 1));
  const auto lines = RecordedLines(dir_ / "cd.txt", false);
  ASSERT_EQ(lines.size(), 1u);
  // Trailing blanks of echo aside, the batch file ran in its own folder.
  Text cd = lines[0];
  while (!cd.empty() && cd.back() == ' ') cd.pop_back();
  EXPECT_EQ(cd, dir_ / "Presentation");
}

TEST_F(RunAndWaitTest, GivesFalseForAMissingProgramOrFolder) {
  testing::DialogWatcher watcher;
  EXPECT_FALSE(RunAndWait(dir_ / "LA20K\\LA.exe", "x", 1));
  EXPECT_FALSE(RunAndWait(dir_ / "Missing\\play_about.bat", "", 1));
  EXPECT_FALSE(RunAndWait("", "", 1));
  EXPECT_TRUE(watcher.seen().empty());
}

}  // namespace
}  // namespace demodisc
