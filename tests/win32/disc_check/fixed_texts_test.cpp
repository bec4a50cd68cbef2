// A disc whose descriptions and publication list were saved as UTF-8 (as
// Notepad of a Windows not set to Russian saves them), with a byte-order
// mark and LF line ends, after --fix-texts rewrote them: the program shows
// them as if they had been written in cp1251 to begin with.
#include <gtest/gtest.h>

#include "base/wide_win.h"
#include "disc_check/file_system_win.h"
#include "disc_check/text_fix.h"
#include "support/main_window_fixture.h"
#include "ui/MainDemo/main_form.h"
#include "ui/controls/string_grid.h"

namespace demodisc {
namespace {

using testing::WriteFileBytes;

const Text kFirstLine = "Описание «пункта» №1";
const Text kSecondLine = "Вторая строка — длинное тире";
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

class FixedTextsTest : public testing::MainWindowTest {
 protected:
  void PrepareDisc() override {
    // The first item's description in UTF-8; the second's the same text in cp1251.
    WriteHintBytes("about.txt", kUtf8Mark + kFirstLine + "\n" + kSecondLine + "\n");
    WriteHint("base_mod.txt", kFirstLine + "\r\n" + kSecondLine + "\r\n");
    WriteFileBytes(Disc("Publication\\vortan_lit.txt"),
                   Text(kUtf8Mark) + "rus#paper01.pdf#1.  Статья о «методе».\nrus##2.  Вторая.\n");
    fixes_ = FixDiscTexts(WindowsFileSystem(), root_);
  }

  std::vector<TextFix> fixes_;
};

TEST_F(FixedTextsTest, TheMemoAndTheGridShowTheRewrittenTextsRight) {
  ASSERT_EQ(fixes_.size(), 2u);  // the description and the list
  for (const TextFix& fix : fixes_) EXPECT_FALSE(fix.failed) << fix.message;

  HWND groups = Named("BGrp_present");
  Hover(groups, 1);
  const Text cp1251Shown = WindowTextUtf8(Named("Mm_Hint"));
  Hover(groups, 0);
  const Text fixedShown = WindowTextUtf8(Named("Mm_Hint"));
  EXPECT_NE(fixedShown.find(kFirstLine), Text::npos) << fixedShown;
  EXPECT_NE(fixedShown.find(kSecondLine), Text::npos) << fixedShown;
  EXPECT_EQ(fixedShown, cp1251Shown);

  const StringGrid& grid = Grid();
  EXPECT_EQ(grid.Cell(1, 1), "rus");
  EXPECT_EQ(grid.Cell(2, 1), "Статья о «методе»");
  EXPECT_EQ(grid.Cell(2, 2), "Вторая");
}

}  // namespace
}  // namespace demodisc
