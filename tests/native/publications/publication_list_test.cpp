#include "publications/publication_list.h"

#include <gtest/gtest.h>

#include <map>

#include "base/errors.h"
#include "publications/publication_line.h"
#include "support/memory_source.h"

namespace demodisc {
namespace {

using testing::MemorySource;

struct SplitCase {
  const char* name;
  std::string line;
  std::string number, language, text, docFileName;
};

class PublicationLineSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PublicationLineSplit, GivesTheFieldsOfTheLine) {
  const auto& c = GetParam();
  const PublicationLine got = SplitPublicationLine(c.line);
  EXPECT_EQ(got.number, c.number);
  EXPECT_EQ(got.language, c.language);
  EXPECT_EQ(got.text, c.text);
  EXPECT_EQ(got.docFileName, c.docFileName);
}

INSTANTIATE_TEST_SUITE_P(
    ListFile, PublicationLineSplit,
    ::testing::Values(
        SplitCase{"PaperWithDocument", "eng#paper01.pdf#12. Sample title of a paper.", "12. ",
                  "eng", "Sample title of a paper", "paper01.pdf"},
        SplitCase{"EmptyFileField", "rus##7.  Another title.", "7.  ", "rus", "Another title", ""},
        SplitCase{"NoHash", "abc", "abc", "", "", ""},
        SplitCase{"NoHashLongLine", "1234567890", "1234", "", "56789", ""},
        SplitCase{"OneHash", "eng#doc.pdf", "doc.", "eng", "pd", ""},
        SplitCase{"EntryOfFiveCharacters", "eng#doc.pdf#12. X", "12. ", "eng", "", "doc.pdf"},
        SplitCase{"EntryOfSixCharacters", "a#b#123456", "1234", "a", "5", "b"},
        SplitCase{"EntryShorterThanFour", "eng#d.pdf#1.", "1.", "eng", "", "d.pdf"},
        SplitCase{"EmptyEntry", "eng#d.pdf#", "", "eng", "", "d.pdf"},
        SplitCase{"FurtherHashesBelongToTheText", "eng#a.pdf#1.  x#y#z.", "1.  ", "eng", "x#y#z",
                  "a.pdf"},
        SplitCase{"HashFirst", "#x.pdf#1234567", "1234", "", "56", "x.pdf"},
        SplitCase{"LeadingHashOnly", "#abcdef", "abcd", "", "e", ""},
        SplitCase{"TwoHashesOnly", "##", "", "", "", ""},
        SplitCase{"OneHashOnly", "#", "", "", "", ""}, SplitCase{"EmptyLine", "", "", "", "", ""},
        SplitCase{"BlanksAreKept", " eng # doc.pdf # 12. T. ", " 12.", " eng ", " T.", " doc.pdf "},
        SplitCase{"Cyrillic", "рус#статья.pdf#3.  Заголовок.", "3.  ", "рус", "Заголовок",
                  "статья.pdf"},
        // The cuts count the file's characters, not the bytes of their UTF-8.
        SplitCase{"NumberOfLetters", "рус#a.pdf#№1 Ёж Статья", "№1 Ё", "рус", "ж Стать", "a.pdf"},
        SplitCase{"SixLetters", "ru#d#абвгде", "абвг", "ru", "д", "d"},
        SplitCase{"FiveLetters", "ru#d#абвгд", "абвг", "ru", "", "d"}),
    [](const auto& info) { return info.param.name; });

TEST(PublicationColor, IsLightRedWithADocumentAndWhiteWithout) {
  EXPECT_EQ(PublicationColor("paper01.pdf"), 0x00CCCCFFu);
  EXPECT_EQ(PublicationColor(" "), kLightRed);
  EXPECT_EQ(PublicationColor(""), 0x00FFFFFFu);
}

// The grid's cells as a map; a cell outside the 3 x 40 grid fails the test.
class FakeCells final : public PublicationCells {
 public:
  void SetCell(int col, int row, const Text& text) override {
    EXPECT_TRUE(col >= 0 && col < kPublicationColumns && row >= 0 && row < kPublicationRows)
        << col << "," << row;
    cells_[{col, row}] = text;
  }
  Text Cell(int col, int row) const override {
    const auto it = cells_.find({col, row});
    return it == cells_.end() ? Text() : it->second;
  }
  bool Touched(int col, int row) const { return cells_.count({col, row}) != 0; }

