// Warnings that a disc's maker means: a file lists them, one a line, each
// as its rule (the code or the kind word) and its path:
//   memo_overflow Hints\about.txt
//   DD406 row 3
// A finding without a path is named by its line's key ("row 3", "image").
// Lines of the first versions, which give the start of the warning's text in
// the report ("Hints\demo_hrv.txt is empty"), are still read; each gives a
// note with its new form, since a reworded message would stop matching it.
// Accepted warnings are shown and not counted, so --strict passes on a disc
// whose remaining warnings are all accepted. Errors cannot be accepted.
#pragma once

#include <vector>

#include "disc_check/disc_report.h"

namespace demodisc {

// The file's lines, without blank lines, "#" comments and CR line ends.
std::vector<Text> ParseAcceptedFindings(std::string_view bytes);

// Marks the warnings that a line accepts; lines that accept nothing, and
// lines in the old form, are reported as notes, so that a file that
// outlived its disc is seen.
void AcceptFindings(DiscReport& report, const std::vector<Text>& accepted, const Text& file);

// The line that accepts a finding: "memo_overflow Hints\about.txt".
Text AcceptanceLine(const ReportLine& line, const Finding& finding);

}  // namespace demodisc
