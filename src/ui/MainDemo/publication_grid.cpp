#include "ui/MainDemo/publication_grid.h"

#include "base/files_win.h"
#include "base/wide_win.h"
#include "ui/look/fonts.h"
#include "ui/look/high_contrast_win.h"

namespace demodisc {

namespace {
class GridCells final : public PublicationCells {
 public:
  explicit GridCells(StringGrid& grid) : grid_(grid) {}
  void SetCell(int col, int row, const Text& text) override { grid_.SetCell(col, row, text); }
  Text Cell(int col, int row) const override { return grid_.Cell(col, row); }

 private:
  StringGrid& grid_;
};

class ConstGridCells final : public PublicationCells {
 public:
  explicit ConstGridCells(const StringGrid& grid) : grid_(grid) {}
  void SetCell(int, int, const Text&) override {}
  Text Cell(int col, int row) const override { return grid_.Cell(col, row); }

 private:
  const StringGrid& grid_;
};
}  // namespace

StringGridLayout PublicationGridLayout(const UiScale& scale) {
  StringGridLayout layout;
  layout.colCount = kPublicationColumns;
  layout.rowCount = kPublicationRows;
  layout.fixedCols = 1;
  layout.fixedRows = 1;
  layout.rowHeight = scale.Px(18);
  return layout;
}

HFONT PublicationGridFont(const UiScale& scale) { return ScaledFont(Arial(11), scale); }

void PreparePublicationGrid(StringGrid& grid) {
  const PublicationColumnWidths widths = PublicationWidthsFor(grid.OuterWidth(), grid.Scale());
  grid.SetColWidth(0, widths.number);
  grid.SetColWidth(1, widths.language);
  grid.SetColWidth(2, widths.text);
  GridCells cells(grid);
  SetPublicationHeader(cells);
}

void LoadPublicationList(const Text& publicationDir, TextReader& reader, StringGrid& grid,
                         PublicationRecords& records, std::string_view listFile) {
  Text path = publicationDir;
  path.append(listFile);
  GridCells cells(grid);
  LoadPublications(reader, OpenFileForReading(path), cells, records);
}

void DrawPublicationCell(const StringGrid& grid, const PublicationRecords& records,
                         const GridCellPaint& paint) {
  if (paint.row == 0) return;
  const TPubl* record = records.At(paint.row);
  if (!record) return;
  COLORREF back = record->Color;
  if (HighContrastOn()) {
    // The selection keeps the highlight the grid painted; a row's colour
    // passes to its text, so a row with a document reads as a link.
    if ((paint.state & kGridCellSelected) && !(paint.state & kGridCellFocused)) return;
    back = ShownBack(record->Color);
    SetTextColor(paint.dc, ShownText(record->Color, back));
  }
  const std::wstring text = Wide(grid.Cell(paint.col, paint.row));
  SetBkMode(paint.dc, OPAQUE);
  SetBkColor(paint.dc, back);
  ExtTextOutW(paint.dc, paint.rect.left, paint.rect.top, ETO_OPAQUE | ETO_CLIPPED, &paint.rect,
              text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void ShowPublicationEntry(const StringGrid& grid, int row, Memo& memo) {
  const ConstGridCells cells(grid);
  Text line = PublicationEntryOf(cells, row);
  line.append("\r\n");
  memo.SetText(line);
  memo.ScrollToTop();
}

}  // namespace demodisc
