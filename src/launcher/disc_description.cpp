#include "launcher/disc_description.h"

#include "launcher/catalogue.h"
#include "launcher/hint_texts.h"

namespace demodisc {

namespace {

// Present, Demo, Video and Gebit_Benutzt as the main window lays them out.
constexpr std::array<PageLayout, 4> kLayouts{{
    {"Present", "BGrp_present", "Mm_Hint", 3, 94, 0, 8},
    {"Demo", "ButGrp_demo", "Mm_Demo", 3, 110, 45, 6},
    {"Video", "ButGrp_Video", "Mm_Video", 0, 110, 0, 7},
    {"Gebit_Benutzt", "But_Grp_user", "Mm_use", 0, 118, 0, 7},
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

const char kDemoWarning[] =
    "Внимание! В некотрых конфигурациях ОС Windows XP отдельные демострационные программы могут "
    "не запускаться вследствие того, что являются DOS-приложениями и управляют графикой на "
    "\"низком\" уровне.";

DescribedItem BuiltInItem(const CatalogueItem& item, std::string_view hintFile) {
  DescribedItem out;
  out.name = Text(item.action);
  out.caption = ShownCaption(item);
  out.description = "Hints\\" + Text(hintFile);
  const CatalogueAction* action = FindAction(item.action);
  if (!action) return out;
  out.image = action->imageIndex;
  const ActionContentFiles content = ActionContent(*action);
  if (content.clip) {
    out.action = ItemAction::Play;
    out.target = DiscPath("", *content.clip);
  } else if (content.program) {
    out.action = ItemAction::Run;
    out.target = DiscPath("", *content.program);
  }
  return out;
}

DiscDescription MakeBuiltIn() {
  DiscDescription d;
  d.contacts = {.company = "ООО «Пример-Медтехника»",
                .address = "ул. Вымышленная, д. 0, г. Нигдеград",
                .postal = "000000, а/я 0, Нигдеград",
                .web = "www.example.ru",
                .emails = {"info@example.ru", "old@example.ru", "demo@example.ru"},
                .phones = {"(000) 000-00-01", "(000) 000-00-02"},
                .director = "Иванов Иван Иванович",
                .mobile = "+7 000 000-00-00",
                .slogan = "Более 10-ти лет на рынке медицинского оборудования, программного "
                          "обеспечения и научных исследований "};
  for (const DiscPage& page : DiscPages()) {
    DescribedPage out;
    out.caption = Text(page.caption);
    out.name = Text(page.name);
    if (!page.category) {
      out.publications = "Publication\\vortan_lit.txt";
    } else {
      out.layout = FindLayout(page.name);
      if (*page.category == Category::Demo) out.warning = kDemoWarning;
      const auto files = HintFiles(HintPageOf(*page.category));
      const auto items = CatalogueItems(*page.category);
      for (std::size_t i = 0; i < items.size(); ++i)
        out.items.push_back(BuiltInItem(items[i], files[i]));
    }
    d.pages.push_back(std::move(out));
  }
  return d;
}

}  // namespace

const DiscDescription& BuiltInDescription() {
  static const DiscDescription description = MakeBuiltIn();
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
