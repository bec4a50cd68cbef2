#include "disc_check/publication_rules.h"

#include <algorithm>

#include "disc_check/text_file_rules.h"
#include "publications/publication_line.h"
#include "publications/publication_list.h"

namespace demodisc {

namespace {

// A row: its fields, and the document it opens.
ReportLine CheckRow(DiscNames& names, int row, std::string_view lineText) {
  const PublicationLine line = SplitPublicationLine(lineText);
  ReportLine report{"row " + std::to_string(row) + ": " + line.number + line.text, {}};
  const auto hashes = std::count(lineText.begin(), lineText.end(), '#');
  if (hashes < 2) {
    report.findings.push_back(
        {Severity::Warning, "",
         lineText.empty()
             ? Text("is an empty line: the grid shows an empty row")
             : "has " + Text(hashes == 0 ? "no" : "one") +
                   " \"#\": it does not split into language#document#entry, so the row shows "
                   "its fields out of place and opens no document"});
    return report;
  }
  if (line.docFileName.empty()) return report;  // an entry without a document: a white row
  const Text path = Text(DiscFolderName(DiscFolder::Publication)) + "\\" + line.docFileName;
  const Lookup lookup = names.Find(path, report.findings);
  if (!lookup.found || lookup.folder)
    report.findings.push_back(
        {Severity::Error, path,
         NotAFileText(lookup) +
             ": the read button starts the reader on a document that is not there"});
  return report;
}

}  // namespace

ReportSection CheckPublicationPage(DiscNames& names, const DiscPage& page) {
  ReportSection section{Text(page.caption), {}};
  const Text path = DiscPath("", {DiscFolder::Publication, kPublicationListFile});
  ReportLine list{path, {}};
  const Lookup lookup = names.Find(path, list.findings);
  std::optional<std::string> bytes;
  if (lookup.found && !lookup.folder) bytes = names.tree().Bytes(lookup.path);
  if (!bytes) {
    list.findings.push_back(
        {Severity::Error, path,
         (lookup.found && !lookup.folder ? Text("cannot be read") : NotAFileText(lookup)) +
             ": the program shows \"" + OpenFailureMessage(lookup) +
             "\" when it starts, and the grid stays empty"});
    section.lines.push_back(std::move(list));
    return section;
  }
  CheckCp1251Bytes(*bytes, path, list.findings);
  const std::vector<Text> lines = ReadDiscLines(std::move(*bytes));
  const std::size_t rows = std::min(lines.size(), std::size_t{kPublicationDataRows});
  if (lines.empty())
    list.findings.push_back({Severity::Warning, path, "is empty: the grid lists no publication"});
  else if (lines.size() > rows)
    list.findings.push_back({Severity::Warning, path,
                             "has " + std::to_string(lines.size()) +
                                 " lines: the grid shows the first " + std::to_string(rows) +
                                 ", the rest not"});
  else
    list.findings.push_back({Severity::Ok, path, "has " + std::to_string(rows) + " rows"});
  section.lines.push_back(std::move(list));
  for (std::size_t i = 0; i < rows; ++i)
    section.lines.push_back(CheckRow(names, static_cast<int>(i) + 1, lines[i]));
  return section;
}

}  // namespace demodisc
