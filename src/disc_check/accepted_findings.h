// Warnings that a disc's maker means: a file lists them, one a line, each
// as the start of the warning's text in the report ("Hints\demo_hrv.txt is
// empty"; a row's warning starts with the row's subject). Accepted warnings
// are shown and not counted, so --strict passes on a disc whose remaining
// warnings are all accepted. Errors cannot be accepted.
#pragma once

#include <vector>

#include "disc_check/disc_report.h"

namespace demodisc {

// The file's lines, without blank lines, "#" comments and CR line ends.
std::vector<Text> ParseAcceptedFindings(std::string_view bytes);

// Marks the warnings that a line accepts; lines that accept nothing are
// reported as a note, so that a file that outlived its disc is seen.
void AcceptFindings(DiscReport& report, const std::vector<Text>& accepted, const Text& file);

// What an accepted line is matched against: the finding's path (or, for a
// finding without one, its line's subject), a blank, its message.
Text AcceptanceText(const ReportLine& line, const Finding& finding);

}  // namespace demodisc
