// The main window's four description memos: each stands at the bottom of
// its catalogue page, as wide as the page, in italic Arial of 11 pixels.
#pragma once

#include "control_rules/memo_capacity.h"

namespace demodisc {

inline constexpr int kCataloguePageWidth = 546;
inline constexpr int kHintMemoFontHeight = 11;

// The height of the memo that shows a page's descriptions; 0 for a value
// that is no page.
int HintMemoHeight(int page);

// An estimate of what that memo shows without scrolling (EstimateMemoCapacity).
MemoCapacity HintMemoCapacity(int page);

}  // namespace demodisc
