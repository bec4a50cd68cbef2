// Damaged and odd discs on the live main window: huge, binary and oddly
// ended descriptions, paths near and over 255 characters, and a disc folder
// with Cyrillic letters and blanks. Nothing crashes or hangs; each case
// shows what the program gives for it. A disc at a drive root finds its
// files too.
#include <gtest/gtest.h>

#include <random>

#include "base/wide_win.h"
#include "launcher/hint_texts.h"
#include "support/main_window_fixture.h"
#include "support/mapped_drive.h"
#include "support/recorder.h"
#include "ui/MainDemo/main_form.h"

namespace demodisc {
namespace {

using testing::DialogWatcher;
using testing::MainWindowTest;
using testing::RecordedLines;
using testing::WriteFileBytes;

Text MemoText(HWND memo) { return WindowTextCp(memo); }

class DamagedDescriptionTest : public MainWindowTest {
 protected:
  // The description of the first presentation, as the memo shows it after
  // the pointer came onto its button.
  Text Shown(const std::string& bytes) {
    WriteHint("about.txt", bytes);
    Hover(Named("BGrp_present"), 0);
    return MemoText(Named("Mm_Hint"));
  }
};

TEST_F(DamagedDescriptionTest, AnEightMegabyteLineIsShownWhole) {
  std::string line;
  while (line.size() < (8u << 20)) line += "word ";
  DialogWatcher watcher;
  const Text shown = Shown(line);
  EXPECT_TRUE(watcher.seen().empty());
  // The memo gets the line in pieces (an edit control would take minutes to
  // wrap it in one); every character of it is there, in order.
  Text joined;
  for (std::size_t i = 0; i < shown.size(); ++i)
    if (shown.compare(i, 2, "\r\n") == 0) ++i;
    else joined += shown[i];
  EXPECT_EQ(joined, line);
}

TEST_F(DamagedDescriptionTest, AHundredThousandLinesAreShownWhole) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "line " + std::to_string(i) + "\r\n";
  DialogWatcher watcher;
  const Text shown = Shown(text);
  EXPECT_TRUE(watcher.seen().empty());
  EXPECT_EQ(shown, text.substr(0, text.size() - 2));
  EXPECT_EQ(SendMessageW(Named("Mm_Hint"), EM_GETLINECOUNT, 0, 0), 100000);
}

TEST_F(DamagedDescriptionTest, BinaryGarbageShowsUpToItsFirstZeroByteWithoutAnError) {
  std::mt19937 random(1251);
  std::string bytes(64 * 1024, '\0');
  for (char& b : bytes) b = static_cast<char>(random() % 256);
  // What the line rules make of it, as far as an edit control holds text:
  // up to the first zero byte (or the 0x1A that ends the file before it).
  Text expected;
  for (std::size_t i = 0; i < bytes.size() && bytes[i] != 0x1A && bytes[i] != '\0'; ++i) {
    if (bytes[i] == '\n') expected += "\r\n";
    else if (bytes[i] != '\r') expected += bytes[i];
  }
  DialogWatcher watcher;
  const Text shown = Shown(bytes);
  EXPECT_TRUE(watcher.seen().empty());
  // cp1251 has no character for 0x98: the memo holds U+FFFD there.
  Text comparable = expected;
  for (char& c : comparable)
    if (c == '\x98') c = '?';
  EXPECT_EQ(shown, comparable);
}

TEST_F(DamagedDescriptionTest, AnEndOfFileByteInTheMiddleEndsTheDescription) {
  EXPECT_EQ(Shown("first\r\nsecond\x1A" "third\r\n"), "first\r\nsecond");
}

TEST_F(DamagedDescriptionTest, LoneCarriageReturnsAreDropped) {
  EXPECT_EQ(Shown("one\rtwo\r\nthree\r"), "onetwo\r\nthree");
}

// A disc root whose folder names bring the first presentation's path to a
// given length. Its command line is the quoted path and a blank: 3 more.
class LongPathDiscTest : public MainWindowTest {
 protected:
  explicit LongPathDiscTest(std::size_t pathLength) {
    const std::size_t tail = std::string_view("\\Presentation\\play_about.bat").size();
    Text root = disc_.path();
    while (root.size() + tail < pathLength)
      root += "\\" + std::string(std::min<std::size_t>(50, pathLength - tail - root.size() - 1), 'd');
    root_ = root;
  }
  void RunsTheFirstPresentation(bool expected) {
    const Text bat = Disc("Presentation\\play_about.bat");
    const Text record = disc_ / "record.txt";
    WriteFileBytes(bat, "@echo off\r\necho ran> \"" + record + "\"\r\n");
    WriteHint("about.txt", "about");
    DialogWatcher watcher;
    Click(Named("BGrp_present"), 0);
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_EQ(testing::FileExists(record), expected) << bat.size();
    // The window goes on: the next description still comes.
    WriteHint("base_mod.txt", "still here");
    Hover(Named("BGrp_present"), 1);
    EXPECT_EQ(MemoText(Named("Mm_Hint")), "still here");
  }
};

class CommandLineOf255Test : public LongPathDiscTest {
 protected:
  CommandLineOf255Test() : LongPathDiscTest(252) {}
};

TEST_F(CommandLineOf255Test, PresentationRuns) {
  ASSERT_EQ(Disc("Presentation\\play_about.bat").size(), 252u);
  RunsTheFirstPresentation(true);
}

class CommandLineOver255Test : public LongPathDiscTest {
 protected:
  CommandLineOver255Test() : LongPathDiscTest(254) {}
};

TEST_F(CommandLineOver255Test, PresentationIsCutAndRunsNothingSilently) {
  // The cut takes the closing quote: the start fails.
  ASSERT_EQ(Disc("Presentation\\play_about.bat").size(), 254u);
  RunsTheFirstPresentation(false);
}

// A disc folder whose name holds Cyrillic letters and blanks.
class CyrillicDiscTest : public MainWindowTest {
 protected:
  CyrillicDiscTest() { root_ = disc_ / "Демо диск «Вортан» 2008"_t; }
};

TEST_F(CyrillicDiscTest, DescriptionsAndThePlayerFindTheirFiles) {
  WriteHint("about.txt", "Описание"_t);
  Hover(Named("BGrp_present"), 0);
  EXPECT_EQ(MemoText(Named("Mm_Hint")), "Описание"_t);
  // The recorder stands in for the player: it records its command line and
  // working directory in UTF-16, so the Cyrillic letters survive.
  testing::PlaceRecorder(Disc("LA20K\\LA.exe"));
  const Text record = disc_ / "record.txt";
  SetEnvironmentVariableW(L"DEMODISC_RECORD", Wide(record).c_str());
  WriteHint("video_varnik.txt", "Видео"_t);
  ShowPage(MainForm::kVideo);
  Click(Named("ButGrp_Video"), 2);
  SetEnvironmentVariableW(L"DEMODISC_RECORD", nullptr);
  const auto lines = RecordedLines(record, true);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "\"" + Disc("LA20K\\LA.exe") + "\" " + Disc("Video\\Null_video.avi"));
  EXPECT_EQ(lines[1], Disc("LA20K"));
}

