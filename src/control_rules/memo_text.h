// The text a memo is given. An edit control lays out a word-wrapped line in
// time that grows with the square of its length (Wine's takes seconds for a
// line of 32 KB and minutes for a megabyte), so a line that no description
// has (longer than kOverlongLine bytes) is handed over in pieces of at most
// kLinePiece bytes, each broken after its last blank and never inside a
// character. Word wrap breaks such a line at least as often anyway, so it
// looks almost the same. A zero byte would end the control's whole text, so
// it ends the text of its own line only. Every other text goes over unchanged.
#pragma once

#include <cstddef>

#include "base/text.h"

namespace demodisc {

inline constexpr std::size_t kOverlongLine = 8 * 1024;
inline constexpr std::size_t kLinePiece = 512;

Text MemoDisplayText(std::string_view text);

}  // namespace demodisc
