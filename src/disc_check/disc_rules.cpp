#include "disc_check/disc_rules.h"

#include <algorithm>
#include <map>

#include "disc_check/catalogue_rules.h"
#include "disc_check/disc_names.h"
#include "disc_check/image_size.h"
#include "disc_check/publication_rules.h"
#include "launcher/catalogue.h"
#include "launcher/disc_folders.h"
#include "media/video_playback.h"
#include "photos/jpg_names.h"
#include "publications/reader_installer.h"

namespace demodisc {

namespace {

// An entry of the disc, with its path as the program would name it.
struct WalkedEntry {
  Text path;         // tree path
  Text programPath;  // names joined by "\"
  Text name;
  bool folder;
};

void Walk(DiscNames& names, const Text& folder, const Text& programFolder,
          std::vector<WalkedEntry>& out) {
  const auto& entries = names.Entries(folder);
  if (!entries) return;
  std::vector<DiscEntry> sorted = *entries;
  std::sort(sorted.begin(), sorted.end(),
            [](const DiscEntry& a, const DiscEntry& b) { return a.name < b.name; });
  for (const DiscEntry& entry : sorted) {
    const Text path = ChildPath(folder, entry.name);
    const Text programPath = programFolder.empty() ? entry.name : programFolder + "\\" + entry.name;
    out.push_back({path, programPath, entry.name, entry.folder});
    if (entry.folder) Walk(names, path, programPath, out);
  }
}

bool IsDiscName(std::string_view name) {
  if (SameNameIgnoringCase(name, kStartProgram)) return true;
  for (const DiscFolder folder : AllDiscFolders())
    if (SameNameIgnoringCase(name, DiscFolderName(folder))) return true;
  return false;
}

// A file the program needs for something other than a catalogue item.
ReportLine CheckFile(DiscNames& names, Text subject, const Text& path, Severity severity,
                     const Text& consequence) {
  ReportLine line{std::move(subject), {}};
  const Lookup lookup = names.Find(path, line.findings);
  if (!lookup.found || lookup.folder)
    line.findings.push_back({severity, path, NotAFileText(lookup) + ": " + consequence});
  return line;
}

ReportLine CheckFolders(DiscNames& names) {
  ReportLine line{"folders", {}};
  for (const DiscFolder folder : AllDiscFolders()) {
    const Text name(DiscFolderName(folder));
    const Lookup lookup = names.Find(name, line.findings);
    if (!lookup.found)
      line.findings.push_back({Severity::Error, name, "is missing"});
    else if (!lookup.folder)
      line.findings.push_back({Severity::Error, name, "is a file, not a folder"});
  }
  return line;
}

ReportLine CheckPhotos(DiscNames& names) {
  ReportLine line{"photo window (no control opens it)", {}};
  const Text folder(DiscFolderName(DiscFolder::PicRec));
  const Lookup lookup = names.Find(folder, line.findings);
  if (!lookup.found || !lookup.folder) return line;  // the folders' line names it
  const auto& entries = names.Entries(lookup.path);
  const auto photos =
      entries
          ? std::count_if(entries->begin(), entries->end(),
                          [](const DiscEntry& e) { return !e.folder && MatchesJpgMask(e.name); })
          : 0;
  if (photos == 0)
    line.findings.push_back(
        {Severity::Warning, folder,
         "holds no " + Text(kPhotoMask) + " file: the photo window has nothing to step through"});
  else
    line.findings.push_back({Severity::Ok, folder, "holds " + std::to_string(photos) + " photos"});
  return line;
}

// Entries that nothing refers to: at the root, anything but the start
// program, autorun.inf and the disc's folders; in the folders whose every
// file the program names (descriptions, clips, documents, photos), the
// files it does not name. The other folders hold what their programs need.
void CheckUnused(DiscNames& names, const std::vector<WalkedEntry>& walked, ReportSection& section) {
  struct Owner {
    DiscFolder folder;
    Text why;
  };
  const Owner owners[] = {
      {DiscFolder::Hints, "no item shows it"},
      {DiscFolder::Video, "no item plays it"},
      {DiscFolder::Publication, "no row of the publication list names it"},
      {DiscFolder::PicRec, "the photo window lists only " + Text(kPhotoMask) + " files"},
  };
  const auto unused = [&](const WalkedEntry& entry, const Text& why) {
    section.lines.push_back({entry.programPath, {{Severity::Warning, entry.programPath, why}}});
  };
  for (const WalkedEntry& entry : walked)
    if (entry.path.find('/') == Text::npos && !names.IsUsed(entry.path) &&
        !SameNameIgnoringCase(entry.name, kAutorunFile))
      unused(entry, "nothing refers to it");
  for (const Owner& owner : owners) {
    std::vector<Finding> ignored;
    const Lookup folder = names.Find(DiscFolderName(owner.folder), ignored);
    if (!folder.found || !folder.folder) continue;
    for (const WalkedEntry& entry : walked) {
      const bool inFolder = entry.path.rfind(folder.path + "/", 0) == 0 &&
                            entry.path.find('/', folder.path.size() + 1) == Text::npos;
      if (!inFolder || entry.folder || names.IsUsed(entry.path)) continue;
      if (owner.folder == DiscFolder::PicRec && MatchesJpgMask(entry.name)) continue;
      unused(entry, owner.why);
    }
  }
}

void CheckNames(const std::vector<WalkedEntry>& walked, ReportSection& section) {
  for (const WalkedEntry& entry : walked) {
    const std::size_t length = Utf16FromUtf8(entry.name).size();
    if (length > kJolietNameLimit)
      section.lines.push_back(
          {entry.programPath,
           {{Severity::Warning, entry.programPath,
             "has a name of " + std::to_string(length) + " UTF-16 characters: Joliet keeps " +
                 std::to_string(kJolietNameLimit) + ", so the image would cut it"}}});
  }
}

ReportLine CheckImageSize(DiscNames& names, const std::vector<WalkedEntry>& walked) {
  std::vector<std::uint64_t> sizes;
  std::vector<ImageFolder> folders(1);  // the root first
  std::map<Text, std::size_t> folderIndex{{"", 0}};
  for (const WalkedEntry& entry : walked) {
    const std::size_t slash = entry.path.rfind('/');
    const Text parent = slash == Text::npos ? Text() : entry.path.substr(0, slash);
    folders[folderIndex[parent]].nameLengths.push_back(Utf16FromUtf8(entry.name).size());
    if (entry.folder) {
      folderIndex[entry.path] = folders.size();
      folders.emplace_back();
    } else {
      sizes.push_back(names.tree().Size(entry.path).value_or(0));
    }
  }
  return {"image", {ImageSizeFinding(EstimateImageBytes(sizes, folders))}};
}

}  // namespace

DiscReport CheckDisc(const DiscTree& tree, const Text& disc) {
  DiscReport report;
  report.disc = disc;
  DiscNames names(tree);
  const auto& root = names.Entries("");
  if (!root) {
    report.isDisc = false;
    report.notDisc = "is no folder";
    return report;
  }
  if (std::none_of(root->begin(), root->end(),
                   [](const DiscEntry& e) { return IsDiscName(e.name); })) {
    report.isDisc = false;
    report.notDisc = "holds neither " + Text(kStartProgram) +
                     " nor any of the folders the program expects (Presentation, Hints, "
                     "Publication, ...)";
    return report;
  }

  // The folders first, so that a folder's letter case is reported once, there.
  ReportLine folders = CheckFolders(names);
  for (const DiscPage& page : DiscPages())
    report.sections.push_back(page.category ? CheckCataloguePage(names, page)
                                            : CheckPublicationPage(names, page));

  ReportSection whole{"Disc", {}};
  whole.lines.push_back(CheckFile(names, "start program", kStartProgram, Severity::Error,
                                  "the disc has no start program"));
  whole.lines.push_back(std::move(folders));
  whole.lines.push_back(
      CheckFile(names, "reader installer", DiscPath("", kReaderInstaller), Severity::Error,
                "the button \"Acrobat Reader\" shows \"" + Text(kReaderStartFailed) + "\""));
  whole.lines.push_back(CheckFile(names, "video window (no control opens it)", kVideoClip,
                                  Severity::Error, "the video window would report an error"));
  whole.lines.push_back(CheckPhotos(names));
  std::vector<WalkedEntry> walked;
  Walk(names, "", "", walked);
  CheckUnused(names, walked, whole);
  CheckNames(walked, whole);
  whole.lines.push_back(CheckImageSize(names, walked));
  report.sections.push_back(std::move(whole));
  return report;
}

}  // namespace demodisc
