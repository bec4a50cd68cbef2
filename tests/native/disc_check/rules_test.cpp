// The rule table: codes that a disc maker's accepted file and a tool may
// rely on stay unique, and a code or kind word finds its rule.
#include "disc_check/rules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace demodisc {
namespace {

TEST(DiscCheckRules, CodesAreUniqueAndEachKindHasOneRowPerSeverity) {
  std::set<std::string_view> codes;
  std::set<std::pair<std::string_view, Severity>> kinds;
  for (const RuleRow& row : AllRules()) {
    SCOPED_TRACE(std::string(row.code));
    EXPECT_TRUE(codes.insert(row.code).second);
    EXPECT_TRUE(kinds.insert({row.kind, row.severity}).second);
    ASSERT_EQ(row.code.size(), 5u);
    EXPECT_EQ(row.code.substr(0, 2), "DD");
    EXPECT_FALSE(row.summary.empty());
    EXPECT_FALSE(row.todo.empty());
    // The table's rows are read as Markdown cells.
    EXPECT_EQ((std::string(row.summary) + std::string(row.todo)).find('|'), std::string::npos);
  }
}

TEST(DiscCheckRules, ACodeInAnyCaseOrAKindFindsItsRule) {
  const struct {
    std::string_view word;
    const RuleRow* rule;
  } cases[] = {
      {"DD303", &RuleOf(Rule::MemoOverflow)},
      {"dd303", &RuleOf(Rule::MemoOverflow)},
      {"memo_overflow", &RuleOf(Rule::MemoOverflow)},
      {"joliet_name", &RuleOf(Rule::JolietName)},  // the first row of a kind
      {"DD508", &RuleOf(Rule::JolietNameWarning)},
      {"MEMO_OVERFLOW", nullptr},  // kinds are lower case words
      {"DD999", nullptr},
      {"Hints\\about.txt", nullptr},
      {"", nullptr},
  };
  for (const auto& c : cases) EXPECT_EQ(FindRule(c.word), c.rule) << c.word;
}

}  // namespace
}  // namespace demodisc
