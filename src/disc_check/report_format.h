// The disc check's report as text for a reader and as JSON for tools.
#pragma once

#include "disc_check/disc_report.h"

namespace demodisc {

// A header line; per section its title and one line per subject: its
// status, the subject, and its findings after a colon, separated by "; "
// (a finding milder than the line's status says its own severity); last
// the counts of errors and warnings.
Text ReportText(const DiscReport& report);

// {"version", "disc", "is_disc", "not_disc", "errors", "warnings",
// "accepted", "sections": [{"page", "title", "lines": [{"item", "subject",
// "status", "findings": [{"kind", "severity", "accepted", "path",
// "message", "bytes" (only where a size is meant)}]}]}]}. "page", "item"
// and "kind" are stable keys; "title", "subject" and "message" are words
// that may change. The version grows when a key changes meaning.
inline constexpr int kReportJsonVersion = 2;
Text ReportJson(const DiscReport& report);

}  // namespace demodisc
