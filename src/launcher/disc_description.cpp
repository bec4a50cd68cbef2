#include "launcher/disc_description.h"

#include "launcher/disc_description_file.h"

namespace demodisc {

namespace {

// Present, Demo, Video and Gebit_Benutzt as the main window lays them out.
constexpr std::array<PageLayout, 4> kLayouts{{
    {"Present", "BGrp_present", "Mm_Hint", "", 3, 94, 0, 8},
    {"Demo", "ButGrp_demo", "Mm_Demo", "Lab_AttentDemo", 3, 110, 45, 6},
    {"Video", "ButGrp_Video", "Mm_Video", "", 0, 110, 0, 7},
    {"Gebit_Benutzt", "But_Grp_user", "Mm_use", "", 0, 118, 0, 7},
}};

constexpr int kWarningHeight = 45;
// A group's sunken border and the room the built-in pages leave under the
// last button.
constexpr int kGroupFrame = 10;

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

const DiscDescription& BuiltInDescription() {
  static const DiscDescription description = ReadDiscDescription({}).description;
  return description;
}

std::span<const PageLayout> BuiltInLayouts() { return kLayouts; }

int FindLayout(std::string_view name) {
  for (std::size_t i = 0; i < kLayouts.size(); ++i)
    if (SameLetters(kLayouts[i].name, name)) return static_cast<int>(i);
  return -1;
}

PageLayout LayoutOf(const DescribedPage& page) {
  if (page.layout >= 0 && page.layout < static_cast<int>(kLayouts.size()))
    return kLayouts[static_cast<std::size_t>(page.layout)];
  PageLayout rule;
  if (!page.warning.empty()) rule.warningHeight = kWarningHeight;
  return rule;
}

int MemoHeightOf(const DescribedPage& page) {
  const PageLayout layout = LayoutOf(page);
  if (layout.memoHeight > 0) return layout.memoHeight;
  const int buttons = static_cast<int>(page.items.size()) * kCatalogueButtonHeight + kGroupFrame;
  return kCataloguePageHeight - layout.warningHeight - 2 * layout.groupMargin - buttons;
}

Text WithNote(const Text& value, const Text& note) {
  if (value.empty() || note.empty()) return value;
  return value + " " + note;
}

}  // namespace demodisc
