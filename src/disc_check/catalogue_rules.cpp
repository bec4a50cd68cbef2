#include "disc_check/catalogue_rules.h"

#include "control_rules/memo_text.h"
#include "disc_check/content_rules.h"
#include "disc_check/text_file_rules.h"
#include "launcher/hint_memos.h"
#include "launcher/hint_texts.h"

namespace demodisc {

namespace {

// A program or clip the item starts: there, a file, and one that can work.
void CheckContentFile(DiscNames& names, const DiscFile& file, std::string_view consequence,
                      ReportLine& line) {
  std::vector<Finding>& findings = line.findings;
  const Text path = DiscPath("", file);
  const Lookup lookup = names.Find(path, findings, line.key);
  if (!lookup.found || lookup.folder)
    findings.push_back({NotAFileRule(lookup), path, NotAFileText(lookup), Text(consequence),
                        MissingCause(lookup, path)});
  else
    CheckContent(names.tree(), lookup.path, path, consequence, findings);
}

// Descriptions are short texts; a larger one is most likely another file.
constexpr std::size_t kLargeDescription = 64 * 1024;

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

void CheckDescription(DiscNames& names, int hintPage, std::string_view file, ReportLine& line) {
  std::vector<Finding>& findings = line.findings;
  const Text path = DiscPath("", {DiscFolder::Hints, file});
  const Lookup lookup = names.Find(path, findings, line.key);
  if (!lookup.found || lookup.folder) {
    findings.push_back({NotAFileRule(lookup), path, NotAFileText(lookup),
                        "pointing at the item shows \"" + OpenFailureMessage(lookup) + "\"",
                        MissingCause(lookup, path)});
    return;
  }
  std::optional<std::string> bytes = names.tree().Bytes(lookup.path);
  if (!bytes) {
    findings.push_back({Rule::Unreadable, path, "cannot be read"});
    return;
  }
  if (bytes->size() > kLargeDescription) {
    findings.push_back({Rule::LargeDescription, path,
                        "is " + std::to_string(bytes->size() / 1024) +
                            " KiB, over the 64 KiB a description is expected to hold"});
    findings.back().bytes = bytes->size();
  }
  CheckCp1251Bytes(*bytes, path, findings);
  // The memo's text, read as the program reads it.
  TextReader reader;
  Text text;
  ReadHintText(reader, std::make_unique<BytesSource>(std::move(*bytes)), text);
  if (IsBlank(text)) {
    findings.push_back({Rule::EmptyText, path, "is empty", "the memo stays blank"});
    return;
  }
  const MemoCapacity memo = HintMemoCapacity(hintPage);
  const int lines = WrappedLineCount(MemoDisplayText(text), memo.charsPerLine);
  if (lines > memo.lines)
    findings.push_back({Rule::MemoOverflow, path,
                        "takes about " + std::to_string(lines) + " lines; the memo shows " +
                            std::to_string(memo.lines) + " without scrolling (an estimate at " +
                            std::to_string(memo.charsPerLine) + " characters a line)"});
}

}  // namespace

void CheckCataloguePage(DiscNames& names, const DiscPage& page, DiagnosticList& list) {
  list.Page(Text(page.caption), Text(page.name));
  if (!page.category) return;
  const HintPage hintPage = HintPageOf(*page.category);
  const auto items = CatalogueItems(*page.category);
  const auto hints = HintFiles(hintPage);
  for (std::size_t i = 0; i < items.size(); ++i) {
    ReportLine line{ShownCaption(items[i]), {}, Text(items[i].action)};
    if (const CatalogueAction* action = FindAction(items[i].action)) {
      const ActionContentFiles content = ActionContent(*action);
      if (content.program)
        CheckContentFile(names, *content.program,
                         content.clip
                             ? "clicking the item shows \"" + Text(kPlayerStartFailed) + "\""
                             : "clicking the item does nothing",
                         line);
      if (content.clip)
        CheckContentFile(names, *content.clip, "the player is started on a clip that is not there",
                         line);
    }
    if (i < hints.size()) CheckDescription(names, hintPage, hints[i], line);
    list.Line(std::move(line.subject), std::move(line.key), std::move(line.findings));
  }
}

}  // namespace demodisc
