// The catalogue on the live window: descriptions on hover, items run by
// clicks with real mouse messages, real batch files and programs.
#include <gtest/gtest.h>

#include "base/wide_win.h"
#include "launcher/catalogue.h"
#include "launcher/hint_texts.h"
#include "support/dpi_change.h"
#include "support/main_window_fixture.h"
#include "support/recorder.h"
#include "ui/MainDemo/main_form.h"
#include "ui/controls/button_group.h"
#include "ui/error_display_win.h"
#include "ui/frmBlend/form_blenge.h"

namespace demodisc {
namespace {

using testing::DialogWatcher;
using testing::MainWindowTest;
using testing::PumpMessages;
using testing::RecordedLines;
using testing::WriteFileBytes;

constexpr int kRow = 36;

class CatalogueTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    record_ = Disc("record.txt");
  }

  // A batch file that appends its name and its working directory to the record.
  void WriteRecordingBatch(const Text& relative) {
    WriteFileBytes(Disc(relative), "@echo off\r\necho " +
                                       relative.substr(relative.rfind('\\') + 1) + " %CD%>> \"" +
                                       record_ + "\"\r\n");
  }
  std::vector<Text> Records() {
    std::vector<Text> lines = RecordedLines(record_, false);
    for (Text& l : lines)
      while (!l.empty() && l.back() == ' ') l.pop_back();
    return lines;
  }

  Text record_;
};

TEST_F(CatalogueTest, PointingAtPresentationsShowsEachDescriptionFromItsTop) {
  const auto files = HintFiles(hpPresent);
  for (std::size_t i = 0; i < files.size(); ++i) {
    Text text;
    for (int line = 0; line < 40; ++line)
      text += Text(files[i]) + " строка " + std::to_string(line) + "\r\n";
    WriteHint(Text(files[i]), text);
  }
  HWND group = Named("BGrp_present");
  HWND memo = Named("Mm_Hint");
  for (int i = 0; i < static_cast<int>(files.size()); ++i) {
    SCOPED_TRACE(i);
    SendMessageW(memo, EM_LINESCROLL, 0, 20);
    Hover(group, i);
    const Text shown = WindowTextUtf8(memo);
    EXPECT_EQ(shown.substr(0, Text(files[i]).size()), Text(files[i]));
    EXPECT_EQ(SendMessageW(memo, EM_GETLINECOUNT, 0, 0) >= 40, true);
    EXPECT_EQ(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  }
}

TEST_F(CatalogueTest, HotHandlerRunsOncePerEnteredButtonAndWithMinusOneOnLeaving) {
  WriteHint("demo_v15.txt", "first");
  WriteHint("demo_ZOZE.txt", "second");
  WriteHint("demo_ annot_report.txt", "sixth");
  auto* group = &Control<ButtonGroup>("ButGrp_demo");
  ShowPage(MainForm::kDemo);
  std::vector<int> calls;
  auto handler = group->onHotButton;
  group->onHotButton = [&](int i) {
    calls.push_back(i);
    handler(i);
  };
  HWND h = Named("ButGrp_demo");
  MoveMouse(h, 50, 5);
  MoveMouse(h, 60, 30);  // the same button: nothing
  MoveMouse(h, 60, 40);
  MoveMouse(h, 60, 5 * kRow + 2);
  EXPECT_EQ(WindowTextUtf8(Named("Mm_Demo")), "sixth");
  MoveMouse(h, 60, 6 * kRow + 2);  // the empty part below the last button
  EXPECT_EQ(WindowTextUtf8(Named("Mm_Demo")), "sixth");
  WriteHint("demo_ annot_report.txt", "sixth, read again");
  MoveMouse(h, 60, 5 * kRow + 2);
  EXPECT_EQ(WindowTextUtf8(Named("Mm_Demo")), "sixth, read again");
  // Leaving the group: the pointer goes onto the memo below it.
  POINT p{20, 20};
  ClientToScreen(Named("Mm_Demo"), &p);
  SetCursorPos(p.x, p.y);
  PumpMessages(1500, [&] { return group->HotIndex() == -1; });
  EXPECT_EQ(calls, (std::vector<int>{0, 1, 5, -1, 5, -1}));
  EXPECT_EQ(WindowTextUtf8(Named("Mm_Demo")), "sixth, read again");
}

TEST_F(CatalogueTest, EmptyDescriptionLeavesTheMemoEmptyWithoutAMessage) {
  WriteHint("about.txt", "something");
  WriteHint("base_mod.txt", "");
  DialogWatcher watcher;
  Hover(Named("BGrp_present"), 0);
  Hover(Named("BGrp_present"), 1);
  EXPECT_EQ(GetWindowTextLengthW(Named("Mm_Hint")), 0);
  EXPECT_TRUE(watcher.seen().empty());
}

TEST_F(CatalogueTest, MissingDescriptionGoesToTheErrorDisplayOnEachHover) {
  WriteHint("about.txt", "something");
  DialogWatcher watcher;
  Hover(Named("BGrp_present"), 0);
  Hover(Named("BGrp_present"), 1);  // base_mod.txt is missing
  EXPECT_EQ(GetWindowTextLengthW(Named("Mm_Hint")), 0);
  Hover(Named("BGrp_present"), 0);
  Hover(Named("BGrp_present"), 1);
  ASSERT_EQ(watcher.seen().size(), 2u);
  EXPECT_EQ(watcher.seen()[0].className, "#32770");
  EXPECT_EQ(watcher.seen()[0].caption, AppTitle());
  EXPECT_EQ(watcher.seen()[0].text, "File not found.");
  // The sixth demo description without the blank in its name counts as missing.
  WriteHint("demo_annot_report.txt", "no blank");
  ShowPage(MainForm::kDemo);
  Hover(Named("ButGrp_demo"), 5);
  ASSERT_EQ(watcher.seen().size(), 3u);
  EXPECT_EQ(watcher.seen()[2].text, "File not found.");
}

TEST_F(CatalogueTest, MissingHintsFolderShowsInvalidFilename) {
  RemoveDirectoryW(Wide(Disc("Hints")).c_str());
  DialogWatcher watcher;
  ShowPage(MainForm::kVideo);
  Hover(Named("ButGrp_Video"), 2);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].text, "Invalid filename.");
}

