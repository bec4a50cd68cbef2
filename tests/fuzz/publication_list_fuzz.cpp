// The publication list on arbitrary bytes: loading never fills more than 39
// rows, each filled row's cells come back together to its line, and the
// reader path taken from any text is the stretch after its first character
// up to a double quote. The reader's buffer is of 64 bytes here, so that
// inputs of a few KB cross its edges in lines, between CR and LF and past
// the 39th row, as 64 KB inputs would with the program's buffer.
// fuzz-max-len: 4096
#include <cstdint>
#include <cstdlib>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "base/text_reader.h"
#include "publications/publication_line.h"
#include "publications/publication_list.h"
#include "publications/reader_path.h"

namespace {

// The input's bytes as the list file, without a copy.
class BytesSource final : public demodisc::ByteSource {
 public:
  explicit BytesSource(std::string_view bytes) : bytes_(bytes) {}
  size_t Read(char* buffer, size_t size) override {
    const size_t n = bytes_.copy(buffer, size);
    bytes_.remove_prefix(n);
    return n;
  }

 private:
  std::string_view bytes_;
};

// The grid's cells: 3 columns, the header row and 39 data rows.
class ArrayCells final : public demodisc::PublicationCells {
 public:
  void SetCell(int col, int row, const demodisc::Text& text) override {
    if (col < 0 || col >= 3 || row < 1 || row > 39) std::abort();
    cells[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
  }
  demodisc::Text Cell(int col, int row) const override {
    return cells[static_cast<size_t>(row)][static_cast<size_t>(col)];
  }
  std::array<std::array<demodisc::Text, 3>, 40> cells;
};

void CheckSplit(const std::string& line) {
  const auto got = demodisc::SplitPublicationLine(line);
  if (got.language.find('#') != std::string::npos) std::abort();
  if (got.docFileName.find('#') != std::string::npos) std::abort();
  if (demodisc::CharCount(got.number) > 4) std::abort();
  // The entry is what follows the first two "#" (fewer when the line has fewer).
  std::string entry = line;
  for (int i = 0; i < 2; ++i) {
    const auto p = entry.find('#');
    if (p != std::string::npos) entry.erase(0, p + 1);
  }
  // Number and text lie side by side at the entry's start; only the last
  // character of an entry of 6 or more is left out, and only characters
  // beyond the 4th of a shorter one.
  if (entry.compare(0, got.number.size(), got.number) != 0) std::abort();
  if (entry.compare(got.number.size(), got.text.size(), got.text) != 0) std::abort();
  // Counted in characters of the file.
  const size_t covered = demodisc::CharCount(got.number) + demodisc::CharCount(got.text);
  const size_t chars = demodisc::CharCount(entry);
  const size_t expected = chars >= 6 ? chars - 1 : std::min<size_t>(chars, 4);
  if (covered != expected) std::abort();
  if (line.find('#') != std::string::npos &&
      line.compare(0, got.language.size() + 1, got.language + "#") != 0)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // One reader for every run, as the main window keeps one for its whole life.
  static demodisc::TextReader reader(64);
  ArrayCells cells;
  demodisc::PublicationRecords records;
  demodisc::LoadPublications(reader, std::make_unique<BytesSource>(bytes), cells, records);
  for (int row = 1; row <= 39; ++row) {
    const demodisc::TPubl* r = records.At(row);
    if (!r) continue;
    if (r->Color != demodisc::PublicationColor(r->DocFileName)) std::abort();
    if (r->Language != cells.Cell(1, row)) std::abort();
  }

  // Every line of the file, split on its own.
  reader.Open(std::make_unique<BytesSource>(bytes));
  while (!reader.Eof()) CheckSplit(reader.ReadLine());
  reader.Close();

  const demodisc::Text path = demodisc::ReaderPathOf(bytes);
  if (path.find('"') != std::string::npos) std::abort();
  if (!path.empty() && (bytes.compare(1, path.size(), path) != 0 || bytes[path.size() + 1] != '"'))
    std::abort();
  return 0;
}
