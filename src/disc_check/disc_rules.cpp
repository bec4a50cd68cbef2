#include "disc_check/disc_rules.h"

#include <algorithm>
#include <map>

#include "disc_check/catalogue_rules.h"
#include "disc_check/autorun_rules.h"
#include "disc_check/content_rules.h"
#include "disc_check/description_rules.h"
#include "disc_check/disc_names.h"
#include "disc_check/disc_walk.h"
#include "disc_check/image_rules.h"
#include "disc_check/image_size.h"
#include "disc_check/pe_signature.h"
#include "disc_check/pe_version.h"
#include "disc_check/publication_rules.h"
#include "disc_check/shared_causes.h"
#include "launcher/catalogue.h"
#include "launcher/disc_description_file.h"
#include "launcher/disc_folders.h"
#include "media/video_playback.h"
#include "photos/jpg_names.h"
#include "publications/publication_list.h"
#include "publications/reader_installer.h"

namespace demodisc {

namespace {

// Unused files of one folder listed one by one up to this many; more are
// one line with their count and the first names.
constexpr std::size_t kUnusedListed = 5;
constexpr std::size_t kUnusedNamed = 3;

// The built-in catalogue's items keep the names of the program's actions
// ("Act_About"), which the report gives as their keys.
DiscDescription WithActionNames(DiscDescription description) {
  const auto pages = DiscPages();
  for (std::size_t p = 0; p < description.pages.size() && p < pages.size(); ++p) {
    if (!pages[p].category) continue;
    const auto items = CatalogueItems(*pages[p].category);
    auto& described = description.pages[p].items;
    for (std::size_t i = 0; i < described.size() && i < items.size(); ++i)
      described[i].name = Text(items[i].action);
  }
  return description;
}

// A file the program needs for something other than a catalogue item; what
// only a window no control opens needs is a note.
ReportLine CheckFile(DiscNames& names, Text subject, Text key, const Text& path, bool note,
                     const Text& consequence) {
  ReportLine line{std::move(subject), {}, std::move(key)};
  const Lookup lookup = names.Find(path, line.findings, line.key);
  if (!lookup.found || lookup.folder)
    line.findings.push_back({NotAFileRule(lookup, note), path, NotAFileText(lookup), consequence,
                             MissingCause(lookup, path)});
  else if (!note)
    CheckContent(names.tree(), lookup.path, path, consequence, line.findings);
  return line;
}

// Whether the start program is signed, as a note: the disc works either
// way, though Windows may warn before it starts an unsigned program from a
// downloaded image. A start program that is no program has its error instead.
void NoteSignature(DiscNames& names, ReportLine& start) {
  if (start.Status() == Severity::Error) return;
  const bool signedProgram = CarriesSignature(names.tree(), names.Peek(kStartProgram).path);
  start.findings.push_back({signedProgram ? Rule::Signed : Rule::NotSigned, "",
                            Text(signedProgram ? "" : "not ") + "signed"});
}

// The reader installer of the first discs, Acrobat Reader 8.1.2, told by its
// version resource, or, in a file without one, by its name
// ("AdbeRdr812_ru_RU.exe", "AdbeRdr80_en_US.exe"): a current reader's
// installer under the old name passes. A stand-in has its error instead.
void WarnOfOldReader(DiscNames& names, ReportLine& installer, const Text& path) {
  if (installer.Status() == Severity::Error) return;
  const Text treePath = names.Peek(path).path;
  const std::optional<ProductVersion> version = ReadProductVersion(names.tree(), treePath);
  Text what;
  if (version && IsAcrobatReader(version->name) && version->major == 8)
    what = "is " + version->name + " " + version->text + ", by its version resource";
  else if (!version &&
           LowerCaseFrom(treePath.substr(treePath.rfind('/') + 1), 0).starts_with("adberdr8"))
    what = "is Acrobat Reader 8, by its name";
  if (what.empty()) return;
  installer.findings.push_back({Rule::OldReaderInstaller, path, what,
                                "a visitor without a reader is offered one out of support since "
                                "2013, with many known exploits"});
}

// The photo window's folder matters only to a window no control opens; a
// disc of its own needs only that folder's, as a note: its items name the
// rest, and their lines report what is missing.
ReportLine CheckFolders(DiscNames& names, bool ownDescription) {
  ReportLine line{"folders", {}, "folders"};
  for (const DiscFolder folder : AllDiscFolders()) {
    if (ownDescription && folder != DiscFolder::PicRec) continue;
    const Text name(DiscFolderName(folder));
    const bool note = folder == DiscFolder::PicRec;
    const Lookup lookup = names.Find(name, line.findings);
    if (!lookup.found)
      line.findings.push_back(
          {note ? Rule::MissingNote : Rule::Missing, name, "is missing", {}, name});
    else if (!lookup.folder)
      line.findings.push_back({note ? Rule::NotAFolderNote : Rule::NotAFolder,
                               name,
                               "is a file, not a folder",
                               {},
                               name});
    else if (!names.Entries(lookup.path))
      line.findings.push_back(
          {note ? Rule::UnreadableNote : Rule::Unreadable, name, "cannot be read", {}, name});
  }
  return line;
}

ReportLine CheckPhotos(DiscNames& names) {
  ReportLine line{"photo window (no control opens it)", {}, "photo_window"};
  const Text folder(DiscFolderName(DiscFolder::PicRec));
  const Lookup lookup = names.Find(folder, line.findings, line.key);
  if (!lookup.found || !lookup.folder) return line;  // the folders' line names it
  const auto& entries = names.Entries(lookup.path);
  const auto photos =
      entries
          ? std::count_if(entries->begin(), entries->end(),
                          [](const DiscEntry& e) { return !e.folder && MatchesJpgMask(e.name); })
          : 0;
  if (photos == 0)
    line.findings.push_back({Rule::NoPhotos, folder, "holds no " + Text(kPhotoMask) + " file",
                             "the photo window has nothing to step through"});
  else
    line.findings.push_back({Rule::Photos, folder, "holds " + std::to_string(photos) + " photos"});
  return line;
}

// Why nothing uses a file: for one file, and for many.
struct Unused {
  Text one, many;
};

// Unused files of one folder: each on a line of its own, or, when there
// are many, one line with their count and the first names.
void AddUnused(const std::vector<const WalkedEntry*>& entries, const Text& folder,
               const Unused& why, DiagnosticList& list) {
  if (entries.size() <= kUnusedListed) {
    for (const WalkedEntry* e : entries)
      list.AddOwn("unused " + e->path, {Rule::Unused, e->programPath, why.one});
    return;
  }
  Text first;
  for (std::size_t i = 0; i < kUnusedNamed; ++i)
    first += (i ? ", " : "") + Text("\"") + entries[i]->name + "\"";
  list.AddOwn("unused " + folder, {Rule::UnusedFiles, folder,
                                   "holds " + std::to_string(entries.size()) + " files " +
                                       why.many + " (" + first + ", ...)"});
}

// Entries that nothing refers to: at the root, anything but the start
// program, autorun.inf, DISC.SHA256, the description file and the disc's folders; in the folders
// whose every file the program names (descriptions, clips, documents, photos), the files it does
// not name. The other folders hold what their programs need.
void CheckUnused(DiscNames& names, const std::vector<WalkedEntry>& walked, DiagnosticList& list) {
  struct Owner {
    DiscFolder folder;
    Unused why;
  };
  const Owner owners[] = {
      {DiscFolder::Hints, {"no item shows it", "that no item shows"}},
      {DiscFolder::Video, {"no item plays it", "that no item plays"}},
      {DiscFolder::Publication,
       {"no row of the publication list names it", "that no row of the publication list names"}},
      {DiscFolder::PicRec,
       {"the photo window lists only " + Text(kPhotoMask) + " files",
        "that the photo window does not list (it lists only " + Text(kPhotoMask) + " files)"}},
  };
  std::vector<const WalkedEntry*> atRoot;
  for (const WalkedEntry& entry : walked)
    if (entry.path.find('/') == Text::npos && !names.IsUsed(entry.path) &&
        !SameNameIgnoringCase(entry.name, kAutorunFile) &&
        !SameNameIgnoringCase(entry.name, kManifestFile) &&
        !SameNameIgnoringCase(entry.name, kDescriptionFileName) && !IsSystemFile(entry.name))
      atRoot.push_back(&entry);
  AddUnused(atRoot, "disc root", {"nothing refers to it", "that nothing refers to"}, list);
  for (const Owner& owner : owners) {
    const Lookup folder = names.Peek(DiscFolderName(owner.folder));
    if (!folder.found || !folder.folder) continue;
    std::vector<const WalkedEntry*> unused;
    for (const WalkedEntry& entry : walked) {
      if (ParentPath(entry.path) != folder.path || entry.folder || names.IsUsed(entry.path) ||
          IsSystemFile(entry.name))
        continue;
      if (owner.folder == DiscFolder::PicRec && MatchesJpgMask(entry.name)) continue;
      if (const int line = names.UnreadLine(entry.path))
        list.AddOwn("unused " + entry.path,
                    {Rule::UnreadLine, entry.programPath,
                     "is named only by line " + std::to_string(line) +
                         " of the publication list, past the " +
                         std::to_string(kPublicationDataRows) + " lines the program reads"});
      else
        unused.push_back(&entry);
    }
    AddUnused(unused, Text(DiscFolderName(owner.folder)), owner.why, list);
  }
}

ReportLine CheckImageSize(const std::vector<WalkedEntry>& walked) {
  std::vector<std::uint64_t> sizes;
  std::vector<ImageFolder> folders(1);  // the root first
  std::map<Text, std::size_t> folderIndex{{"", 0}};
  for (const WalkedEntry& entry : walked) {
    folders[folderIndex[ParentPath(entry.path)]].nameLengths.push_back(
        Utf16FromUtf8(entry.name).size());
    if (entry.folder) {
      folderIndex[entry.path] = folders.size();
      folders.emplace_back();
    } else {
      sizes.push_back(entry.size);
    }
  }
  return {"image", {ImageSizeFinding(EstimateImageBytes(sizes, folders))}, "image"};
}

}  // namespace

bool IsDiscRoot(const std::vector<DiscEntry>& root) {
  return std::any_of(root.begin(), root.end(), [](const DiscEntry& e) {
    if (SameNameIgnoringCase(e.name, kStartProgram) ||
        SameNameIgnoringCase(e.name, kDescriptionFileName))
      return true;
    for (const DiscFolder folder : AllDiscFolders())
      if (SameNameIgnoringCase(e.name, DiscFolderName(folder))) return true;
    return false;
  });
}

DiscReport CheckDisc(const DiscTree& tree, const Text& disc, const TextWidth& width) {
  DiscNames names(tree);
  const auto& root = names.Entries("");
  if (!root || !IsDiscRoot(*root)) {
    DiscReport report;
    report.disc = disc;
    report.isDisc = false;
    report.notDisc = !root ? "is no folder"
                           : "holds neither " + Text(kStartProgram) +
                                 " nor any of the folders the program expects (Presentation, "
                                 "Hints, Publication, ...)";
    return report;
  }

  DiagnosticList list;
  const CheckedDescription described = CheckDescriptionFile(names, list);
  const DiscDescription description =
      described.own ? described.description : WithActionNames(described.description);
  // The folders first, so that a folder's letter case is reported once, there.
  ReportLine folders = CheckFolders(names, described.own);
  for (const DescribedPage& page : description.pages) {
    if (page.IsPublications())
      CheckPublicationPage(names, page, list);
    else
      CheckCataloguePage(names, page, description, list);
  }

  if (described.own && width) CheckTextPlaces(description, width, "description", list);

  list.Page("Disc", "Disc");
  if (described.own) list.Line(Text(kDescriptionFileName), "description");
  ReportLine start = CheckFile(names, "start program", "start_program", kStartProgram, false,
                               "the disc has no start program");
  NoteSignature(names, start);
  const auto declare = [&](ReportLine line) {
    list.Line(std::move(line.subject), std::move(line.key), std::move(line.findings));
  };
  declare(std::move(start));
  declare(CheckAutorun(names, kStartProgram));
  declare(std::move(folders));
  const Text& installerPath = description.readerInstaller;
  ReportLine installer =
      CheckFile(names, "reader installer", "reader_installer", installerPath, false,
                "the button \"Acrobat Reader\" shows \"" + Text(kReaderStartFailed) + "\"");
  WarnOfOldReader(names, installer, installerPath);
  declare(std::move(installer));
  declare(CheckFile(names, "video window (no control opens it)", "video_window", kVideoClip, true,
                    "the video window would report an error"));
  declare(CheckPhotos(names));
  const std::vector<WalkedEntry> walked = WalkDisc(names);
  CheckUnused(names, walked, list);
  CheckImageEntries(names, walked, list);
  declare(CheckImageSize(walked));
  DiscReport report = list.Group(disc);
  CountSharedCausesOnce(report);
  return report;
}

}  // namespace demodisc
