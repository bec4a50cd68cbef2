// The disc under folders whose names hold letters of any script, as a
// visitor's user or download folder does: every path keeps its letters, from
// the current directory to the started programs' command lines.
#include <gtest/gtest.h>

#include "base/wide_win.h"
#include "launcher/hint_texts.h"
#include "publications/pdf_reader_win.h"
#include "publications/publication_list.h"
#include "support/main_window_fixture.h"
#include "support/reader_registration.h"
#include "support/recorder.h"
#include "ui/MainDemo/main_form.h"
#include "ui/MainDemo/read_publication.h"

namespace demodisc {
namespace {

using testing::DialogWatcher;
using testing::MainWindowTest;

struct FolderName {
  const char* script;
  const char* name;
};
void PrintTo(const FolderName& f, std::ostream* os) { *os << f.script; }

class ForeignFolderTest : public MainWindowTest, public ::testing::WithParamInterface<FolderName> {
 protected:
  ForeignFolderTest() { root_ = disc_ / GetParam().name + "\\Demo"; }
  Text Folder() const { return GetParam().name; }
};

TEST_P(ForeignFolderTest, StartsOnTheFirstPageAndShowsDescriptions) {
  EXPECT_EQ(main().folders().RootDir, root_ + "\\");
  EXPECT_EQ(main().CurrentPage(), MainForm::kPresent);
  WriteHint("about.txt", "Описание");
  Hover(Named("BGrp_present"), 0);
  EXPECT_EQ(WindowTextUtf8(Named("Mm_Hint")), "Описание");
}

TEST_P(ForeignFolderTest, APresentationRunsInItsFolder) {
  for (const auto& f : HintFiles(hpPresent)) WriteHint(Text(f), "");
  // The batch file leaves a file in its working folder, by a relative name.
  testing::WriteFileBytes(Disc("Presentation\\play_about.bat"),
                          "@echo off\r\necho ran> ran.txt\r\n");
  DialogWatcher watcher;
  Click(Named("BGrp_present"), 0);
  // Under a loaded Wine the console's file may show a little late.
  testing::PumpMessages(3000, [&] { return testing::FileExists(Disc("Presentation\\ran.txt")); });
  EXPECT_TRUE(testing::FileExists(Disc("Presentation\\ran.txt")));
  EXPECT_TRUE(watcher.seen().empty());
}

TEST_P(ForeignFolderTest, ThePlayerGetsItsClipByItsWholePath) {
  const Text player = testing::PlaceRecorder(Disc("LA20K\\LA.exe"));
  testing::RecorderFile recorder(disc_ / "record.txt");
  for (const auto& f : HintFiles(hpVideo)) WriteHint(Text(f), "");
  ShowPage(MainForm::kVideo);
  Click(Named("ButGrp_Video"), 2);
  const auto runs = recorder.Runs();
  ASSERT_EQ(runs.size(), 1u);
  // The clip reaches the player as one argument, whatever blanks its path holds.
  EXPECT_EQ(testing::ArgumentsOf(runs[0].commandLine),
            (std::vector<Text>{player, Disc("Video\\Null_video.avi")}));
  EXPECT_EQ(runs[0].workingDir, Disc("LA20K"));
}

TEST_P(ForeignFolderTest, AReaderInstalledUnderSuchAFolderOpensTheDocument) {
  testing::TempDir machine;
  const Text reader = testing::PlaceRecorder(machine / Folder() + "\\Reader\\AcroRd32.exe");
  testing::RecorderFile recorder(machine / "record.txt");
  testing::ReaderRegistration key;
  key.SetString("\"" + reader + "\" \"%1\"");
  TPubl record;
  record.DocFileName = Folder() + ".pdf";
  record.Color = PublicationColor(record.DocFileName);
  Text readerPath;
  DialogWatcher watcher;
  ReadPublication(main().folders(), readerPath, &record);
  EXPECT_EQ(readerPath, reader);
  const auto runs = recorder.Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(testing::ArgumentsOf(runs[0].commandLine),
            (std::vector<Text>{reader, Disc("Publication\\" + Folder() + ".pdf")}));
  EXPECT_EQ(runs[0].workingDir, machine / Folder() + "\\Reader");
  EXPECT_TRUE(watcher.seen().empty());
}

INSTANTIATE_TEST_SUITE_P(Scripts, ForeignFolderTest,
                         ::testing::Values(FolderName{"Cyrillic", "Демо диск «Вортан» 2008"},
                                           FolderName{"Latin1", "Jürgen Müller"},
                                           FolderName{"Greek", "Ελληνικά αρχεία"},
                                           FolderName{"Chinese", "演示光盘"}),
                         [](const auto& info) { return std::string(info.param.script); });

}  // namespace
}  // namespace demodisc
