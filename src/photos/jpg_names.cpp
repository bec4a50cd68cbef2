#include "photos/jpg_names.h"

#include <algorithm>

namespace demodisc {

bool MatchesJpgMask(const Text& name) {
  constexpr std::string_view kExtension = ".jpg";
  if (name.size() < kExtension.size()) return false;
  // The extension is ASCII, and no byte of a longer UTF-8 sequence is.
  return LowerCaseFrom(std::string_view(name).substr(name.size() - kExtension.size()), 0) ==
         kExtension;
}

void SortNamesIgnoringCase(std::vector<Text>& names) {
  std::stable_sort(names.begin(), names.end(),
                   [](const Text& a, const Text& b) { return LessIgnoringCase(a, b); });
}

}  // namespace demodisc