 private:
  std::map<std::pair<int, int>, Text> cells_;
};

std::string NumberedLines(int count) {
  std::string bytes;
  for (int i = 1; i <= count; ++i)
    bytes += "eng#doc" + std::to_string(i) + ".pdf#" + std::to_string(100 + i) + " Title " +
             std::to_string(i) + ".\r\n";
  return bytes;
}

class LoadPublicationsTest : public ::testing::Test {
 protected:
  void Load(std::string bytes) {
    LoadPublications(reader_, std::make_unique<MemorySource>(std::move(bytes)), cells_, records_);
  }
  TextReader reader_;
  FakeCells cells_;
  PublicationRecords records_;
};

TEST_F(LoadPublicationsTest, FillsTheFirstRowFromTheFirstLine) {
  Load("eng#paper01.pdf#12. Sample title of a paper.\r\nrus##7.  Another title.\r\n");
  EXPECT_EQ(cells_.Cell(0, 1), "12. ");
  EXPECT_EQ(cells_.Cell(1, 1), "eng");
  EXPECT_EQ(cells_.Cell(2, 1), "Sample title of a paper");
  ASSERT_NE(records_.At(1), nullptr);
  EXPECT_EQ(records_.At(1)->DocFileName, "paper01.pdf");
  EXPECT_EQ(records_.At(1)->Color, kLightRed);
  EXPECT_EQ(records_.At(1)->Language, "eng");
  EXPECT_EQ(PublicationEntryOf(cells_, 1), "12. Sample title of a paper");

  ASSERT_NE(records_.At(2), nullptr);
  EXPECT_EQ(records_.At(2)->DocFileName, "");
  EXPECT_EQ(records_.At(2)->Color, kWhite);
  EXPECT_EQ(PublicationEntryOf(cells_, 2), "7.  Another title");
  EXPECT_FALSE(reader_.IsOpen());
}

TEST_F(LoadPublicationsTest, UsesAtMost39Lines) {
  Load(NumberedLines(45));
  for (int row = 1; row <= 39; ++row) {
    EXPECT_EQ(cells_.Cell(0, row), std::to_string(100 + row) + " ") << row;
    ASSERT_NE(records_.At(row), nullptr) << row;
    EXPECT_EQ(records_.At(row)->DocFileName, "doc" + std::to_string(row) + ".pdf");
  }
  EXPECT_EQ(cells_.Cell(2, 39), "Title 39");
  EXPECT_FALSE(cells_.Touched(0, 0));
  EXPECT_FALSE(reader_.IsOpen());
}

TEST_F(LoadPublicationsTest, LeavesTheRowsAfterTheLastLineAsTheyWere) {
  Load(NumberedLines(3));
  for (int row = 4; row <= 39; ++row) {
    for (int col = 0; col < 3; ++col) EXPECT_FALSE(cells_.Touched(col, row)) << col << "," << row;
    EXPECT_EQ(records_.At(row), nullptr) << row;
  }
  // A second, shorter list overwrites only its own rows.
  Load("x#y#1234567\r\n");
  EXPECT_EQ(cells_.Cell(0, 1), "1234");
  EXPECT_EQ(records_.At(1)->DocFileName, "y");
  EXPECT_EQ(cells_.Cell(0, 2), "102 ");
  EXPECT_EQ(records_.At(2)->DocFileName, "doc2.pdf");
}

TEST_F(LoadPublicationsTest, GivesEmptyLinesAWhiteRecordAndReadsNothingFromAnEmptyFile) {
  Load("");
  EXPECT_EQ(records_.At(1), nullptr);
  EXPECT_FALSE(cells_.Touched(0, 1));

  Load("\r\n\nabc\r\n");
  for (int row = 1; row <= 3; ++row) {
    ASSERT_NE(records_.At(row), nullptr) << row;
    EXPECT_EQ(records_.At(row)->Color, kWhite);
  }
  EXPECT_EQ(cells_.Cell(0, 1), "");
  EXPECT_EQ(cells_.Cell(0, 3), "abc");
  EXPECT_EQ(records_.At(4), nullptr);
}

TEST_F(LoadPublicationsTest, StopsAtTheEndOfFileByte) {
  Load(
      std::string("a#b.pdf#1.  one.\r\n\x1A"
                  "c#d.pdf#2.  two.\r\n"));
  EXPECT_NE(records_.At(1), nullptr);
  EXPECT_EQ(records_.At(2), nullptr);
}

TEST_F(LoadPublicationsTest, KeepsTheRowsReadBeforeAReadErrorAndClosesTheFile) {
  const std::string bytes = NumberedLines(10);
  const std::size_t failAfter = bytes.find("eng#doc5");
  try {
    LoadPublications(reader_, std::make_unique<MemorySource>(bytes, 7, failAfter, 23), cells_,
                     records_);
    FAIL() << "no error";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.text(), "I/O error 23");
  }
  for (int row = 1; row <= 4; ++row) EXPECT_NE(records_.At(row), nullptr) << row;
  EXPECT_EQ(records_.At(6), nullptr);
  EXPECT_FALSE(reader_.IsOpen());
}

