// The text a memo is given. An edit control lays out a word-wrapped line in
// time that grows with the square of its length (Wine's takes seconds for a
// line of 32 KB and minutes for a megabyte), so a line that no description
// has (longer than kOverlongLine) is handed over in pieces of at most
// kLinePiece characters, each broken after its last blank. Word wrap breaks
// such a line at least as often anyway, so it looks almost the same; every
// other text goes over unchanged.
#pragma once

#include <cstddef>

#include "base/cp1251.h"

namespace demodisc {

inline constexpr std::size_t kOverlongLine = 8 * 1024;
inline constexpr std::size_t kLinePiece = 512;

Text MemoDisplayText(std::string_view text);

}  // namespace demodisc
