#include "base/text_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/memory_source.h"

namespace demodisc {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using testing::MemorySource;

// Reads every line the way the description and publication loaders do:
// until the end of the file, one line at a time.
std::vector<std::string> ReadAll(std::string bytes, std::size_t chunk = 1 << 20,
                                 std::size_t buffer = TextReader::kBufferSize) {
  TextReader reader(buffer);
  reader.Open(std::make_unique<MemorySource>(std::move(bytes), chunk));
  std::vector<std::string> lines;
  while (!reader.Eof()) lines.push_back(reader.ReadLine());
  return lines;
}

struct LineCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class LineRules : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineRules, GivesTheLinesOfTheFile) {
  const auto& c = GetParam();
  EXPECT_THAT(ReadAll(c.bytes), ElementsAreArray(c.lines));
  // The same bytes handed out one at a time: buffer edges change nothing.
  EXPECT_THAT(ReadAll(c.bytes, 1), ElementsAreArray(c.lines));
  // A reader's buffer of 2 bytes, filled whole at each read.
  EXPECT_THAT(ReadAll(c.bytes, 1 << 20, 2), ElementsAreArray(c.lines));
}

INSTANTIATE_TEST_SUITE_P(
    TextFile, LineRules,
    ::testing::Values(LineCase{"Empty", "", {}}, LineCase{"CrLf", "one\r\ntwo\r\n", {"one", "two"}},
                      LineCase{"LastLineWithoutEnd", "one\r\ntwo", {"one", "two"}},
                      LineCase{"LineFeedAlone", "one\ntwo\n", {"one", "two"}},
                      LineCase{"EmptyLines", "\r\n\r\nx\r\n", {"", "", "x"}},
                      LineCase{"LoneCrDropped", "ab\rcd\r\n", {"abcd"}},
                      LineCase{"CrAtTheEndDropped", "ab\r", {"ab"}},
                      LineCase{"CrCrLf", "ab\r\r\ncd", {"ab", "cd"}},
                      LineCase{"SubEndsTheFile",
                               std::string("ab\r\ncd\x1A"
                                           "ef\r\ngh"),
                               {"ab", "cd"}},
                      LineCase{"SubAtTheStart",
                               std::string("\x1A"
                                           "ab"),
                               {}},
                      LineCase{"SubAfterCr", std::string("ab\r\x1A\ncd"), {"ab"}},
                      LineCase{"ByteOrderMarkIsText",
                               "\xEF\xBB\xBF"
                               "ab",
                               {"п»їab"}},
                      LineCase{
                          "ZeroBytesAreText", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
                      LineCase{"HighBytesDecoded", "\xC0\xFF\x98\r\n", {"Ая\uFFFD"}}),
    [](const auto& info) { return info.param.name; });

TEST(TextReader, ReadsALineOfAnyLength) {
  const std::string huge(3 * 1024 * 1024 + 7, 'x');
  EXPECT_THAT(ReadAll(huge + "\r\nend"), ElementsAre(huge, "end"));
}

TEST(TextReader, KeepsWhatWasReadBeforeAFailure) {
  TextReader reader;
  reader.Open(std::make_unique<MemorySource>("one\r\ntwo\r\nthree\r\n", 2, 7, 23));
  std::vector<std::string> lines;
  try {
    while (!reader.Eof()) lines.push_back(reader.ReadLine());
    FAIL() << "no error raised";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), 23u);
    EXPECT_EQ(e.text(), "I/O error 23");
  }
  EXPECT_THAT(lines, ElementsAre("one"));
}

TEST(TextReader, ClosedReaderIsAtItsEnd) {
  TextReader reader;
  EXPECT_TRUE(reader.Eof());
  EXPECT_EQ(reader.ReadLine(), "");
  reader.Open(std::make_unique<MemorySource>("a"));
  reader.Close();
  EXPECT_TRUE(reader.Eof());
  EXPECT_THAT(ReadAll("\x1A"), IsEmpty());
}

}  // namespace
}  // namespace demodisc
