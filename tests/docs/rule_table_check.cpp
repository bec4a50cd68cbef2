// Checks the table of the disc check's rules in its page against the rule
// table the checker runs by: code, kind, severity, summary and what to do,
// row by row in the table's order. A rule added, reworded or renumbered in
// the code, or in the page, fails it.
//
//   docs_rule_table <disc-check-rules.md>
#include <iostream>
#include <string>

#include "disc_check/rules.h"
#include "markdown_table.h"

namespace {

constexpr std::string_view kHeader = "| Code | Kind | Severity | Summary | What to do |";

std::string Code(std::string_view text) { return "`" + std::string(text) + "`"; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: docs_rule_table <disc-check-rules.md>\n";
    return 2;
  }
  const auto rows = demodisc::docs::ReadTable(argv[1], kHeader);
  if (!rows) return 1;
  const auto rules = demodisc::AllRules();
  int faults = 0;
  for (std::size_t i = 0; i < rules.size() || i < rows->size(); ++i) {
    if (i >= rows->size() || i >= rules.size()) {
      std::cerr << argv[1] << ": the page has " << rows->size() << " rules, the checker "
                << rules.size() << "\n";
      return 1;
    }
    const demodisc::RuleRow& rule = rules[i];
    const demodisc::docs::Row expected{Code(rule.code), Code(rule.kind),
                                       demodisc::SeverityName(rule.severity),
                                       std::string(rule.summary), std::string(rule.todo)};
    if ((*rows)[i] != expected) {
      std::cerr << argv[1] << ": row " << i + 1 << " should read |";
      for (const std::string& cell : expected) std::cerr << " " << cell << " |";
      std::cerr << "\n";
      ++faults;
    }
  }
  if (faults) return 1;
  std::cout << argv[1] << ": the " << rules.size() << " rules agree with the checker's table\n";
  return 0;
}