struct ClickRow {
  int page;
  const char* group;
  int button;
  const char* batch;  // relative to the disc
};

TEST_F(CatalogueTest, EachItemStartsItsBatchFileInItsFolder) {
  const ClickRow rows[] = {
      {MainForm::kPresent, "BGrp_present", 0, "Presentation\\play_about.bat"},
      {MainForm::kPresent, "BGrp_present", 1, "Presentation\\play_bm.bat"},
      {MainForm::kPresent, "BGrp_present", 2, "Presentation\\play_int.bat"},
      {MainForm::kPresent, "BGrp_present", 3, "Presentation\\play_ther.bat"},
      {MainForm::kPresent, "BGrp_present", 4, "Presentation\\play_net.bat"},
      {MainForm::kPresent, "BGrp_present", 5, "Presentation\\play_dental.bat"},
      {MainForm::kPresent, "BGrp_present", 6, "Presentation\\play_spinal.bat"},
      {MainForm::kPresent, "BGrp_present", 7, "Presentation\\play_dynamic.bat"},
      {MainForm::kDemo, "ButGrp_demo", 0, "Ostravilenka_1_5\\Rolik.bat"},
      {MainForm::kDemo, "ButGrp_demo", 1, "Vortan4\\1.bat"},
      {MainForm::kGebitBenutzt, "But_Grp_user", 0, "Presentation\\play_use_mm.bat"},
      {MainForm::kGebitBenutzt, "But_Grp_user", 1, "Presentation\\play_in_work.bat"},
      {MainForm::kGebitBenutzt, "But_Grp_user", 2, "Presentation\\play_in_work.bat"},
      {MainForm::kGebitBenutzt, "But_Grp_user", 3, "Presentation\\play_in_work.bat"},
      {MainForm::kGebitBenutzt, "But_Grp_user", 4, "Presentation\\play_in_work.bat"},
  };
  for (const ClickRow& r : rows) WriteRecordingBatch(r.batch);
  for (const auto& f : HintFiles(hpPresent)) WriteHint(Text(f), "");
  for (const auto& f : HintFiles(hpDemo)) WriteHint(Text(f), "");
  for (const auto& f : HintFiles(hpUser)) WriteHint(Text(f), "");
  std::vector<Text> expected;
  for (const ClickRow& r : rows) {
    SCOPED_TRACE(r.batch);
    ShowPage(r.page);
    Click(Named(r.group), r.button);
    const Text rel = r.batch;
    expected.push_back(rel.substr(rel.rfind('\\') + 1) + " " +
                       Disc(rel.substr(0, rel.rfind('\\'))));
    EXPECT_EQ(Records(), expected);
  }
}

// Drawn at another resolution, the buttons are taller: a click at an item's
// scaled place runs that item, the last one included, which 96-dpi rows
// would take for another.
class CatalogueAtScale : public testing::AtScale<CatalogueTest> {};
INSTANTIATE_TEST_SUITE_P(Dpi, CatalogueAtScale, ::testing::ValuesIn(testing::kTestedDpis),
                         testing::DpiName);

