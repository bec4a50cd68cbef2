#include "control_rules/memo_capacity.h"

#include <gtest/gtest.h>

#include "launcher/hint_memos.h"
#include "launcher/hint_texts.h"

namespace demodisc {
namespace {

TEST(MemoCapacity, TheFourDescriptionMemos) {
  struct Row {
    HintPage page;
    int height, lines;
  };
  for (const Row r :
       {Row{hpPresent, 94, 7}, Row{hpDemo, 110, 8}, Row{hpVideo, 110, 8}, Row{hpUser, 118, 9}}) {
    SCOPED_TRACE(r.page);
    EXPECT_EQ(HintMemoHeight(r.page), r.height);
    const MemoCapacity memo = HintMemoCapacity(r.page);
    EXPECT_EQ(memo.lines, r.lines);
    EXPECT_EQ(memo.charsPerLine, 89);
  }
  EXPECT_EQ(HintMemoHeight(1), 0);  // the publications
  EXPECT_EQ(HintMemoCapacity(5).lines, 0);
}

TEST(MemoCapacity, WrappedLinesBreakAtBlanksAndCutLongWords) {
  struct Row {
    const char* text;
    int perLine, lines;
  };
  const Row rows[] = {
      {"", 10, 1},
      {"one\r\ntwo\nthree", 10, 3},
      {"\r\n", 10, 2},
      {"aaaa bbbb", 9, 1},             // exactly full
      {"aaaa bbbbb", 9, 2},            // one over: the word moves down
      {"aaaaaaaaaaaaaaaaaaaa", 9, 3},  // a word of 20 in lines of 9
      {"ab aaaaaaaaaaaaaaaaaa", 9, 3},
      {"жжжж жжжж", 9, 1},  // characters, not bytes
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(WrappedLineCount(r.text, r.perLine), r.lines);
  }
}

}  // namespace
}  // namespace demodisc