// A disc at a drive root, the way it is in the drive: the current directory
// is "D:\", so every folder starts with "D:\\", which the system accepts.
class DriveRootDiscTest : public MainWindowTest {
 protected:
  DriveRootDiscTest() : drive_(disc_.path()) { root_ = drive_.drive(); }
  testing::MappedDrive drive_;
};

TEST_F(DriveRootDiscTest, DescriptionsThePublicationListAndThePlayerFindTheirFiles) {
  ASSERT_FALSE(drive_.drive().empty()) << drive_.error();
  ASSERT_EQ(root_, drive_.drive());
  WriteHint("about.txt", "На диске"_t);
  Hover(Named("BGrp_present"), 0);
  EXPECT_EQ(MemoText(Named("Mm_Hint")), "На диске"_t);

  // The first activation read the list from the drive.
  EXPECT_EQ(Grid().Cell(2, 1), "A sample paper");

  testing::PlaceRecorder(Disc("LA20K\\LA.exe"));
  testing::RecorderFile recorder(disc_ / "record.txt");
  WriteHint("video_varnik.txt", "Видео"_t);
  ShowPage(MainForm::kVideo);
  Click(Named("ButGrp_Video"), 2);
  const auto runs = recorder.Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].commandLine,
            "\"" + root_ + "\\\\LA20K\\LA.exe\" " + root_ + "\\\\Video\\Null_video.avi");
  EXPECT_EQ(runs[0].workingDir, Disc("LA20K"));
}

}  // namespace
}  // namespace demodisc
