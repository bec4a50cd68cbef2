// An estimate of how much text a word-wrapped memo shows without scrolling:
// a multi-line EDIT with a sunken edge and no scroll bars, in the Arial font
// of 11 pixels that the main window's memos use. It is an estimate: the
// control wraps by the pixel widths of the letters, the estimate by an
// average width, taken a little wide so that it errs toward "does not fit".
#pragma once

#include <string_view>

namespace demodisc {

struct MemoCapacity {
  int lines;         // lines in view at once
  int charsPerLine;  // characters of ordinary text on one line
};

// For a memo of that outer size in pixels.
MemoCapacity EstimateMemoCapacity(int width, int height);

// The lines a text takes when its lines (ended by CR LF or LF) are wrapped
// at blanks to at most charsPerLine characters; a word longer than a line is
// broken. An empty line takes one.
int WrappedLineCount(std::string_view text, int charsPerLine);

}  // namespace demodisc
