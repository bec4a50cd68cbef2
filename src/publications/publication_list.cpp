#include "publications/publication_list.h"

#include "publications/publication_line.h"

namespace demodisc {

PublicationColumnWidths PublicationWidthsFor(int gridOuterWidth, const UiScale& scale) {
  constexpr int kNumber = 24, kLanguage = 36, kRest = 20;
  const int number = scale.Px(kNumber), language = scale.Px(kLanguage);
  return {number, language, gridOuterWidth - number - language - scale.Px(kRest)};
}

void SetPublicationHeader(PublicationCells& cells) {
  cells.SetCell(0, 0, "№ ");
  cells.SetCell(1, 0, "Язык ");
  cells.SetCell(2, 0, "Публикация");
}

const TPubl* PublicationRecords::At(int row) const {
  if (row < 1 || row > kPublicationDataRows) return nullptr;
  return rows_[static_cast<std::size_t>(row)].get();
}

void PublicationRecords::Hang(int row, std::unique_ptr<TPubl> record) {
  if (row < 1 || row > kPublicationDataRows) return;
  rows_[static_cast<std::size_t>(row)] = std::move(record);
}

void PublicationRecords::FreeAll() {
  for (auto& record : rows_) record.reset();
}

void LoadPublications(TextReader& reader, std::unique_ptr<ByteSource> listFile,
                      PublicationCells& cells, PublicationRecords& records) {
  reader.Open(std::move(listFile));
  struct CloseAtEnd {
    TextReader& reader;
    ~CloseAtEnd() { reader.Close(); }
  } closeAtEnd{reader};

  for (int row = 1; row <= kPublicationDataRows && !reader.Eof(); ++row) {
    const PublicationLine line = SplitPublicationLine(reader.ReadLine());
    cells.SetCell(0, row, line.number);
    cells.SetCell(1, row, line.language);
    cells.SetCell(2, row, line.text);
    auto record = std::make_unique<TPubl>();
    record->DocFileName = line.docFileName;
    record->Color = PublicationColor(line.docFileName);
    record->Language = line.language;
    records.Hang(row, std::move(record));
  }
}

Text PublicationEntryOf(const PublicationCells& cells, int row) {
  return cells.Cell(0, row) + cells.Cell(2, row);
}

}  // namespace demodisc
