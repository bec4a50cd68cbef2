#include "control_rules/memo_text.h"

#include <gtest/gtest.h>

namespace demodisc {
namespace {

// The pieces of a text between its CR LF line ends.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

TEST(MemoDisplayText, LeavesOrdinaryTextUnchanged) {
  const std::string paragraph(kOverlongLine, 'a');
  for (const std::string& text : {std::string(), std::string("one\r\ntwo"), std::string("\r\n\r\n"),
                                  paragraph, paragraph + "\r\n" + paragraph, std::string("x\ny")})
    EXPECT_EQ(MemoDisplayText(text), text);
}

TEST(MemoDisplayText, BreaksAnOverlongLineAfterBlanksKeepingEveryCharacter) {
  std::string line;
  while (line.size() <= kOverlongLine) line += "word ";
  const std::string text = "before\r\n" + line + "\r\nafter";
  const Text shown = MemoDisplayText(text);
  const auto lines = Lines(shown);
  ASSERT_GT(lines.size(), 3u);
  EXPECT_EQ(lines.front(), "before");
  EXPECT_EQ(lines.back(), "after");
  std::string joined;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), kLinePiece);
    if (i + 2 < lines.size()) EXPECT_EQ(lines[i].back(), ' ') << i;
    joined += lines[i];
  }
  EXPECT_EQ(joined, line);
}

TEST(MemoDisplayText, CutsALineWithoutBlanksAtThePieceLength) {
  const std::string line(3 * kOverlongLine + 7, 'x');
  const auto lines = Lines(MemoDisplayText(line));
  ASSERT_EQ(lines.size(), (line.size() + kLinePiece - 1) / kLinePiece);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i].size(), kLinePiece);
  EXPECT_EQ(lines.back().size(), line.size() % kLinePiece);
}

TEST(MemoDisplayText, AZeroByteEndsTheTextOfItsOwnLineOnly) {
  using namespace std::string_literals;
  EXPECT_EQ(MemoDisplayText("first\0hidden\r\nsecond\r\n\0\r\nlast"s),
            "first\r\nsecond\r\n\r\nlast");
  EXPECT_EQ(MemoDisplayText("a\0b\nc"s), "a\nc");
  EXPECT_EQ(MemoDisplayText("\0"s), "");
  // In an overlong line too.
  const std::string longLine(2 * kOverlongLine, 'x');
  EXPECT_TRUE(MemoDisplayText("ok\r\n" + longLine + "\0"s + longLine + "\r\nend") ==
              MemoDisplayText("ok\r\n" + longLine + "\r\nend"));
}

TEST(MemoDisplayText, NeverCutsInsideACharacter) {
  // Two-, three- and four-byte characters with no blank: every piece is whole UTF-8.
  for (const std::string unit : {"ж", "盘", "\U0001F600", "aж"}) {
    std::string line;
    while (line.size() <= 2 * kOverlongLine) line += unit;
    const auto lines = Lines(MemoDisplayText(line));
    ASSERT_GT(lines.size(), 1u);
    std::string joined;
    for (const std::string& piece : lines) {
      EXPECT_LE(piece.size(), kLinePiece);
      EXPECT_EQ(Utf8FromUtf16(Utf16FromUtf8(piece)), piece);
      EXPECT_EQ(Utf16FromUtf8(piece).find(u'\uFFFD'), std::u16string::npos);
      joined += piece;
    }
    EXPECT_EQ(joined, line);
  }
}

}  // namespace
}  // namespace demodisc
