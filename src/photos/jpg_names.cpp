#include "photos/jpg_names.h"

#include <algorithm>

#include "base/app_title.h"

namespace demodisc {

namespace {

bool LessIgnoringCase(const Text& a, const Text& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(LowerCp1251(x)) < static_cast<unsigned char>(LowerCp1251(y));
  });
}

}  // namespace

bool MatchesJpgMask(const Text& name) {
  constexpr std::string_view kExtension = ".jpg";
  if (name.size() < kExtension.size()) return false;
  const std::size_t start = name.size() - kExtension.size();
  for (std::size_t i = 0; i < kExtension.size(); ++i)
    if (LowerCp1251(name[start + i]) != kExtension[i]) return false;
  return true;
}

void SortNamesIgnoringCase(std::vector<Text>& names) {
  std::stable_sort(names.begin(), names.end(), LessIgnoringCase);
}

}  // namespace demodisc
