#include "widgets/memo_text.h"

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
  for (const std::string& text :
       {std::string(), std::string("one\r\ntwo"), std::string("\r\n\r\n"), paragraph,
        paragraph + "\r\n" + paragraph, std::string("x\ny")})
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

}  // namespace
}  // namespace demodisc
