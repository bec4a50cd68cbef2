#include "control_rules/memo_capacity.h"

#include <algorithm>

#include "base/text.h"

namespace demodisc {

namespace {

// The sunken edge takes 2 pixels on each side. Inside it the edit control
// keeps its text 4 pixels from the left and right and 1 from the top.
constexpr int kEdge = 2;
constexpr int kSideInset = 4;
constexpr int kTopInset = 1;
// Arial at a character height of 11 pixels: a line is its ascent (10) and
// descent (2). Its letters average about 5.7 pixels over Russian prose,
// blanks and punctuation included; 6 is taken.
constexpr int kLineHeight = 12;
constexpr int kAverageCharWidth = 6;

// One line of the text, wrapped.
int WrappedLines(std::string_view line, std::size_t perLine) {
  int lines = 1;
  std::size_t used = 0;  // characters on the current line
  std::size_t start = 0;
  while (start <= line.size()) {
    std::size_t end = line.find(' ', start);
    if (end == std::string_view::npos) end = line.size();
    std::size_t word = CharCount(line.substr(start, end - start));
    if (used > 0 && used + 1 + word > perLine) {
      ++lines;
      used = 0;
    } else if (used > 0) {
      ++used;  // the blank before the word
    }
    while (word > perLine - used) {  // longer than what the line has left
      word -= perLine - used;
      ++lines;
      used = 0;
    }
    used += word;
    start = end + 1;
  }
  return lines;
}

}  // namespace

MemoCapacity EstimateMemoCapacity(int width, int height) {
  const int textHeight = height - 2 * kEdge - kTopInset;
  const int textWidth = width - 2 * kEdge - 2 * kSideInset;
  return {std::max(textHeight / kLineHeight, 0), std::max(textWidth / kAverageCharWidth, 1)};
}

int WrappedLineCount(std::string_view text, int charsPerLine) {
  const std::size_t perLine = static_cast<std::size_t>(std::max(charsPerLine, 1));
  int lines = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines += WrappedLines(line, perLine);
    if (end == std::string_view::npos) return lines;
    start = end + 1;
  }
}

}  // namespace demodisc