TEST_F(LoadPublicationsTest, TakesAMegabyteLineInItsStride) {
  const std::string text(1 << 20, 'x');
  Load("eng#big.pdf#1.  " + text + ".\r\nnext#n.pdf#2.  y.\r\n");
  EXPECT_EQ(cells_.Cell(0, 1), "1.  ");
  EXPECT_EQ(cells_.Cell(2, 1), text);
  EXPECT_EQ(cells_.Cell(1, 2), "next");
}

TEST(PublicationRecords, HoldOneRecordPerDataRowUntilFreed) {
  PublicationRecords records;
  auto first = std::make_unique<TPubl>();
  first->DocFileName = "a.pdf";
  records.Hang(1, std::move(first));
  auto second = std::make_unique<TPubl>();
  second->DocFileName = "b.pdf";
  records.Hang(1, std::move(second));
  EXPECT_EQ(records.At(1)->DocFileName, "b.pdf");
  records.Hang(39, std::make_unique<TPubl>());
  // The header row and rows beyond the grid hold none.
  records.Hang(0, std::make_unique<TPubl>());
  records.Hang(40, std::make_unique<TPubl>());
  EXPECT_EQ(records.At(0), nullptr);
  EXPECT_EQ(records.At(40), nullptr);
  EXPECT_EQ(records.At(-1), nullptr);

  records.FreeAll();
  for (int row = 0; row < kPublicationRows; ++row) EXPECT_EQ(records.At(row), nullptr) << row;
}

TEST(PublicationGridLayout, HasItsHeaderAndColumnWidths) {
  FakeCells cells;
  SetPublicationHeader(cells);
  EXPECT_EQ(cells.Cell(0, 0), "№ ");
  EXPECT_EQ(cells.Cell(1, 0), "Язык ");
  EXPECT_EQ(cells.Cell(2, 0), "Публикация");
  const auto widths = PublicationWidthsFor(540);
  EXPECT_EQ(widths.number, 24);
  EXPECT_EQ(widths.language, 36);
  EXPECT_EQ(widths.text, 460);
  EXPECT_EQ(PublicationWidthsFor(100).text, 20);
  // At 144 dpi the grid is 810 wide: 36, 54 and 810 - 36 - 54 - 30.
  const auto scaled = PublicationWidthsFor(810, UiScale(144));
  EXPECT_EQ(scaled.number, 36);
  EXPECT_EQ(scaled.language, 54);
  EXPECT_EQ(scaled.text, 690);
}

}  // namespace
}  // namespace demodisc
