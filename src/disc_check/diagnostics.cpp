#include "disc_check/diagnostics.h"

#include <map>

namespace demodisc {

void DiagnosticList::Page(Text title, Text key) {
  events_.push_back({Kind::Page, std::move(title), std::move(key)});
}

void DiagnosticList::Line(Text subject, Text key) {
  events_.push_back({Kind::Line, std::move(subject), std::move(key)});
}

void DiagnosticList::Line(Text subject, Text key, std::vector<Finding> findings) {
  Line(std::move(subject), key);
  for (Finding& f : findings) Add(key, std::move(f));
}

void DiagnosticList::Add(const Text& lineKey, Finding finding) {
  events_.push_back({Kind::Finding, {}, lineKey, std::move(finding)});
}

void DiagnosticList::AddOwn(const Text& ownLine, Finding finding) {
  events_.push_back({Kind::OwnFinding, {}, ownLine, std::move(finding)});
}

DiscReport DiagnosticList::Group(const Text& disc) const {
  DiscReport report;
  report.disc = disc;
  struct At {
    std::size_t section, line;
  };
  // The lines first, in order, so that a finding may come before its line.
  std::map<Text, At> lines, ownLines;
  for (const Event& e : events_) {
    switch (e.kind) {
      case Kind::Page:
        report.sections.push_back({e.text, {}, e.key});
        break;
      case Kind::Line:
        lines.emplace(e.key, At{report.sections.size() - 1, report.sections.back().lines.size()});
        report.sections.back().lines.push_back({e.text, {}, e.key});
        break;
      case Kind::OwnFinding:
        if (ownLines
                .emplace(e.key, At{report.sections.size() - 1, report.sections.back().lines.size()})
                .second)
          report.sections.back().lines.push_back({e.finding.path, {}});
        break;
      case Kind::Finding:
        break;
    }
  }
  for (const Event& e : events_) {
    if (e.kind != Kind::Finding && e.kind != Kind::OwnFinding) continue;
    const auto& keys = e.kind == Kind::Finding ? lines : ownLines;
    const auto it = keys.find(e.key);
    if (it == keys.end()) {
      report.sections.back().lines.push_back({e.finding.path, {e.finding}});
      continue;
    }
    report.sections[it->second.section].lines[it->second.line].findings.push_back(e.finding);
  }
  return report;
}

}  // namespace demodisc
