// The publication list: the grid's header and column widths, the loading of
// the list file into the grid's rows, the records hung on those rows, and
// the entry text of a selected row.
#pragma once

#include <array>
#include <memory>

#include "base/text.h"
#include "base/text_reader.h"
#include "publications/publication.h"
#include "control_rules/ui_scale.h"

namespace demodisc {

inline constexpr char kPublicationListFile[] = "vortan_lit.txt";

// Row 0 is the header; rows 1 to 39 hold the list's first 39 lines.
inline constexpr int kPublicationColumns = 3;
inline constexpr int kPublicationRows = 40;
inline constexpr int kPublicationDataRows = kPublicationRows - 1;

// The grid's cell texts as the list sees them.
class PublicationCells {
 public:
  virtual ~PublicationCells() = default;
  virtual void SetCell(int col, int row, const Text& text) = 0;
  virtual Text Cell(int col, int row) const = 0;
};

struct PublicationColumnWidths {
  int number;
  int language;
  int text;
};

// 24 and 36 pixels; the entry column takes the grid's outer width minus
// those two minus 20. The sizes are at 96 dpi and drawn at `scale`; the
// outer width is the grid's own, at that scale.
PublicationColumnWidths PublicationWidthsFor(int gridOuterWidth, const UiScale& scale = {});

// "№ ", "Язык ", "Публикация" into row 0.
void SetPublicationHeader(PublicationCells& cells);

// The records of the data rows: at most one per row, owned by the row.
class PublicationRecords {
 public:
  // The row's record; null when it has none or is not a data row.
  const TPubl* At(int row) const;
  // Hangs a record on a data row, releasing the one it had.
  void Hang(int row, std::unique_ptr<TPubl> record);
  // Releases every record; the rows keep their texts.
  void FreeAll();

 private:
  std::array<std::unique_ptr<TPubl>, kPublicationRows> rows_;
};

// Opens the reader on the list file and fills the data rows from row 1 on,
// one line each, until the file ends or row 39 is filled; rows after the
// last line stay as they were. Each filled row gets a new record. The reader
// is closed afterwards, also when a read error goes out of here (the rows
// filled so far stay).
void LoadPublications(TextReader& reader, std::unique_ptr<ByteSource> listFile,
                      PublicationCells& cells, PublicationRecords& records);

// The entry box's line for a selected row: the number directly followed by
// the entry text (the language is not shown).
Text PublicationEntryOf(const PublicationCells& cells, int row);

}  // namespace demodisc
