// The entries of the photo window's file list: the "*.jpg" names of a
// folder in name order, case ignored.
#pragma once

#include <vector>

#include "base/text.h"

namespace demodisc {

// The file list's mask.
inline constexpr char kPhotoMask[] = "*.jpg";

// True for a name ending in ".jpg" in any case (the mask "*.jpg" taken
// exactly, without the short-name matches of the system's search).
bool MatchesJpgMask(const Text& name);

// Sorts names with letter case ignored: in cp1251 order where the code page
// holds the letters, every other letter after them.
void SortNamesIgnoringCase(std::vector<Text>& names);

}  // namespace demodisc
