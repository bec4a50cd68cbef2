#include "disc_check/content_rules.h"

#include "base/text.h"
#include "disc_check/stand_in_markers.h"
#include "launcher/catalogue.h"
#include "publications/reader_installer.h"

namespace demodisc {

namespace {

constexpr char kProgramMagic[] = "MZ";
constexpr char kDocumentMagic[] = "%PDF-";
// A batch file of blanks alone is as empty as one of no bytes.
constexpr std::size_t kBatchHead = 4096;
// The sample's stand-ins are a few dozen KiB: their marker lies within this
// much of a program's start, and a real installer is never read whole.
constexpr std::size_t kStandInHead = 1 << 20;

struct StandIn {
  std::string_view marker;
  const DiscFile& file;
  const char* role;
};
const StandIn kStandIns[] = {
    {kPlayerStandInMarker, kVideoPlayer, "player"},
    {kInstallerStandInMarker, kReaderInstaller, "reader installer"},
};

// An error when the program is one of the sample's stand-ins.
void CheckStandIn(const DiscTree& tree, const Text& treePath, const Text& path,
                  std::vector<Finding>& findings) {
  const std::optional<std::string> head = tree.Head(treePath, kStandInHead);
  if (!head) return;
  for (const StandIn& s : kStandIns)
    if (head->find(s.marker) != std::string::npos) {
      findings.push_back({Rule::StandIn, path, "is the sample's stand-in for " + Text(s.file.name),
                          "put the real " + Text(s.role) + " here"});
      return;
    }
}

bool EndsWithIgnoringCase(std::string_view name, std::string_view ending) {
  return name.size() >= ending.size() &&
         LowerCaseFrom(name.substr(name.size() - ending.size()), 0) == ending;
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

void CheckHead(const DiscTree& tree, const Text& treePath, const Text& path, ContentKind kind,
               const Text& consequence, std::vector<Finding>& findings) {
  const std::optional<std::string> head =
      tree.Head(treePath, kind == ContentKind::BatchFile ? kBatchHead : sizeof kDocumentMagic - 1);
  if (!head) {
    findings.push_back({Rule::Unreadable, path, "cannot be read", consequence});
    return;
  }
  switch (kind) {
    case ContentKind::Program:
      if (head->empty())
        findings.push_back({Rule::EmptyProgram, path, "is empty", consequence});
      else if (!head->starts_with(kProgramMagic))
        findings.push_back({Rule::NotAProgram, path,
                            "is no Windows program (it does not begin with \"MZ\")", consequence});
      else
        CheckStandIn(tree, treePath, path, findings);
      break;
    case ContentKind::BatchFile:
      if (IsBlank(*head) && tree.Size(treePath).value_or(0) <= head->size())
        findings.push_back({Rule::EmptyBatchFile, path, "is empty",
                            "clicking the item opens a console that closes at once"});
      break;
    case ContentKind::Document:
      if (head->empty())
        findings.push_back({Rule::EmptyDocument, path, "is empty", "the reader opens no document"});
      else if (!head->starts_with(kDocumentMagic))
        findings.push_back({Rule::NotAPdf, path, "does not begin with \"%PDF-\"",
                            "the reader cannot open it as a PDF"});
      break;
    case ContentKind::Other:
      break;
  }
}

}  // namespace

ContentKind ContentKindOf(std::string_view name) {
  if (EndsWithIgnoringCase(name, ".exe")) return ContentKind::Program;
  if (EndsWithIgnoringCase(name, ".bat")) return ContentKind::BatchFile;
  if (EndsWithIgnoringCase(name, ".pdf")) return ContentKind::Document;
  return ContentKind::Other;
}

void CheckContent(const DiscTree& tree, const Text& treePath, const Text& path,
                  std::string_view consequence, std::vector<Finding>& out) {
  const ContentKind kind = ContentKindOf(path);
  if (kind == ContentKind::Other) return;
  std::vector<Finding> findings;
  CheckHead(tree, treePath, path, kind, Text(consequence), findings);
  // A file several items share is one cause, counted once.
  for (Finding& f : findings) {
    f.cause = path;
    out.push_back(std::move(f));
  }
}

}  // namespace demodisc
