#include "disc_check/accepted_findings.h"

#include <algorithm>

namespace demodisc {

namespace {

// What a finding is named by in an accepted line: its path, or its line's key.
Text AcceptedPath(const ReportLine& line, const Finding& finding) {
  if (!finding.path.empty()) return finding.path;
  return line.key.empty() ? line.subject : line.key;
}

Text WithBackslashes(Text path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

struct AcceptedLine {
  Text text;
  const RuleRow* rule = nullptr;  // none for a line of the old form
  bool byCode = false;
  Text path;
  bool used = false;
  std::vector<Text> newForms;  // of an old line, for each finding it accepts
};

AcceptedLine Parse(const Text& text) {
  AcceptedLine line{text};
  const std::size_t blank = text.find(' ');
  const std::string_view word = std::string_view(text).substr(0, blank);
  line.rule = FindRule(word);
  if (!line.rule) return line;
  line.byCode = LowerCaseFrom(word, 0) == LowerCaseFrom(line.rule->code, 0);
  const std::size_t path = blank == Text::npos ? text.size() : text.find_first_not_of(' ', blank);
  line.path = WithBackslashes(text.substr(path == Text::npos ? text.size() : path));
  return line;
}

bool Accepts(const AcceptedLine& accepted, const ReportLine& line, const Finding& finding) {
  if (!accepted.rule) {
    // The old form: the start of the report's text.
    const Text text = (finding.path.empty() ? line.subject : finding.path) + " " + finding.Words();
    return text.rfind(accepted.text, 0) == 0;
  }
  const bool rule = accepted.byCode ? finding.code() == accepted.rule->code
                                    : finding.kind() == accepted.rule->kind;
  return rule && LowerCaseFrom(WithBackslashes(AcceptedPath(line, finding)), 0) ==
                     LowerCaseFrom(accepted.path, 0);
}

}  // namespace

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

Text AcceptanceLine(const ReportLine& line, const Finding& finding) {
  return Text(finding.kind()) + " " + AcceptedPath(line, finding);
}

void AcceptFindings(DiscReport& report, const std::vector<Text>& accepted, const Text& file) {
  if (!report.isDisc || accepted.empty()) return;
  std::vector<AcceptedLine> lines;
  for (const Text& text : accepted) lines.push_back(Parse(text));
  for (ReportSection& section : report.sections)
    for (ReportLine& line : section.lines)
      for (Finding& finding : line.findings) {
        if (finding.severity() != Severity::Warning) continue;
        for (AcceptedLine& a : lines)
          if (Accepts(a, line, finding)) {
            finding.accepted = true;
            a.used = true;
            if (!a.rule) a.newForms.push_back(AcceptanceLine(line, finding));
          }
      }
  ReportLine note{"accepted findings", {}, "accepted_findings"};
  for (const AcceptedLine& a : lines) {
    if (!a.used) {
      note.findings.push_back(
          {Rule::AcceptedUnused, file, "accepts no warning of this disc: \"" + a.text + "\""});
    } else if (!a.rule) {
      Text forms;
      for (const Text& form : a.newForms) forms += (forms.empty() ? "\"" : ", \"") + form + "\"";
      note.findings.push_back({Rule::AcceptedOldForm, file,
                               "gives the start of a warning's text, \"" + a.text +
                                   "\", which a later version may word otherwise",
                               "write it as " + forms});
    }
  }
  if (!note.findings.empty() && !report.sections.empty())
    report.sections.back().lines.push_back(std::move(note));
}

}  // namespace demodisc