TEST_P(CatalogueAtScale, AClickAtTheScaledPlaceOfAnItemRunsThatItem) {
  const char* const batches[] = {"play_about.bat", "play_bm.bat", "play_dynamic.bat"};
  const int buttons[] = {0, 1, 7};
  for (const char* batch : batches) WriteRecordingBatch(Text("Presentation\\") + batch);
  for (const auto& f : HintFiles(hpPresent)) WriteHint(Text(f), "");
  HWND group = Named("BGrp_present");
  std::vector<Text> expected;
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(batches[i]);
    ClickAtHeight(group, Scale().Px(buttons[i] * kRow + kRow / 2));
    expected.push_back(Text(batches[i]) + " " + Disc("Presentation"));
    EXPECT_EQ(Records(), expected);
  }
}

// The pointer near the bottom of an item's scaled row, where a 96-dpi row
// would already be a later item: that item is hot and its description shown.
TEST_P(CatalogueAtScale, ThePointerAtAnItemsScaledPlaceMakesItHotAndShowsItsDescription) {
  const auto files = HintFiles(hpPresent);
  for (const auto& f : files) WriteHint(Text(f), Text("description of ") + Text(f));
  HWND group = Named("BGrp_present");
  const auto& buttons = Control<ButtonGroup>("BGrp_present");
  for (int i = 0; i < static_cast<int>(files.size()); ++i) {
    SCOPED_TRACE(i);
    MoveMouse(group, Scale().Px(60), (i + 1) * Scale().Px(kRow) - 2);
    EXPECT_EQ(buttons.HotIndex(), i);
    EXPECT_EQ(WindowTextUtf8(Named("Mm_Hint")), Text("description of ") + Text(files[i]));
  }
}

// After a move to a monitor of 150 %, as the system tells it.
class CatalogueAfterDpiChange : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    testing::SendDpiChange(main().hwnd(), 144, {MainForm::kClientWidth, MainForm::kClientHeight});
    PumpMessages(100);
  }
};

TEST_F(CatalogueAfterDpiChange, PointingAndClickingFindTheItemsAtTheirNewPlaces) {
  const UiScale scale(144);
  const char* const batches[] = {"play_about.bat", "play_bm.bat", "play_dynamic.bat"};
  const int buttons[] = {0, 1, 7};
  for (const char* batch : batches) WriteRecordingBatch(Text("Presentation\\") + batch);
  const auto files = HintFiles(hpPresent);
  for (const auto& f : files) WriteHint(Text(f), Text(f) + " описание");
  HWND group = Named("BGrp_present");
  HWND memo = Named("Mm_Hint");
  std::vector<Text> expected;
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(batches[i]);
    const int middle = scale.Px(buttons[i] * kRow + kRow / 2);
    MoveMouse(group, 100, middle);
    EXPECT_EQ(Control<ButtonGroup>("BGrp_present").HotIndex(), buttons[i]);
    const Text hint(files[static_cast<std::size_t>(buttons[i])]);
    EXPECT_EQ(WindowTextUtf8(memo).substr(0, hint.size()), hint);
    ClickAtHeight(group, middle);
    expected.push_back(Text(batches[i]) + " " + Disc("Presentation"));
    EXPECT_EQ(Records(), expected);
  }
}

TEST_F(CatalogueTest, PressAndReleaseOnDifferentButtonsOrOtherButtonsOrKeysRunNothing) {
  WriteRecordingBatch("Presentation\\play_about.bat");
  WriteRecordingBatch("Presentation\\play_bm.bat");
  WriteHint("about.txt", "");
  WriteHint("base_mod.txt", "");
  HWND group = Named("BGrp_present");
  MoveMouse(group, 100, 10);
  Post(group, WM_LBUTTONDOWN, MK_LBUTTON, 100, 10);
  MoveMouse(group, 100, 50);
  Post(group, WM_LBUTTONUP, 0, 100, 50);
  Post(group, WM_RBUTTONDOWN, MK_RBUTTON, 100, 10);
  Post(group, WM_RBUTTONUP, 0, 100, 10);
  Post(group, WM_MBUTTONDOWN, MK_MBUTTON, 100, 10);
  Post(group, WM_MBUTTONUP, 0, 100, 10);
  // The keyboard moves the focus frame only.
  SetFocus(group);
  auto* bg = dynamic_cast<ButtonGroup*>(Window::FromHwnd(group));
  for (WPARAM key : {VK_HOME, VK_DOWN, VK_RETURN, VK_SPACE}) {
    PostMessageW(group, WM_KEYDOWN, key, 0);
    PostMessageW(group, WM_KEYUP, key, 0);
    if (key == VK_SPACE) PostMessageW(group, WM_CHAR, L' ', 0);
    if (key == VK_RETURN) PostMessageW(group, WM_CHAR, L'\r', 0);
    RunMessages(150);  // through the program's loop, dialog keys included
  }
  EXPECT_EQ(bg->FocusIndex(), 1);
  PostMessageW(group, WM_KEYDOWN, VK_END, 0);
  RunMessages(100);
  EXPECT_EQ(bg->FocusIndex(), 7);
  EXPECT_TRUE(Records().empty());
}

