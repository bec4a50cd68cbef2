#include "disc_check/disc_report.h"

#include <algorithm>

namespace demodisc {

Severity ReportLine::Status() const {
  Severity worst = Severity::Ok;
  for (const Finding& f : findings)
    if (!f.accepted) worst = std::max(worst, f.severity());
  return worst;
}

namespace {

template <class Pred>
int CountFindings(const DiscReport& report, Pred pred) {
  int n = 0;
  for (const ReportSection& section : report.sections)
    for (const ReportLine& line : section.lines)
      n += static_cast<int>(std::count_if(line.findings.begin(), line.findings.end(), pred));
  return n;
}

}  // namespace

int DiscReport::Count(Severity severity) const {
  return CountFindings(*this,
                       [&](const Finding& f) { return f.severity() == severity && !f.accepted; });
}

int DiscReport::AcceptedCount() const {
  return CountFindings(*this, [](const Finding& f) { return f.accepted; });
}

int ExitCode(const DiscReport& report, bool strict) {
  if (!report.isDisc) return 2;
  if (report.Count(Severity::Error) > 0) return 1;
  if (strict && report.Count(Severity::Warning) > 0) return 1;
  return 0;
}

}  // namespace demodisc
