// The photo window and its hidden file list on temporary folders: the
// entries, the stepping driven by WM_TIMER, and the current directory.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "base/files_win.h"
#include "support/current_directory.h"
#include "support/named_control.h"
#include "support/pixels.h"
#include "support/show_modal_until.h"
#include "support/test_support.h"
#include "ui/PicUnit/view_pic_form.h"

namespace demodisc {
namespace {

using testing::CurrentDirectoryScope;
using testing::DialogWatcher;
using testing::PumpMessages;
using testing::TempDir;
using testing::WriteFileBytes;

constexpr WPARAM kTimer1 = 1;

TEST(FileListBox, ListsJpgFilesOnlySortedIgnoringCase) {
  TempDir dir;
  const std::vector<Text> names{"c.jpg",      "B.JPG",      "a.jpg",  "фото.jpg",  "readonly.jpg",
                                "hidden.jpg", "system.jpg", "x.jpeg", "y.jpg.txt", "z.txt"};
  for (const Text& name : names) WriteFileBytes(dir / name, "jpeg");
  testing::MakeDirs(dir / "folder.jpg");
  SetFileAttributesW(Wide(dir / "readonly.jpg").c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW(Wide(dir / "hidden.jpg").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW(Wide(dir / "system.jpg").c_str(), FILE_ATTRIBUTE_SYSTEM);
  CurrentDirectoryScope cwd(dir.path());
  FileListBox list;
  list.ReadCurrentDirectory();
  std::vector<Text> entries;
  for (int i = 0; i < list.Count(); ++i) entries.push_back(list.Entry(i));
  EXPECT_EQ(entries, (std::vector<Text>{"a.jpg", "B.JPG", "c.jpg", "readonly.jpg", "фото.jpg"}));
  EXPECT_EQ(list.ListDir(), dir.path());
  EXPECT_TRUE(list.FileExists("фото.jpg"));
  EXPECT_FALSE(list.FileExists("folder.jpg"));
  SetFileAttributesW(Wide(dir / "readonly.jpg").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileListBox, NamesInAnyScriptKeepTheirLettersAndSortIgnoringCase) {
  TempDir dir;
  const Text folder = dir / "Jürgen Müller 演示";
  const std::vector<Text> names{"Ωmega.jpg", "élan.JPG", "Élan2.jpg", "光盘.jpg",
                                "Ёлка.jpg",  "ёж.jpg",   "Zeta.jpg"};
  for (const Text& name : names) WriteFileBytes(folder + "\\" + name, "jpeg");
  CurrentDirectoryScope cwd(folder);
  FileListBox list;
  list.ReadCurrentDirectory();
  std::vector<Text> entries;
  for (int i = 0; i < list.Count(); ++i) entries.push_back(list.Entry(i));
  EXPECT_EQ(entries, (std::vector<Text>{"Zeta.jpg", "ёж.jpg", "Ёлка.jpg", "élan.JPG", "Élan2.jpg",
                                        "Ωmega.jpg", "光盘.jpg"}));
  EXPECT_EQ(list.ListDir(), folder);
  EXPECT_TRUE(list.FileExists("光盘.jpg"));
}

TEST(FileListBox, ChangeListDirReadsAnewOrRaisesChangingNothing) {
  TempDir dir;
  WriteFileBytes(dir / "Sub\\one.jpg", "");
  WriteFileBytes(dir / "top.jpg", "");
  CurrentDirectoryScope cwd(dir.path());
  FileListBox list;
  list.ReadCurrentDirectory();
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Entry(0), "top.jpg");
  EXPECT_THROW(list.ChangeListDir("Missing\\"), InOutError);
  EXPECT_EQ(list.ListDir(), dir.path());
  EXPECT_EQ(CurrentDirectory(), dir.path());
  EXPECT_EQ(list.Entry(0), "top.jpg");
  list.ChangeListDir("Sub\\");
  EXPECT_EQ(list.ListDir(), dir / "Sub");
  EXPECT_EQ(CurrentDirectory(), dir / "Sub");
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Entry(0), "one.jpg");
  list.ChangeListDir("..");
  EXPECT_EQ(list.ListDir(), dir.path());
}

TEST(FileListBox, ParentOfADriveRootIsTheRoot) {
  CurrentDirectoryScope cwd("C:\\");
  FileListBox list;
  list.ReadCurrentDirectory();
  list.ChangeListDir("..");
  EXPECT_EQ(list.ListDir(), "C:\\");
}

class PhotoWindowTest : public ::testing::Test {
 protected:
  void CreateOn(const std::vector<Text>& files, bool withFolder = true) {
    if (withFolder) testing::MakeDirs(disc / "PicRec");
    for (const Text& f : files) WriteFileBytes(disc / ("PicRec\\" + f), "jpeg");
    cwd = std::make_unique<CurrentDirectoryScope>(disc.path());
    form.CreateWindowed(nullptr);
  }
  // Shows the window modally and runs `steps` once its showing sequence has run.
  void WhileShown(const std::function<void()>& steps) {
    bool ran = false;
    EXPECT_EQ(
        testing::ShowModalUntil(form, 3000,
                                [&] {
                                  if (CurrentDirectory() == disc.path() && watcher.seen().empty())
                                    return false;
                                  steps();
                                  ran = true;
                                  return true;
                                }),
        kModalCancel);
    EXPECT_TRUE(ran);
  }
  std::int32_t Tick() {
    SendMessageW(form.hwnd(), WM_TIMER, kTimer1, 0);
    return form.PicIndex();
  }

  TempDir disc;
  std::unique_ptr<CurrentDirectoryScope> cwd;
  DialogWatcher watcher;
  Whole<ViewPicForm> form;
};

TEST_F(PhotoWindowTest, LayoutAt96Dpi) {
  CreateOn({});
  RECT client;
  GetClientRect(form.hwnd(), &client);
  EXPECT_EQ(client.right, 341);
  EXPECT_EQ(client.bottom, 279);
  EXPECT_EQ(WindowTextUtf8(form.hwnd()), "Просмотр рекламных фото");
  EXPECT_FALSE(GetWindowLongW(form.hwnd(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));
  const Label* label = form.Named<Label>("LabInfo");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->bounds(), (Bounds{0, 0, 341, 13}));
  EXPECT_EQ(label->text(), "");
  // The window draws the label's band in the button face over its navy.
  const testing::ClientPixels px(form.hwnd());
  EXPECT_TRUE(px.AllOf({0, 0, 341, 13}, GetSysColor(COLOR_BTNFACE)));
  EXPECT_TRUE(px.AllOf({0, 13, 341, 279}, RGB(0, 0, 128)));
  EXPECT_EQ(form.FileListBox1().ListDir(), disc.path());
}

TEST_F(PhotoWindowTest, ThreeFilesStepRoundAndClosingGoesBack) {
  CreateOn({"c.jpg", "a.jpg", "b.jpg"});
  std::vector<std::int32_t> seen;
  Text shownIn;
  bool timerOn = false;
  WhileShown([&] {
    shownIn = CurrentDirectory();
    seen.push_back(form.PicIndex());
    for (int i = 0; i < 4; ++i) seen.push_back(Tick());
    timerOn = KillTimer(form.hwnd(), kTimer1) != FALSE;
  });
  EXPECT_EQ(shownIn, disc / "PicRec");
  EXPECT_EQ(seen, (std::vector<std::int32_t>{0, 1, 2, 0, 1}));
  EXPECT_TRUE(timerOn);
  EXPECT_EQ(CurrentDirectory(), disc.path());
  EXPECT_EQ(form.FileListBox1().ListDir(), disc.path());
  EXPECT_TRUE(watcher.seen().empty());
}

TEST_F(PhotoWindowTest, SingleFileStaysAtZeroAndEachShowingStartsAtZero) {
  CreateOn({"only.jpg"});
  std::vector<std::int32_t> seen;
  WhileShown([&] {
    for (int i = 0; i < 3; ++i) seen.push_back(Tick());
  });
  EXPECT_EQ(seen, (std::vector<std::int32_t>{0, 0, 0}));
  WriteFileBytes(disc / "PicRec\\two.jpg", "");
  WhileShown([&] { seen = {form.PicIndex(), Tick(), Tick()}; });
  EXPECT_EQ(seen, (std::vector<std::int32_t>{0, 1, 0}));
  EXPECT_EQ(CurrentDirectory(), disc.path());
}

TEST_F(PhotoWindowTest, EmptyFolderTicksDoNothing) {
  CreateOn({});
  std::vector<std::int32_t> seen;
  WhileShown([&] { seen = {Tick(), Tick()}; });
  EXPECT_EQ(seen, (std::vector<std::int32_t>{0, 0}));
  EXPECT_TRUE(watcher.seen().empty());
}

TEST_F(PhotoWindowTest, MissingPicRecShowsTheDirectoryErrorAndClosingStaysPut) {
  CreateOn({}, false);
  bool timerOn = true;
  Text shownIn;
  WhileShown([&] {
    shownIn = CurrentDirectory();
    timerOn = KillTimer(form.hwnd(), kTimer1) != FALSE;
  });
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].className, "#32770");
  const Text error = watcher.seen()[0].text;
  EXPECT_TRUE(error == "File not found." || error == "Invalid filename.") << error;
  EXPECT_EQ(shownIn, disc.path());
  EXPECT_FALSE(timerOn);
  EXPECT_EQ(CurrentDirectory(), disc.path());
  EXPECT_EQ(form.FileListBox1().ListDir(), disc.path());
}

}  // namespace
}  // namespace demodisc
