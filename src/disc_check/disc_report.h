// What the disc check found: the program's pages in their order, one line
// per item or publication row, then the disc as a whole; each line with its
// findings, errors and warnings.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "base/text.h"
#include "disc_check/rules.h"

namespace demodisc {

struct Finding {
  Rule rule;
  Text path;  // the file or folder as the program names it ("Hints\\about.txt"); may be empty
  // What was found, in words; the words may change between versions.
  Text message;
  // What the visitor meets because of it, written after the message and a
  // colon; empty where the message says it all.
  Text consequence;
  // What is missing behind it (a folder, a file several items share), so
  // that one cause is counted once; empty for the rest.
  Text cause;
  // A warning the disc's maker has accepted: shown, not counted.
  bool accepted = false;
  // The size the finding is about, in bytes (a file's, the image's), if any.
  std::optional<std::uint64_t> bytes;
  // A finding whose cause is counted on another line: shown as a note.
  bool countedElsewhere = false;

  Severity severity() const { return countedElsewhere ? Severity::Ok : RuleOf(rule).severity; }
  std::string_view kind() const { return RuleOf(rule).kind; }
  std::string_view code() const { return RuleOf(rule).code; }
  // The message and its consequence, as the reports write them.
  Text Words() const { return consequence.empty() ? message : message + ": " + consequence; }
};

struct ReportLine {
  Text subject;  // the caption the program shows, "row 3: ...", "image", ...
  std::vector<Finding> findings;
  // A stable key for tools: the item's action ("Act_About"), "row 3",
  // "start_program", ...; empty for a file's own line, whose key is its path.
  Text key;
  // The worst of its findings; Ok without any.
  Severity Status() const;
};

struct ReportSection {
  Text title;
  std::vector<ReportLine> lines;
  Text key;  // the page's name in the program ("Present", "Artikel", ...), or "Disc"
};

struct DiscReport {
  Text disc;  // the folder checked, as it was given
  // False for a folder that is no disc; `notDisc` then says why, and there
  // are no sections.
  bool isDisc = true;
  Text notDisc;
  std::vector<ReportSection> sections;

  // Findings of a severity; accepted warnings are not counted.
  int Count(Severity severity) const;
  int AcceptedCount() const;
};

// 2 for a folder that is no disc; 1 with errors, or with warnings when
// `strict`; 0 otherwise.
int ExitCode(const DiscReport& report, bool strict);

}  // namespace demodisc
