#include "disc_check/publication_rules.h"

#include <algorithm>

#include "disc_check/content_rules.h"
#include "disc_check/text_file_rules.h"
#include "publications/publication_line.h"
#include "publications/publication_list.h"

namespace demodisc {

namespace {

// Everything after the line's second "#".
std::string_view EntryOf(std::string_view lineText) {
  return lineText.substr(lineText.find('#', lineText.find('#') + 1) + 1);
}

// A row's document lies beside the list: `folder` is the list's, with its
// closing "\\", or empty at the root.
Text DocumentPath(const Text& folder, std::string_view docFileName) {
  return folder + Text(docFileName);
}

// The grid shows an entry's first four characters as its number.
constexpr std::size_t kEntryNumberChars = 4;
constexpr std::size_t kShownChars = 24;

bool IsNumberChar(char32_t c) {
  return c == ' ' || c == '.' || c == ',' || c == ')' || c == '-' || (c >= '0' && c <= '9');
}

// The list is cp1251: beyond ASCII it holds Cyrillic and Latin-1 letters,
// and punctuation from U+2000 on ("—", "№", "…").
bool IsLetterOrDigit(char32_t c) {
  if (c < 0x80) return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
  return c >= 0xC0 && c < 0x2000 && c != 0xD7 && c != 0xF7;
}

Text Quoted(std::string_view text) { return "\"" + Text(text) + "\""; }

// An entry must fit the grid's cut: its number four characters wide, and a
// last character (the full stop) that the grid may drop.
void CheckEntryFormat(std::string_view entry, const PublicationLine& line,
                      std::vector<Finding>& findings) {
  if (entry.empty()) return;
  std::size_t numberChars = 0;
  for (std::size_t i = 0; i < entry.size() && IsNumberChar(NextChar(entry, i));) ++numberChars;
  const std::size_t textChars = CharCount(line.text);
  const Text shownText =
      textChars > kShownChars ? Text(FirstChars(line.text, kShownChars)) + "..." : line.text;
  if (numberChars != kEntryNumberChars)
    findings.push_back({Rule::EntryNumber, "",
                        "has an entry number " + std::to_string(numberChars) +
                            " characters wide, not 4: the grid shows " + Quoted(line.number) +
                            " as its number and " + Quoted(shownText) + " as its text"});
  std::size_t last = CharOffset(entry, CharCount(entry) - 1);
  const char32_t lastChar = NextChar(entry, last);
  if (IsLetterOrDigit(lastChar)) {
    const std::size_t from =
        CharOffset(line.text, textChars > kShownChars ? textChars - kShownChars : 0);
    Text dropped;
    AppendChar(dropped, lastChar);
    findings.push_back({Rule::EntryLastChar, "",
                        "ends in " + Quoted(dropped) +
                            " without a full stop: the grid drops that last character and shows "
                            "the text ending in " +
                            Quoted((from > 0 ? "..." : "") + line.text.substr(from))});
  }
}

// A row: its fields, the entry's cut, and the document it opens.
ReportLine CheckRow(DiscNames& names, const Text& folder, int row, std::string_view lineText) {
  const PublicationLine line = SplitPublicationLine(lineText);
  ReportLine report{"row " + std::to_string(row) + ": " + line.number + line.text,
                    {},
                    "row " + std::to_string(row)};
  const auto hashes = std::count(lineText.begin(), lineText.end(), '#');
  if (hashes < 2) {
    report.findings.push_back(
        {lineText.empty() ? Rule::EmptyLine : Rule::LineSplit, "",
         lineText.empty()
             ? Text("is an empty line: the grid shows an empty row")
             : "has " + Text(hashes == 0 ? "no" : "one") +
                   " \"#\": it does not split into language#document#entry, so the row shows "
                   "its fields out of place and opens no document"});
    return report;
  }
  CheckEntryFormat(EntryOf(lineText), line, report.findings);
  if (line.docFileName.empty()) return report;  // an entry without a document: a white row
  const Text path = DocumentPath(folder, line.docFileName);
  const Lookup lookup = names.Find(path, report.findings, report.key);
  const char* consequence = "the read button starts the reader on a document that is not there";
  if (!lookup.found || lookup.folder)
    report.findings.push_back({NotAFileRule(lookup), path, NotAFileText(lookup), consequence,
                               MissingCause(lookup, path)});
  else
    CheckContent(names.tree(), lookup.path, path, "the reader cannot open it", report.findings);
  return report;
}

// The documents named by lines past the grid's last row: the program never
// reads those lines.
void NoteUnreadLines(DiscNames& names, const Text& folder, const std::vector<Text>& lines) {
  for (std::size_t i = kPublicationDataRows; i < lines.size(); ++i) {
    const PublicationLine line = SplitPublicationLine(lines[i]);
    if (line.docFileName.empty()) continue;
    const Lookup lookup = names.Peek(DocumentPath(folder, line.docFileName));
    if (lookup.found) names.NoteUnreadLine(lookup.path, static_cast<int>(i) + 1);
  }
}

}  // namespace

void CheckPublicationPage(DiscNames& names, const DescribedPage& page, DiagnosticList& out) {
  out.Page(page.caption, page.name);
  const Text& path = page.publications;
  const Text folder = path.substr(0, path.rfind('\\') + 1);  // empty at the root
  ReportLine list{path, {}, "list"};
  const Lookup lookup = names.Find(path, list.findings, list.key);
  std::optional<std::string> bytes;
  if (lookup.found && !lookup.folder) bytes = names.tree().Bytes(lookup.path);
  if (!bytes) {
    // A file that is there but fails to read fails where its bad part is:
    // the rows before it stay.
    const bool there = lookup.found && !lookup.folder;
    list.findings.push_back(
        {there ? Rule::Unreadable : NotAFileRule(lookup), path,
         there ? Text("cannot be read") : NotAFileText(lookup),
         there ? Text("the program shows a read error when it starts, and the grid only the rows "
                      "before the unreadable part")
               : "the program shows \"" + OpenFailureMessage(lookup) +
                     "\" when it starts, and the grid stays empty"});
    out.Line(std::move(list.subject), std::move(list.key), std::move(list.findings));
    return;
  }
  CheckCp1251Bytes(*bytes, path, list.findings);
  const std::vector<Text> lines = ReadDiscLines(std::move(*bytes));
  const std::size_t rows = std::min(lines.size(), std::size_t{kPublicationDataRows});
  if (lines.empty())
    list.findings.push_back({Rule::ListEmpty, path, "is empty", "the grid lists no publication"});
  else if (lines.size() > rows)
    list.findings.push_back({Rule::ListLong, path,
                             "has " + std::to_string(lines.size()) +
                                 " lines: the grid shows the first " + std::to_string(rows) +
                                 ", the rest not"});
  else
    list.findings.push_back({Rule::ListRows, path, "has " + std::to_string(rows) + " rows"});
  out.Line(std::move(list.subject), std::move(list.key), std::move(list.findings));
  for (std::size_t i = 0; i < rows; ++i) {
    ReportLine row = CheckRow(names, folder, static_cast<int>(i) + 1, lines[i]);
    out.Line(std::move(row.subject), std::move(row.key), std::move(row.findings));
  }
  NoteUnreadLines(names, folder, lines);
}

}  // namespace demodisc