TEST_F(CatalogueTest, DoubleClickRunsTheItemTwiceOneAfterTheOther) {
  WriteRecordingBatch("Presentation\\play_bm.bat");
  WriteHint("base_mod.txt", "");
  HWND group = Named("BGrp_present");
  MoveMouse(group, 100, 50);
  PostMessageW(group, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 50));
  PostMessageW(group, WM_LBUTTONUP, 0, MAKELPARAM(100, 50));
  PostMessageW(group, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 50));
  PostMessageW(group, WM_LBUTTONUP, 0, MAKELPARAM(100, 50));
  PumpMessages(200);
  const Text line = "play_bm.bat " + Disc("Presentation");
  EXPECT_EQ(Records(), (std::vector<Text>{line, line}));
}

TEST_F(CatalogueTest, VideoItemWithoutThePlayerShowsTheMessageOnce) {
  for (const auto& f : HintFiles(hpVideo)) WriteHint(Text(f), "");
  ShowPage(MainForm::kVideo);
  DialogWatcher watcher;
  Click(Named("ButGrp_Video"), 3);
  PumpMessages(200);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].className, "TMessageForm");
  EXPECT_EQ(watcher.seen()[0].caption, AppTitle());
  EXPECT_EQ(watcher.seen()[0].text, "Ошибка запуска медиа-плейера ...");
  EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
  EXPECT_EQ(main().CurrentPage(), MainForm::kVideo);
}

TEST_F(CatalogueTest, VideoItemsStartThePlayerOnTheirClipInItsFolder) {
  const Text player = testing::PlaceRecorder(Disc("LA20K\\LA.exe"));
  SetEnvironmentVariableW(L"DEMODISC_RECORD", Wide(record_).c_str());
  for (const auto& f : HintFiles(hpVideo)) WriteHint(Text(f), "");
  ShowPage(MainForm::kVideo);
  DialogWatcher watcher;
  Click(Named("ButGrp_Video"), 0);
  Click(Named("ButGrp_Video"), 6);
  SetEnvironmentVariableW(L"DEMODISC_RECORD", nullptr);
  const auto lines = RecordedLines(record_, true);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "\"" + player + "\" " + Disc("Video\\SpaceKL5_mjpeg.avi"));
  EXPECT_EQ(lines[1], Disc("LA20K"));
  EXPECT_EQ(lines[2], "\"" + player + "\" " + Disc("Video\\Null_video.avi"));
  EXPECT_TRUE(watcher.seen().empty());
}

// The disc in a folder with a blank in its name: the clip's path reaches
// the player as one argument; a presentation's command line stays as it is.
class BlankInPathCatalogueTest : public CatalogueTest {
 protected:
  BlankInPathCatalogueTest() { root_ = disc_ / "Demo Disc"; }
};

TEST_F(BlankInPathCatalogueTest, ThePlayerGetsTheClipsPathInDoubleQuotes) {
  const Text player = testing::PlaceRecorder(Disc("LA20K\\LA.exe"));
  testing::RecorderFile recorder(disc_ / "record.txt");
  for (const auto& f : HintFiles(hpVideo)) WriteHint(Text(f), "");
  ShowPage(MainForm::kVideo);
  DialogWatcher watcher;
  Click(Named("ButGrp_Video"), 1);
  const auto runs = recorder.Runs();
  ASSERT_EQ(runs.size(), 1u);
  const Text clip = disc_ / "Demo Disc\\Video\\SpaceMini_mjpeg.avi";
  EXPECT_EQ(runs[0].commandLine, "\"" + player + "\" \"" + clip + "\"");
  EXPECT_EQ(testing::ArgumentsOf(runs[0].commandLine), (std::vector<Text>{player, clip}));
  EXPECT_EQ(runs[0].workingDir, disc_ / "Demo Disc\\LA20K");
  EXPECT_TRUE(watcher.seen().empty());
}

TEST_F(CatalogueTest, MissingPresentationFolderDoesNothingVisible) {
  WriteHint("about.txt", "");
  DialogWatcher watcher;
  Click(Named("BGrp_present"), 0);
  main().StartAllPresent(10);
  main().StartAllPresent(-1);
  PumpMessages(100);
  EXPECT_TRUE(watcher.seen().empty());
  EXPECT_TRUE(main().IsShown());
}

}  // namespace
}  // namespace demodisc
