// The publication grid on its own: prepared, loaded from real list files,
// painted in the row colours, and showing the entry of a clicked row.
#include "publications/publication_grid_win.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/errors.h"
#include "launcher/disc_folders.h"
#include "support/input.h"
#include "support/pixels.h"
#include "support/test_support.h"
#include "ui/form.h"

namespace demodisc {
namespace {

using testing::ClientPixels;

constexpr COLORREF kLightRedRgb = RGB(255, 204, 204);

class PublicationHost final : public Form {
 public:
  PublicationHost() {
    RegisterClass(L"TPublicationHost");
    CreateForm(L"TPublicationHost", "Publications", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 546,
               398, nullptr);
    grid.Create(hwnd(), 3, 3, 540, 298, PublicationGridLayout());
    memo = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                           WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 4, 308, 494, 86,
                           hwnd(), nullptr, nullptr, nullptr);
    grid.OnDrawCell([this](const GridCellPaint& p) { DrawPublicationCell(grid, records, p); });
    grid.OnSelectCell([this](int, int row) {
      ShowPublicationEntry(grid, row, memo);
      return true;
    });
  }
  StringGrid grid;
  HWND memo = nullptr;
  PublicationRecords records;
};

// The first pixel column and row holding a colour other than the
// background, relative to the rectangle; -1 when there is none.
POINT FirstInk(const ClientPixels& px, RECT r, COLORREF background) {
  r.right = std::min(r.right, static_cast<LONG>(px.width()));  // the last column runs under the scroll bar
  POINT first{-1, -1};
  for (int x = r.left; x < r.right && first.x < 0; ++x)
    for (int y = r.top; y < r.bottom; ++y)
      if (px.At(x, y) != background) {
        first.x = x - r.left;
        break;
      }
  for (int y = r.top; y < r.bottom && first.y < 0; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (px.At(x, y) != background) {
        first.y = y - r.top;
        break;
      }
  return first;
}

class PublicationGridTest : public ::testing::Test {
 protected:
  void WriteList(const std::string& bytes) {
    testing::WriteFileBytes(folders_.PublicationDir + "vortan_lit.txt", bytes);
  }
  void Prepare() { PreparePublicationGrid(host_.grid); }
  void Load() { LoadPublicationList(folders_.PublicationDir, reader_, host_.grid, host_.records); }
  StringGrid& grid() { return host_.grid; }

  testing::TempDir disc_;
  DiscFolders folders_ = MakeDiscFolders(disc_.path());
  TextReader reader_;
  PublicationHost host_;
};

std::string Lines(int count) {
  std::string bytes;
  for (int i = 1; i <= count; ++i)
    bytes += (i % 2 ? "eng#p" + std::to_string(i) + ".pdf#" : std::string("rus##")) +
             std::to_string(10 + i) + ". Title " + std::to_string(i) + ".\r\n";
  return bytes;
}

TEST_F(PublicationGridTest, PreparingSetsTheWidthsAndTheHeader) {
  Prepare();
  EXPECT_EQ(grid().ColWidth(0), 24);
  EXPECT_EQ(grid().ColWidth(1), 36);
  EXPECT_EQ(grid().ColWidth(2), 460);
  EXPECT_EQ(grid().Cell(0, 0), "№ "_t);
  EXPECT_EQ(grid().Cell(1, 0), "Язык "_t);
  EXPECT_EQ(grid().Cell(2, 0), "Публикация"_t);
  EXPECT_EQ(grid().ColCount(), 3);
  EXPECT_EQ(grid().RowCount(), 40);
  EXPECT_EQ(grid().RowHeight(), 18);
}

TEST_F(PublicationGridTest, LoadsTheFirstExampleLineIntoRowOne) {
  WriteList("eng#paper01.pdf#12. Sample title of a paper.\r\n");
  Prepare();
  Load();
  EXPECT_EQ(grid().Cell(0, 1), "12. ");
  EXPECT_EQ(grid().Cell(1, 1), "eng");
  EXPECT_EQ(grid().Cell(2, 1), "Sample title of a paper");
  ASSERT_NE(host_.records.At(1), nullptr);
  EXPECT_EQ(host_.records.At(1)->Color, kLightRed);
  EXPECT_EQ(host_.records.At(1)->DocFileName, "paper01.pdf");
  EXPECT_EQ(host_.records.At(2), nullptr);
  // Loading leaves the entry box alone.
  EXPECT_EQ(WindowTextCp(host_.memo), "");
}

TEST_F(PublicationGridTest, FortyFiveLinesFill39Rows) {
  WriteList(Lines(45));
  Prepare();
  Load();
  for (int row = 1; row <= 39; ++row) ASSERT_NE(host_.records.At(row), nullptr) << row;
  EXPECT_EQ(grid().Cell(0, 39), "49. ");
  EXPECT_EQ(grid().Cell(2, 39), "Title 39");
}

TEST_F(PublicationGridTest, ThreeLinesLeaveTheOtherRowsEmptyInTheStandardColours) {
  WriteList(Lines(3));
  Prepare();
  Load();
  SendMessageW(grid().hwnd(), WM_VSCROLL, SB_TOP, 0);
  const ClientPixels px(grid().hwnd());
  for (int row = 4; row <= 14; ++row) {
    EXPECT_EQ(grid().Cell(0, row), "");
    EXPECT_EQ(host_.records.At(row), nullptr);
    const RECT fixedCell = grid().CellRect(0, row);
    const RECT text = grid().CellRect(2, row);
    EXPECT_EQ(px.At(fixedCell.left + 5, fixedCell.top + 5), GetSysColor(COLOR_BTNFACE)) << row;
    EXPECT_EQ(px.At(text.left + 5, text.top + 5), GetSysColor(COLOR_WINDOW)) << row;
  }
}

TEST_F(PublicationGridTest, PaintsEachRowWithARecordInItsColourOverTheWholeRow) {
  WriteList("eng#paper01.pdf#12. Sample title of a paper.\r\nrus##7.  Another title.\r\n");
  Prepare();
  Load();
  SetFocus(nullptr);  // the current cell (1,1) would show highlighted
  const ClientPixels px(grid().hwnd());
  for (int col = 0; col < 3; ++col) {
    const RECT red = grid().CellRect(col, 1);
    const RECT white = grid().CellRect(col, 2);
    // The corners: no text reaches them.
    EXPECT_EQ(px.At(red.left, red.bottom - 1), kLightRedRgb) << col;
    EXPECT_EQ(px.At(red.left + 20, red.bottom - 1), kLightRedRgb) << col;
    EXPECT_EQ(px.At(white.left, white.bottom - 1), RGB(255, 255, 255)) << col;
    EXPECT_EQ(px.At(white.left + 20, white.bottom - 1), RGB(255, 255, 255)) << col;
  }
  // The header keeps the grid's look.
  const RECT header = grid().CellRect(1, 0);
  EXPECT_EQ(px.At(header.left + 20, header.bottom - 3), GetSysColor(COLOR_BTNFACE));
}

TEST_F(PublicationGridTest, WritesARecordRowsTextWithoutTheInset) {
  WriteList("eng#paper01.pdf#12. Sample title of a paper.\r\n");
  Prepare();
  Load();
  // The same text on a row without a record, drawn the standard way.
  grid().SetCell(2, 5, "Sample title of a paper");
  SetFocus(nullptr);
  const ClientPixels px(grid().hwnd());
  const POINT withRecord = FirstInk(px, grid().CellRect(2, 1), kLightRedRgb);
  const POINT standard = FirstInk(px, grid().CellRect(2, 5), GetSysColor(COLOR_WINDOW));
  ASSERT_GE(withRecord.x, 0);
  EXPECT_EQ(standard.x - withRecord.x, 2);
  EXPECT_EQ(standard.y - withRecord.y, 2);
}

TEST_F(PublicationGridTest, AClickedRowShowsItsEntryInTheMemo) {
  WriteList("eng#paper01.pdf#12. Sample title of a paper.\r\nrus##7.  Another title.\r\n");
  Prepare();
  Load();
  testing::BringToFront(host_.hwnd());
  const RECT language = grid().CellRect(1, 2);
  testing::ClickAt(grid().hwnd(), POINT{language.left + 10, language.top + 9});
  EXPECT_EQ(WindowTextCp(host_.memo), "7.  Another title\r\n");
  const RECT text = grid().CellRect(2, 1);
  testing::ClickAt(grid().hwnd(), POINT{text.left + 100, text.top + 9});
  EXPECT_EQ(WindowTextCp(host_.memo), "12. Sample title of a paper\r\n");
  // A row without a record shows its (empty) cells.
  testing::ClickAt(grid().hwnd(), POINT{text.left + 100, grid().CellRect(2, 6).top + 9});
  EXPECT_EQ(WindowTextCp(host_.memo), "\r\n");
  EXPECT_EQ(SendMessageW(host_.memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(PublicationGridTest, AMissingListFileIsAnInputOutputErrorAndLeavesTheGrid) {
  Prepare();
  try {
    Load();
    FAIL() << "no error";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.text(), "Invalid filename");  // no Publication folder
  }
  testing::MakeDirs(disc_ / "Publication");
  try {
    Load();
    FAIL() << "no error";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.text(), "File not found");
  }
  EXPECT_EQ(grid().Cell(2, 0), "Публикация"_t);
  for (int row = 1; row <= 39; ++row) EXPECT_EQ(host_.records.At(row), nullptr);
  EXPECT_FALSE(reader_.IsOpen());
}

}  // namespace
}  // namespace demodisc
