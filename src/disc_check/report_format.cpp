#include "disc_check/report_format.h"

#include <cstdio>

namespace demodisc {

namespace {

// Subjects longer than this (long publication entries) are cut in the text
// form; the longest caption of an item has 79 characters.
constexpr std::size_t kSubjectChars = 80;

Text Counts(const DiscReport& report) {
  const int errors = report.Count(Severity::Error);
  const int warnings = report.Count(Severity::Warning);
  const int accepted = report.AcceptedCount();
  return std::to_string(errors) + (errors == 1 ? " error, " : " errors, ") +
         std::to_string(warnings) + (warnings == 1 ? " warning" : " warnings") +
         (accepted ? " (" + std::to_string(accepted) + " more accepted)" : Text());
}

// A warning or an error ends with its rule's code, for the maker to look up
// and to accept by.
Text FindingText(const Finding& f, const ReportLine& line, Severity lineStatus) {
  Text text = f.path.empty() || f.path == line.subject ? f.Words() : f.path + " " + f.Words();
  if (f.accepted)
    text += " (accepted)";
  else if (f.severity() < lineStatus && f.severity() != Severity::Ok)
    text += " (" + Text(SeverityName(f.severity())) + ")";
  if (f.severity() != Severity::Ok) text += " [" + Text(f.code()) + "]";
  return text;
}

Text Padded(const char* word) {
  Text text(word);
  text.resize(9, ' ');
  return text;
}

// A JSON string; a byte that starts no UTF-8 character (a file name may
// hold one) becomes U+FFFD.
void AppendJsonString(Text& out, std::string_view text) {
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextChar(text, i);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          AppendChar(out, c);
        }
    }
  }
  out += '"';
}

// "key": "text"
void AppendField(Text& out, const char* key, std::string_view text) {
  AppendJsonString(out, key);
  out += ": ";
  AppendJsonString(out, text);
}

}  // namespace

Text ReportText(const DiscReport& report) {
  Text out = "Disc check of " + report.disc + "\n";
  if (!report.isDisc) return out + "not a disc: " + report.disc + " " + report.notDisc + "\n";
  for (const ReportSection& section : report.sections) {
    out += section.title + "\n";
    for (const ReportLine& line : section.lines) {
      const Severity status = line.Status();
      const std::string_view subject = FirstChars(line.subject, kSubjectChars);
      out += "  " + Padded(SeverityName(status)) + Text(subject);
      if (subject.size() < line.subject.size()) out += "...";
      for (std::size_t i = 0; i < line.findings.size(); ++i)
        out += (i == 0 ? ": " : "; ") + FindingText(line.findings[i], line, status);
      out += "\n";
    }
  }
  return out + Counts(report) + "\n";
}

Text ReportJson(const DiscReport& report) {
  Text out = "{\"version\": " + std::to_string(kReportJsonVersion) + ", ";
  AppendField(out, "disc", report.disc);
  out += ", \"is_disc\": " + Text(report.isDisc ? "true" : "false") + ", ";
  AppendField(out, "not_disc", report.notDisc);
  out += ", \"errors\": " + std::to_string(report.Count(Severity::Error));
  out += ", \"warnings\": " + std::to_string(report.Count(Severity::Warning));
  out += ", \"accepted\": " + std::to_string(report.AcceptedCount());
  out += ",\n \"sections\": [";
  for (std::size_t s = 0; s < report.sections.size(); ++s) {
    const ReportSection& section = report.sections[s];
    out += s == 0 ? "\n  {" : ",\n  {";
    AppendField(out, "page", section.key);
    out += ", ";
    AppendField(out, "title", section.title);
    out += ", \"lines\": [";
    for (std::size_t l = 0; l < section.lines.size(); ++l) {
      const ReportLine& line = section.lines[l];
      out += l == 0 ? "\n   {" : ",\n   {";
      AppendField(out, "item", line.key.empty() ? line.subject : line.key);
      out += ", ";
      AppendField(out, "subject", line.subject);
      out += ", ";
      AppendField(out, "status", SeverityName(line.Status()));
      out += ", \"findings\": [";
      for (std::size_t f = 0; f < line.findings.size(); ++f) {
        const Finding& finding = line.findings[f];
        out += f == 0 ? "{" : ", {";
        AppendField(out, "rule", finding.code());
        out += ", ";
        AppendField(out, "kind", finding.kind());
        out += ", ";
        AppendField(out, "severity", SeverityName(finding.severity()));
        out += ", \"accepted\": " + Text(finding.accepted ? "true" : "false") + ", ";
        AppendField(out, "path", finding.path);
        out += ", ";
        AppendField(out, "message", finding.Words());
        if (finding.bytes) out += ", \"bytes\": " + std::to_string(*finding.bytes);
        out += "}";
      }
      out += "]}";
    }
    out += "]}";
  }
  return out + "]}\n";
}

}  // namespace demodisc
