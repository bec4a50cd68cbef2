#include "disc_check/catalogue_rules.h"

#include <cstdint>
#include <optional>
#include <string>

#include "control_rules/memo_text.h"
#include "disc_check/content_rules.h"
#include "disc_check/text_file_rules.h"
#include "launcher/hint_memos.h"
#include "launcher/hint_texts.h"
#include "launcher/catalogue.h"
#include "pictures/disc_picture_file.h"

namespace demodisc {

namespace {

// The file at `path` as the tree names it, or nothing, with the finding that
// it is missing or a folder.
std::optional<Text> FileOnDisc(DiscNames& names, const Text& path, std::string_view consequence,
                               ReportLine& line) {
  const Lookup lookup = names.Find(path, line.findings, line.key);
  if (lookup.found && !lookup.folder) return lookup.path;
  line.findings.push_back({NotAFileRule(lookup), path, NotAFileText(lookup), Text(consequence),
                           MissingCause(lookup, path)});
  return std::nullopt;
}

// A program, clip or document the item starts or opens: there, a file, and
// one that can work.
void CheckContentFile(DiscNames& names, const Text& path, std::string_view consequence,
                      ReportLine& line) {
  if (const std::optional<Text> file = FileOnDisc(names, path, consequence, line))
    CheckContent(names.tree(), *file, path, consequence, line.findings);
}

// The picture text of a fault, or empty when the button shows it.
std::string PictureFaultText(const DiscPicture& picture) {
  const std::string size =
      std::to_string(picture.size.width) + "x" + std::to_string(picture.size.height) + " pixels";
  switch (picture.fault) {
    case DiscPictureFault::None:
      return {};
    case DiscPictureFault::TooLarge:
      return "is over the " + std::to_string(kMaxDiscPictureBytes / (1024 * 1024)) +
             " MiB a picture is read to";
    case DiscPictureFault::NotPng:
      return "is no PNG the program reads: damaged, or another kind of picture";
    case DiscPictureFault::NotSquare:
      return "is " + size + "; the button shows a square picture only";
    case DiscPictureFault::TooSmall:
      return "is " + size + "; the button shows a picture of " +
             std::to_string(kMinDiscPictureSide) + " pixels a side or more";
  }
  return {};
}

// An item's own picture: there, and one that its button can show.
void CheckPicture(DiscNames& names, const Text& path, ReportLine& line) {
  constexpr std::string_view kNoPicture = "the item's button shows no picture";
  const std::optional<Text> file = FileOnDisc(names, path, kNoPicture, line);
  if (!file) return;
  std::vector<Finding>& findings = line.findings;
  DiscPicture picture;
  if (names.tree().Size(*file).value_or(0) > kMaxDiscPictureBytes) {
    picture.fault = DiscPictureFault::TooLarge;
  } else {
    const std::optional<std::string> bytes = names.tree().Bytes(*file);
    if (!bytes) {
      findings.push_back({Rule::Unreadable, path, "cannot be read", Text(kNoPicture)});
      return;
    }
    picture =
        ReadDiscPicture({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
  }
  if (picture.fault != DiscPictureFault::None)
    findings.push_back({Rule::BadPicture, path, PictureFaultText(picture), Text(kNoPicture)});
}

// Descriptions are short texts; a larger one is most likely another file.
constexpr std::size_t kLargeDescription = 64 * 1024;

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// A description, in cp1251 or, with `utf8`, in UTF-8, as the disc's texts= says.
void CheckDescription(DiscNames& names, const MemoCapacity& memo, bool utf8, const Text& path,
                      ReportLine& line) {
  std::vector<Finding>& findings = line.findings;
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
  CheckCp1251Bytes(*bytes, path, findings, utf8);
  // The memo's text, read as the program reads it.
  TextReader reader;
  reader.SetUtf8(utf8);
  Text text;
  ReadHintText(reader, std::make_unique<BytesSource>(std::move(*bytes)), text);
  if (IsBlank(text)) {
    findings.push_back({Rule::EmptyText, path, "is empty", "the memo stays blank"});
    return;
  }
  const int lines = WrappedLineCount(MemoDisplayText(text), memo.charsPerLine);
  if (lines > memo.lines)
    findings.push_back({Rule::MemoOverflow, path,
                        "takes about " + std::to_string(lines) + " lines; the memo shows " +
                            std::to_string(memo.lines) + " without scrolling (an estimate at " +
                            std::to_string(memo.charsPerLine) + " characters a line)"});
}

}  // namespace

void CheckCataloguePage(DiscNames& names, const DescribedPage& page, const DiscDescription& disc,
                        DiagnosticList& list) {
  const Text& player = disc.player;
  const bool utf8 = disc.texts == TextsEncoding::Utf8;
  list.Page(page.caption, page.name);
  const MemoCapacity memo = EstimateMemoCapacity(kCataloguePageWidth, MemoHeightOf(page));
  for (const DescribedItem& item : page.items) {
    ReportLine line{item.caption, {}, item.name};
    switch (item.action) {
      case ItemAction::Run:
        CheckContentFile(names, item.target, "clicking the item does nothing", line);
        break;
      case ItemAction::Play:
        CheckContentFile(names, player,
                         "clicking the item shows \"" + Text(kPlayerStartFailed) + "\"", line);
        CheckContentFile(names, item.target, "the player is started on a clip that is not there",
                         line);
        break;
      case ItemAction::Open:
        CheckContentFile(names, item.target, "clicking the item shows \"Не удалось открыть ...\"",
                         line);
        break;
      case ItemAction::Notice:
      case ItemAction::Web:
        break;
    }
    if (!item.pictureFile.empty()) CheckPicture(names, item.pictureFile, line);
    if (!item.description.empty()) CheckDescription(names, memo, utf8, item.description, line);
    list.Line(std::move(line.subject), std::move(line.key), std::move(line.findings));
  }
}

}  // namespace demodisc
