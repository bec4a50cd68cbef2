// Damaged and odd discs on the live main window: huge, binary and oddly
// ended descriptions, paths near and over 255 characters, and a disc folder
// with Cyrillic letters and blanks. Nothing crashes or hangs; each case
// shows what the program gives for it. A disc at a drive root finds its
// files too.
#include <gtest/gtest.h>

#include <random>

#include "base/cp1251.h"
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

Text MemoText(HWND memo) { return WindowTextUtf8(memo); }

class DamagedDescriptionTest : public MainWindowTest {
 protected:
  // The description of the first presentation, as the memo shows it after
  // the pointer came onto its button.
  Text Shown(const std::string& bytes) {
    WriteHintBytes("about.txt", bytes);
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
    if (shown.compare(i, 2, "\r\n") == 0)
      ++i;
    else
      joined += shown[i];
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

TEST_F(DamagedDescriptionTest, BinaryGarbageShowsEveryLineUpToItsZeroByteWithoutAnError) {
  std::mt19937 random(1251);
  std::string bytes(64 * 1024, '\0');
  for (char& b : bytes) b = static_cast<char>(random() % 256);
  // What the line rules make of it: every line up to the 0x1A that ends the
  // file, each decoded and cut at its first zero byte (cp1251 has no
  // character for 0x98: the memo holds U+FFFD there).
  Text expected;
  bool zeroSeen = false;
  for (std::size_t i = 0; i < bytes.size() && bytes[i] != 0x1A; ++i) {
    if (bytes[i] == '\n') {
      expected += "\r\n";
      zeroSeen = false;
    } else if (bytes[i] == '\0') {
      zeroSeen = true;
    } else if (bytes[i] != '\r' && !zeroSeen) {
      AppendCp1251(std::string_view(&bytes[i], 1), expected);
    }
  }
  DialogWatcher watcher;
  const Text shown = Shown(bytes);
  EXPECT_TRUE(watcher.seen().empty());
  EXPECT_EQ(shown, expected);
}

TEST_F(DamagedDescriptionTest, AZeroByteHidesTheRestOfItsLineOnly) {
  using namespace std::string_literals;
  EXPECT_EQ(Shown("first\0hidden\r\nsecond\r\n\0\r\nlast"s), "first\r\nsecond\r\n\r\nlast");
}

TEST_F(DamagedDescriptionTest, AnEndOfFileByteInTheMiddleEndsTheDescription) {
  EXPECT_EQ(Shown("first\r\nsecond\x1A"
                  "third\r\n"),
            "first\r\nsecond");
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
    while (root.size() + tail < pathLength) {
      const std::size_t folder = std::min<std::size_t>(50, pathLength - tail - root.size() - 1);
      root += '\\';
      root.append(folder, 'd');
    }
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
  WriteHint("about.txt", "На диске");
  Hover(Named("BGrp_present"), 0);
  EXPECT_EQ(MemoText(Named("Mm_Hint")), "На диске");

  // The first activation read the list from the drive.
  EXPECT_EQ(Grid().Cell(2, 1), "A sample paper");

  testing::PlaceRecorder(Disc("LA20K\\LA.exe"));
  testing::RecorderFile recorder(disc_ / "record.txt");
  WriteHint("video_varnik.txt", "Видео");
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
