#include "disc_check/accepted_findings.h"

namespace demodisc {

std::vector<Text> ParseAcceptedFindings(std::string_view bytes) {
  std::vector<Text> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    Text line(bytes.substr(start, end - start));
    start = end + 1;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (!line.empty() && line[0] != '#') lines.push_back(std::move(line));
  }
  return lines;
}

Text AcceptanceText(const ReportLine& line, const Finding& finding) {
  return (finding.path.empty() ? line.subject : finding.path) + " " + finding.message;
}

void AcceptFindings(DiscReport& report, const std::vector<Text>& accepted, const Text& file) {
  if (!report.isDisc || accepted.empty()) return;
  std::vector<bool> used(accepted.size(), false);
  for (ReportSection& section : report.sections)
    for (ReportLine& line : section.lines)
      for (Finding& finding : line.findings) {
        if (finding.severity != Severity::Warning) continue;
        const Text text = AcceptanceText(line, finding);
        for (std::size_t i = 0; i < accepted.size(); ++i)
          if (text.rfind(accepted[i], 0) == 0) {
            finding.accepted = true;
            used[i] = true;
          }
      }
  ReportLine note{"accepted findings", {}, "accepted_findings"};
  for (std::size_t i = 0; i < accepted.size(); ++i)
    if (!used[i])
      note.findings.push_back({Severity::Ok, "accepted_unused", file,
                               "accepts no warning of this disc: \"" + accepted[i] + "\""});
  if (!note.findings.empty() && !report.sections.empty())
    report.sections.back().lines.push_back(std::move(note));
}

}  // namespace demodisc
