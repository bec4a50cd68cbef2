#include "photos/jpg_names.h"

#include <algorithm>

#include "base/cp1251.h"

namespace demodisc {

namespace {

// Where a lower-cased character sorts: names that cp1251 can hold keep the
// order of their cp1251 bytes; every other character sorts after them, by
// its code point.
char32_t SortKey(char32_t c) {
  const char32_t lower = LowerChar(c);
  const int b = Cp1251ByteOf(lower);
  return b >= 0 ? static_cast<char32_t>(b) : 0x100 + lower;
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const char32_t x = SortKey(NextChar(a, i));
    const char32_t y = SortKey(NextChar(b, j));
    if (x != y) return x < y;
  }
  return i == a.size() && j < b.size();
}

}  // namespace

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
