// Checks the table of the catalogue's 26 items in the disc maker's guide
// against the program's own tables: the page, the caption on the button, what
// a click starts and the description file, row by row in the program's order.
// A caption or file name changed in the code, or in the guide, fails it.
//
//   docs_item_table <making-a-disc.md>
#include <iostream>
#include <string>
#include <vector>

#include "launcher/catalogue.h"
#include "markdown_table.h"
#include "launcher/disc_folders.h"
#include "launcher/hint_texts.h"

namespace {

using demodisc::Category;

// The table starts with this header row.
constexpr std::string_view kHeader =
    "| Page | # | Caption on the button | A click starts | Description |";

std::string Code(std::string_view text) { return "`" + std::string(text) + "`"; }

std::string DiscPathOf(const demodisc::DiscFile& file) { return demodisc::DiscPath("", file); }

// What the guide's "A click starts" cell says for an action.
std::string StartsCell(const demodisc::CatalogueAction& action) {
  const demodisc::ActionContentFiles content = demodisc::ActionContent(action);
  if (!content.program) return "the notice window";
  std::string cell = Code(DiscPathOf(*content.program));
  if (content.clip) cell += " with " + Code(DiscPathOf(*content.clip));
  return cell;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: docs_item_table <making-a-disc.md>\n";
    return 2;
  }
  const auto rows = demodisc::docs::ReadTable(argv[1], kHeader);
  if (!rows) return 1;
  int faults = 0;
  std::size_t row = 0;
  for (const demodisc::DiscPage& page : demodisc::DiscPages()) {
    if (!page.category) continue;
    const auto items = demodisc::CatalogueItems(*page.category);
    const auto hints = demodisc::HintFiles(demodisc::HintPageOf(*page.category));
    for (std::size_t i = 0; i < items.size(); ++i, ++row) {
      const demodisc::CatalogueAction* action = demodisc::FindAction(items[i].action);
      const std::vector<std::string> expected{
          std::string(page.caption),
          std::to_string(i + 1),
          demodisc::ShownCaption(items[i]),
          action ? StartsCell(*action) : "",
          i < hints.size() ? Code(DiscPathOf({demodisc::DiscFolder::Hints, hints[i]})) : "",
      };
      if (row >= rows->size()) {
        std::cerr << argv[1] << ": the table ends before item " << i + 1 << " of " << page.caption
                  << "\n";
        return 1;
      }
      const std::vector<std::string>& cells = (*rows)[row];
      static const char* const kColumns[] = {"page", "number", "caption", "click", "description"};
      for (std::size_t c = 0; c < expected.size(); ++c) {
        const std::string have = c < cells.size() ? cells[c] : "(missing)";
        if (have != expected[c]) {
          std::cerr << argv[1] << ": row " << row + 1 << ", " << kColumns[c] << ": the guide has "
                    << have << ", the program " << expected[c] << "\n";
          ++faults;
        }
      }
      if (cells.size() != expected.size()) {
        std::cerr << argv[1] << ": row " << row + 1 << " has " << cells.size() << " cells, not "
                  << expected.size() << "\n";
        ++faults;
      }
    }
  }
  if (rows->size() != row) {
    std::cerr << argv[1] << ": the table has " << rows->size() << " rows; the program has " << row
              << " items\n";
    ++faults;
  }
  if (faults) return 1;
  std::cout << argv[1] << ": the " << row << " items agree with the program's tables\n";
  return 0;
}
