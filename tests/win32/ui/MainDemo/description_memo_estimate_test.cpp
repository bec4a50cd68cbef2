// The disc check's estimate of what a description memo shows without
// scrolling (HintMemoCapacity), held against the real memos: a description
// the estimate lets through just fits, one a line over it scrolls.
#include <gtest/gtest.h>

#include "base/text.h"
#include "launcher/hint_memos.h"
#include "launcher/hint_texts.h"
#include "support/main_window_fixture.h"
#include "ui/MainDemo/main_form.h"

namespace demodisc {
namespace {

using testing::ScaledMainWindowTest;

// Russian prose, as the sample disc's descriptions have it.
constexpr std::string_view kProse =
    "Текст этого абзаца нужен только для того, чтобы описание было длиннее поля и его "
    "приходилось прокручивать. Настоящий диск содержит здесь описание своего содержимого. ";

// Whole words of the prose, as many as `chars` characters hold.
Text Prose(int chars) {
  Text line, words;
  while (CharCount(words) < static_cast<std::size_t>(chars) * 2) words += kProse;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = words.find(' ', start);
    const Text longer = line + (line.empty() ? "" : " ") + words.substr(start, end - start);
    if (CharCount(longer) > static_cast<std::size_t>(chars)) return line;
    line = longer;
    start = end + 1;
  }
}

Text Lines(int count, const Text& line) {
  Text text;
  for (int i = 0; i < count; ++i) text += (i ? "\r\n" : "") + line;
  return text;
}

// At every resolution: font and memo grow together.
class DescriptionMemoEstimate : public ScaledMainWindowTest {
 protected:
  // Shows the text as the page's first description; true when the memo
  // then has lines out of view.
  bool Scrolls(HintPage page, const Text& text) {
    WriteHint(Text(HintFiles(page)[0]), text);
    main().ShowHintText(page, 0);
    const HWND memo = Named(MemoName(page));
    SendMessageW(memo, WM_VSCROLL, SB_BOTTOM, 0);
    return SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0) > 0;
  }

  static const char* MemoName(HintPage page) {
    switch (page) {
      case hpPresent:
        return "Mm_Hint";
      case hpDemo:
        return "Mm_Demo";
      case hpVideo:
        return "Mm_Video";
      case hpUser:
        return "Mm_use";
    }
    return "";
  }
};

INSTANTIATE_TEST_SUITE_P(Dpi, DescriptionMemoEstimate, ::testing::ValuesIn(testing::kTestedDpis),
                         testing::DpiName);

TEST_P(DescriptionMemoEstimate, WhatTheEstimateLetsThroughFitsAndALineMoreScrolls) {
  for (const HintPage page : {hpPresent, hpDemo, hpVideo, hpUser}) {
    SCOPED_TRACE(MemoName(page));
    const MemoCapacity memo = HintMemoCapacity(page);
    const Text full = Prose(memo.charsPerLine);
    const Text over = Prose(memo.charsPerLine + 20);
    ASSERT_EQ(WrappedLineCount(Lines(memo.lines, full), memo.charsPerLine), memo.lines);
    ASSERT_EQ(WrappedLineCount(Lines(memo.lines - 1, full) + "\r\n" + over, memo.charsPerLine),
              memo.lines + 1);

    // Every line as full as the estimate allows.
    EXPECT_FALSE(Scrolls(page, Lines(memo.lines, full)));
    // Fonts drawn at their point sizes are a little smaller than the memos
    // at other scales, so the estimate is tight only at 96 dpi.
    if (GetParam() != 96) continue;
    // A line more, or the last line wrapping once more.
    EXPECT_TRUE(Scrolls(page, Lines(memo.lines + 1, "Строка.")));
    EXPECT_TRUE(Scrolls(page, Lines(memo.lines - 1, full) + "\r\n" + over));
  }
}

}  // namespace
}  // namespace demodisc
