// The publication grid StrGrd_Bibl: its layout, its preparation and loading
// from the list file, the row colours and the entry of a selected row.
#pragma once

#include <windows.h>

#include "base/text_reader.h"
#include "publications/publication_list.h"
#include "ui/controls/memo.h"
#include "ui/controls/string_grid.h"

namespace demodisc {

// 3 columns and 40 rows with a fixed header row and number column, rows of
// 18 pixels at 96 dpi, at a scale.
StringGridLayout PublicationGridLayout(const UiScale& scale);
// Arial of 11 pixels in the Cyrillic character set, at a scale.
HFONT PublicationGridFont(const UiScale& scale);

// Column widths from the grid's outer width at its window's scale, and the
// header texts.
void PreparePublicationGrid(StringGrid& grid);

// Reads the list file of the publications' folder into the grid's rows; an
// input/output error goes out of here, with the rows filled so far kept.
void LoadPublicationList(const Text& publicationDir, TextReader& reader, StringGrid& grid,
                         PublicationRecords& records,
                         std::string_view listFile = kPublicationListFile);

// After the grid's standard painting: a data row with a record is filled in
// the record's colour and its text written from the cell's top-left corner.
void DrawPublicationCell(const StringGrid& grid, const PublicationRecords& records,
                         const GridCellPaint& paint);

// The selected row's entry as the memo's one line, scrolled to its top.
void ShowPublicationEntry(const StringGrid& grid, int row, Memo& memo);

}  // namespace demodisc
