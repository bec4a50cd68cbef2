#include "disc_check/shared_causes.h"

#include <algorithm>
#include <map>
#include <set>

namespace demodisc {

namespace {

struct At {
  ReportLine* line;
  std::size_t finding;
};

}  // namespace

void CountSharedCausesOnce(DiscReport& report) {
  std::map<Text, std::vector<At>> byCause;
  for (ReportSection& section : report.sections)
    for (ReportLine& line : section.lines)
      for (std::size_t f = 0; f < line.findings.size(); ++f)
        if (!line.findings[f].cause.empty() && line.findings[f].severity() != Severity::Ok)
          byCause[line.findings[f].cause].push_back({&line, f});
  for (auto& [cause, found] : byCause) {
    if (found.size() < 2) continue;
    // The cause's own finding (a folder's, on the folders' line) is the one
    // whose path is the cause while the items' paths are files in it.
    At keeper = found.front();
    std::size_t ownFindings = 0;
    for (const At& at : found)
      if (at.line->findings[at.finding].path == cause) ++ownFindings, keeper = at;
    const bool own = ownFindings > 0 && ownFindings < found.size();
    if (!own) keeper = found.front();
    Finding& kept = keeper.line->findings[keeper.finding];
    std::set<const ReportLine*> items;
    std::vector<Text> consequences;
    for (const At& at : found) {
      if (own && at.line == keeper.line) continue;
      items.insert(at.line);
      Finding& other = at.line->findings[at.finding];
      if (!other.consequence.empty() && std::find(consequences.begin(), consequences.end(),
                                                  other.consequence) == consequences.end())
        consequences.push_back(other.consequence);
      if (at.line == keeper.line && at.finding == keeper.finding) continue;
      // The others keep what they miss, without the consequence told there.
      other.countedElsewhere = true;
      other.consequence = own ? "counted once, under \"" + keeper.line->subject + "\""
                              : Text("counted once, under the first item that needs it");
    }
    const Text count = std::to_string(items.size()) + (items.size() == 1 ? " item" : " items");
    if (own) {
      Text joined;
      for (const Text& c : consequences) joined += (joined.empty() ? "" : "; ") + c;
      const Text breaks = "it breaks " + count + (joined.empty() ? "" : " (" + joined + ")");
      kept.consequence = kept.consequence.empty() ? breaks : kept.consequence + ": " + breaks;
    } else {
      (kept.consequence.empty() ? kept.message : kept.consequence) += " (" + count + ")";
    }
  }
}

}  // namespace demodisc
