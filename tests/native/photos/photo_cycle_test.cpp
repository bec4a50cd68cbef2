// The photo window's stepping over a fake file list, and the list's names.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "base/errors.h"
#include "photos/jpg_names.h"
#include "photos/photo_cycle.h"

namespace demodisc {
namespace {

// Folders as paths of names below a root; ".." goes up, never above the root.
class FakeFileList final : public PhotoFileList, public PhotoTimer {
 public:
  std::map<Text, std::vector<Text>> folders;  // folder -> its files
  Text current = "root";
  std::vector<Text> entries;
  std::set<Text> removed;  // files gone since the list was read
  bool timer = false;

  void ChangeListDir(const Text& relative) override {
    Text target = current;
    if (relative == "..") {
      const auto cut = current.rfind('\\');
      if (cut != Text::npos) target = current.substr(0, cut);
    } else {
      target = current + "\\" + relative.substr(0, relative.size() - 1);
    }
    const auto found = folders.find(target);
    if (found == folders.end()) throw InOutError(3);
    current = target;
    entries = found->second;
  }
  std::int32_t Count() const override { return static_cast<std::int32_t>(entries.size()); }
  const Text& Entry(std::int32_t index) const override { return entries.at(index); }
  bool FileExists(const Text& name) const override {
    const auto& files = folders.at(current);
    return !removed.count(name) && std::find(files.begin(), files.end(), name) != files.end();
  }
  void SetTimerEnabled(bool enabled) override { timer = enabled; }
};

class PhotoCycleTest : public ::testing::Test {
 protected:
  void Folder(const Text& path, std::vector<Text> files) { list.folders[path] = std::move(files); }

  std::vector<std::int32_t> Ticks(int n) {
    std::vector<std::int32_t> seen{window.PicIndex()};
    for (int i = 0; i < n; ++i) {
      window.Timer1Timer();
      seen.push_back(window.PicIndex());
    }
    return seen;
  }

  FakeFileList list;
  PhotoCycle window{list, list};
};

TEST_F(PhotoCycleTest, ThreeFilesStepRoundAndClosingGoesBack) {
  Folder("root", {});
  Folder("root\\PicRec", {"a.jpg", "b.jpg", "c.jpg"});
  window.FormActivate();
  EXPECT_EQ(list.current, "root\\PicRec");
  EXPECT_TRUE(list.timer);
  EXPECT_EQ(Ticks(5), (std::vector<std::int32_t>{0, 1, 2, 0, 1, 2}));
  window.FormClose();
  EXPECT_FALSE(list.timer);
  EXPECT_EQ(list.current, "root");
}

TEST_F(PhotoCycleTest, EachShowingStartsAtZero) {
  Folder("root", {});
  Folder("root\\PicRec", {"a.jpg", "b.jpg", "c.jpg"});
  window.FormActivate();
  Ticks(1);
  window.FormClose();
  window.FormActivate();
  EXPECT_EQ(window.PicIndex(), 0);
}

TEST_F(PhotoCycleTest, SingleFileStaysAtZeroAndEmptyListDoesNothing) {
  Folder("root", {});
  Folder("root\\PicRec", {"only.jpg"});
  window.FormActivate();
  EXPECT_EQ(Ticks(3), (std::vector<std::int32_t>{0, 0, 0, 0}));
  window.FormClose();
  Folder("root\\PicRec", {});
  window.FormActivate();
  EXPECT_EQ(Ticks(2), (std::vector<std::int32_t>{0, 0, 0}));
}

TEST_F(PhotoCycleTest, VanishedFileStopsTheIndexUntilItIsBack) {
  Folder("root", {});
  Folder("root\\PicRec", {"a.jpg", "b.jpg", "c.jpg"});
  window.FormActivate();
  Ticks(1);
  list.removed.insert("b.jpg");
  EXPECT_EQ(Ticks(2), (std::vector<std::int32_t>{1, 1, 1}));
  list.removed.clear();
  EXPECT_EQ(Ticks(1), (std::vector<std::int32_t>{1, 2}));
}

TEST_F(PhotoCycleTest, MissingFolderRaisesAndClosingStaysWhereItWas) {
  Folder("root", {});
  Folder("root\\disc", {"x.jpg"});
  list.current = "root\\disc";
  EXPECT_THROW(window.FormActivate(), InOutError);
  EXPECT_FALSE(list.timer);
  EXPECT_EQ(list.current, "root\\disc");
  window.FormClose();
  EXPECT_EQ(list.current, "root\\disc");
  EXPECT_FALSE(list.timer);
}

TEST_F(PhotoCycleTest, FailedShowingAfterAGoodOneDoesNotGoUpTwice) {
  Folder("root", {});
  Folder("root\\PicRec", {"a.jpg"});
  window.FormActivate();
  window.FormClose();
  list.folders.erase("root\\PicRec");
  EXPECT_THROW(window.FormActivate(), InOutError);
  window.FormClose();
  EXPECT_EQ(list.current, "root");
}

TEST(JpgNames, MaskTakesOnlyTheJpgExtensionInAnyCase) {
  EXPECT_TRUE(MatchesJpgMask("a.jpg"));
  EXPECT_TRUE(MatchesJpgMask("B.JPG"));
  EXPECT_TRUE(MatchesJpgMask("фото.Jpg"));
  EXPECT_TRUE(MatchesJpgMask("two.dots.jpg"));
  EXPECT_FALSE(MatchesJpgMask("a.jpeg"));
  EXPECT_FALSE(MatchesJpgMask("a.jpg.txt"));
  EXPECT_FALSE(MatchesJpgMask("jpg"));
  EXPECT_FALSE(MatchesJpgMask(""));
}

TEST(JpgNames, SortsIgnoringCaseLatinAndCyrillic) {
  std::vector<Text> names{"c.jpg", "B.jpg", "a.jpg", "Яблоко.jpg", "арбуз.jpg", "Б.jpg"};
  SortNamesIgnoringCase(names);
  EXPECT_EQ(names,
            (std::vector<Text>{"a.jpg", "B.jpg", "c.jpg", "арбуз.jpg", "Б.jpg", "Яблоко.jpg"}));
}

TEST(JpgNames, KeepsTheCp1251OrderAndPutsOtherScriptsAfterIt) {
  // ё before а as in cp1251; Latin-1, Greek and Chinese letters after the code page's.
  std::vector<Text> names{"光盘.jpg", "Ωmega.jpg", "арбуз.jpg", "Ёлка.jpg",
                          "élan.JPG", "Zeta.jpg",  "ñ.jpg"};
  SortNamesIgnoringCase(names);
  EXPECT_EQ(names, (std::vector<Text>{"Zeta.jpg", "Ёлка.jpg", "арбуз.jpg", "élan.JPG", "ñ.jpg",
                                      "Ωmega.jpg", "光盘.jpg"}));
  EXPECT_TRUE(MatchesJpgMask("光盘.JPG"));
  EXPECT_FALSE(MatchesJpgMask("光盘.jpgx"));
}

}  // namespace
}  // namespace demodisc
