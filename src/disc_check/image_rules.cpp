#include "disc_check/image_rules.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

namespace demodisc {

namespace {

// Characters Windows does not allow in a name.
constexpr std::string_view kForbiddenChars = "<>:\"/\\|?*";

constexpr std::array<std::string_view, 22> kDeviceNames = {
    "con",  "prn",  "aux",  "nul",  "com1", "com2", "com3", "com4", "com5", "com6", "com7",
    "com8", "com9", "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9"};

// Files the system writes by itself: Explorer's thumbnails and folder
// settings, the Finder's folder settings.
constexpr std::array<std::string_view, 5> kSystemFiles = {
    "thumbs.db", "ehthumbs.db", "ehthumbs_vista.db", "desktop.ini", ".ds_store"};
// An office program's lock file of an open document: "~$" and its name.
constexpr std::string_view kLockFilePrefix = "~$";

Text Quoted(std::string_view text) { return "\"" + Text(text) + "\""; }

Text Gibibytes(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f GiB", static_cast<double>(bytes) / (1ull << 30));
  return text;
}

struct NameFault {
  Rule error = Rule::ForbiddenChars, warning = Rule::ForbiddenCharsWarning;
  Text text;  // empty when the name is sound
  Text consequence;
};

// What is wrong with a name to Windows.
NameFault WindowsNameFault(std::string_view name) {
  Text chars;
  for (std::size_t i = 0; i < name.size();) {
    const char32_t c = NextChar(name, i);
    if (c < 0x20 || (c < 0x80 && kForbiddenChars.find(static_cast<char>(c)) != Text::npos)) {
      Text shown;
      if (c < 0x20)
        shown = "the control character " + std::to_string(static_cast<unsigned>(c));
      else
        AppendChar(shown, c);
      if (chars.find(shown) == Text::npos) chars += (chars.empty() ? "" : ", ") + Quoted(shown);
    }
  }
  if (!chars.empty())
    return {Rule::ForbiddenChars, Rule::ForbiddenCharsWarning,
            "holds " + chars + ", which Windows does not allow in a name"};
  const Text base = LowerCaseFrom(name.substr(0, name.find('.')), 0);
  for (const std::string_view device : kDeviceNames)
    if (base == device)
      return {Rule::DeviceName, Rule::DeviceNameWarning,
              "is named after the device " + Quoted(Text(name.substr(0, device.size()))),
              "Windows opens the device, not the file"};
  if (!name.empty() && (name.back() == '.' || name.back() == ' '))
    return {Rule::TrailingChar, Rule::TrailingCharWarning,
            Text("ends in a ") + (name.back() == '.' ? "dot" : "blank"),
            "Windows drops it and finds the name without it"};
  return {};
}

struct Combining {
  char32_t base, mark, composed;
};
// Letters with a combining mark that Latin, Cyrillic and Greek names hold,
// and the one character each composes to.
constexpr Combining kCompositions[] = {
    {U'A', 0x300, U'À'}, {U'A', 0x301, U'Á'}, {U'A', 0x302, U'Â'}, {U'A', 0x303, U'Ã'},
    {U'A', 0x308, U'Ä'}, {U'A', 0x30A, U'Å'}, {U'C', 0x327, U'Ç'}, {U'E', 0x300, U'È'},
    {U'E', 0x301, U'É'}, {U'E', 0x302, U'Ê'}, {U'E', 0x308, U'Ë'}, {U'I', 0x300, U'Ì'},
    {U'I', 0x301, U'Í'}, {U'I', 0x302, U'Î'}, {U'I', 0x308, U'Ï'}, {U'N', 0x303, U'Ñ'},
    {U'O', 0x300, U'Ò'}, {U'O', 0x301, U'Ó'}, {U'O', 0x302, U'Ô'}, {U'O', 0x303, U'Õ'},
    {U'O', 0x308, U'Ö'}, {U'U', 0x300, U'Ù'}, {U'U', 0x301, U'Ú'}, {U'U', 0x302, U'Û'},
    {U'U', 0x308, U'Ü'}, {U'Y', 0x301, U'Ý'}, {U'a', 0x300, U'à'}, {U'a', 0x301, U'á'},
    {U'a', 0x302, U'â'}, {U'a', 0x303, U'ã'}, {U'a', 0x308, U'ä'}, {U'a', 0x30A, U'å'},
    {U'c', 0x327, U'ç'}, {U'e', 0x300, U'è'}, {U'e', 0x301, U'é'}, {U'e', 0x302, U'ê'},
    {U'e', 0x308, U'ë'}, {U'i', 0x300, U'ì'}, {U'i', 0x301, U'í'}, {U'i', 0x302, U'î'},
    {U'i', 0x308, U'ï'}, {U'n', 0x303, U'ñ'}, {U'o', 0x300, U'ò'}, {U'o', 0x301, U'ó'},
    {U'o', 0x302, U'ô'}, {U'o', 0x303, U'õ'}, {U'o', 0x308, U'ö'}, {U'u', 0x300, U'ù'},
    {U'u', 0x301, U'ú'}, {U'u', 0x302, U'û'}, {U'u', 0x308, U'ü'}, {U'y', 0x301, U'ý'},
    {U'y', 0x308, U'ÿ'}, {U'И', 0x306, U'Й'}, {U'и', 0x306, U'й'}, {U'Е', 0x308, U'Ё'},
    {U'е', 0x308, U'ё'}, {U'У', 0x306, U'Ў'}, {U'у', 0x306, U'ў'}, {U'І', 0x308, U'Ї'},
    {U'і', 0x308, U'ї'}, {U'S', 0x30C, U'Š'}, {U's', 0x30C, U'š'}, {U'Z', 0x30C, U'Ž'},
    {U'z', 0x30C, U'ž'}, {U'C', 0x30C, U'Č'}, {U'c', 0x30C, U'č'},
};

// The findings of the entries: those of an entry the program opens go to
// the line that opens it, the others to a line of the entry's own.
class EntryLines {
 public:
  EntryLines(const DiscNames& names, DiagnosticList& list) : names_(names), list_(list) {}
  void Add(const WalkedEntry& entry, Rule rule, Text message, Text consequence = {},
           std::optional<std::uint64_t> bytes = {}) {
    Finding finding{rule, entry.programPath, std::move(message), std::move(consequence)};
    finding.bytes = bytes;
    if (entry.folder && LosesWhatItHolds(rule)) folderFaults_.emplace(entry.path, finding);
    if (const Text asker = names_.AskerOf(entry.path); !asker.empty())
      list_.Add(asker, std::move(finding));
    else
      list_.AddOwn("entry " + entry.path, std::move(finding));
  }
  // A folder's first fault that loses or breaks what it holds; none for none.
  const Finding* FolderFault(const Text& path) const {
    const auto it = folderFaults_.find(path);
    return it == folderFaults_.end() ? nullptr : &it->second;
  }
  // For a finding of a file below such a folder.
  void AddAsked(const Text& asker, Finding finding) { list_.Add(asker, std::move(finding)); }

 private:
  // The faults of a folder that reach what it holds: the image leaves it
  // out, takes in what is not the disc's or cuts its name, or Windows
  // cannot open it.
  static bool LosesWhatItHolds(Rule rule) {
    return rule != Rule::LargeFile && rule != Rule::DecomposedName && rule != Rule::CaseTwins &&
           rule != Rule::CaseTwinsWarning && rule != Rule::SystemFile;
  }

  const DiscNames& names_;
  DiagnosticList& list_;
  std::map<Text, Finding> folderFaults_;
};

void CheckLink(const WalkedEntry& entry, bool opened, EntryLines& lines) {
  const Text link = "is a link to " + Quoted(entry.target);
  switch (entry.link) {
    case LinkKind::Outside:
      lines.Add(entry, Rule::LinkOutside, link + ", out of the disc folder",
                "the image would take in what lies outside it");
      break;
    case LinkKind::Loop:
      lines.Add(entry, Rule::LinkLoop, link + ", a folder around itself",
                "the image would repeat it without end");
      break;
    case LinkKind::Broken:
      lines.Add(entry, ErrorIfOpened(opened, Rule::LinkBroken, Rule::LinkBrokenWarning),
                link + ", which is not there (or a loop of links)");
      break;
    case LinkKind::None:
    case LinkKind::Inside:
      break;
  }
}

// The name as it is composed, when it holds characters in decomposed form
// that compose (a letter and its combining mark); nothing otherwise.
std::optional<Text> ComposedName(std::string_view name) {
  Text composed;
  bool changed = false;
  char32_t previous = 0;
  for (std::size_t i = 0; i < name.size();) {
    const char32_t c = NextChar(name, i);
    const auto it =
        std::find_if(std::begin(kCompositions), std::end(kCompositions),
                     [&](const Combining& k) { return k.base == previous && k.mark == c; });
    if (it != std::end(kCompositions)) {
      std::size_t back = composed.size();
      while (back > 0 && (static_cast<unsigned char>(composed[back - 1]) & 0xC0) == 0x80) --back;
      composed.resize(back - 1);  // the base letter, replaced by the composed one
      AppendChar(composed, it->composed);
      previous = 0;
      changed = true;
      continue;
    }
    AppendChar(composed, c);
    previous = c;
  }
  if (!changed) return std::nullopt;
  return composed;
}

// The findings of one entry; `tooLongBelow` is the folder whose path was
// already reported as too long, so that what it holds is not reported again.
void CheckEntry(const WalkedEntry& entry, bool opened, Text& tooLongBelow, EntryLines& lines) {
  // What the visitor meets, after what the image or Windows does.
  const auto consequence = [&](Text what) {
    return opened ? (what.empty() ? what : what + ": ") + "the program does not find it" : what;
  };
  CheckLink(entry, opened, lines);
  if (const NameFault fault = WindowsNameFault(entry.name); !fault.text.empty())
    lines.Add(entry, ErrorIfOpened(opened, fault.error, fault.warning), fault.text,
              consequence(fault.consequence));
  const std::size_t length = Utf16FromUtf8(entry.name).size();
  if (length > kJolietNameLimit)
    lines.Add(entry, ErrorIfOpened(opened, Rule::JolietName, Rule::JolietNameWarning),
              "has a name of " + std::to_string(length) + " UTF-16 characters",
              consequence("Joliet keeps " + std::to_string(kJolietNameLimit) +
                          ", so the image would cut it"));
  const bool below = !tooLongBelow.empty() && entry.path.rfind(tooLongBelow + "/", 0) == 0;
  const std::size_t pathLength = Utf16FromUtf8(entry.path).size();
  if (!below && pathLength > kJolietPathLimit) {
    lines.Add(entry, ErrorIfOpened(opened, Rule::JolietPath, Rule::JolietPathWarning),
              "has a path of " + std::to_string(pathLength) + " UTF-16 characters",
              consequence("Joliet keeps paths of up to " + std::to_string(kJolietPathLimit) +
                          " (240 bytes), so the image would leave it out" +
                          (entry.folder ? " with all it holds" : "")));
    if (entry.folder) tooLongBelow = entry.path;
  }
  if (!entry.folder && entry.size > kLargestFileBytes)
    lines.Add(entry, Rule::LargeFile, "is " + Gibibytes(entry.size),
              "ISO 9660 and Joliet keep a file in one piece only below 4 GiB, and not "
              "every Windows reads the parts of a larger one",
              entry.size);
  if (const auto composed = ComposedName(entry.name))
    lines.Add(entry, Rule::DecomposedName,
              "has a name in decomposed Unicode form, " + std::to_string(CharCount(entry.name)) +
                  " characters, where the composed " + Quoted(*composed) + " has " +
                  std::to_string(CharCount(*composed)),
              "Windows takes the two for different names");
  if (!entry.readable && entry.link == LinkKind::None)
    lines.Add(entry, ErrorIfOpened(opened, Rule::Unreadable, Rule::UnreadableWarning),
              "cannot be read", consequence({}));
  if (!entry.folder && IsSystemFile(entry.name))
    lines.Add(entry, Rule::SystemFile, "was written by the system, burnt with the disc",
              "nothing on it needs the file");
}

// Names of one folder that differ only in letter case: Windows finds one of
// them for either name.
void CheckCaseTwins(const DiscNames& names, const std::vector<WalkedEntry>& walked,
                    EntryLines& lines) {
  std::map<Text, std::vector<const WalkedEntry*>> byFolderAndName;
  for (const WalkedEntry& entry : walked)
    byFolderAndName[ParentPath(entry.path) + "/" + LowerCaseFrom(entry.name, 0)].push_back(&entry);
  for (const auto& [key, twins] : byFolderAndName) {
    if (twins.size() < 2) continue;
    const bool opened = std::any_of(twins.begin(), twins.end(),
                                    [&](const WalkedEntry* e) { return names.IsUsed(e->path); });
    Text others;
    for (std::size_t i = 1; i < twins.size(); ++i)
      others += (i > 1 ? ", " : "") + Quoted(twins[i]->name);
    lines.Add(*twins[0], ErrorIfOpened(opened, Rule::CaseTwins, Rule::CaseTwinsWarning),
              "and " + others + " differ only in letter case",
              "Windows opens one of them for either name" +
                  Text(opened ? ", and the program may get the wrong one" : ""));
  }
}

// A file the program opens below a folder with such a fault is lost or
// broken with it: an error on the line that opens it, naming the outermost
// such folder, besides the folder's own finding; files of several items
// below one folder are one error, on the first of them, that counts them.
void CheckOpenedBelowFaults(const DiscNames& names, EntryLines& lines) {
  for (const auto& [path, asker] : names.Askers()) {
    Text folder;
    const Finding* fault = nullptr;
    for (Text above = ParentPath(path); !above.empty(); above = ParentPath(above))
      if (const Finding* f = lines.FolderFault(above)) folder = above, fault = f;
    if (!fault) continue;
    Text programPath = path, programFolder = folder;
    std::replace(programPath.begin(), programPath.end(), '/', '\\');
    std::replace(programFolder.begin(), programFolder.end(), '/', '\\');
    // The folder is the cause: what several items open below it counts once.
    lines.AddAsked(asker, {Rule::FolderAbove, programPath,
                           "lies in " + Quoted(programFolder) + ", which " + fault->message,
                           fault->consequence, programFolder});
  }
}

}  // namespace

bool IsSystemFile(std::string_view name) {
  const Text lower = LowerCaseFrom(name, 0);
  return lower.starts_with(kLockFilePrefix) ||
         std::find(kSystemFiles.begin(), kSystemFiles.end(), lower) != kSystemFiles.end();
}

void CheckImageEntries(const DiscNames& names, const std::vector<WalkedEntry>& walked,
                       DiagnosticList& list) {
  EntryLines lines(names, list);
  Text tooLongBelow;
  for (const WalkedEntry& entry : walked)
    CheckEntry(entry, names.IsUsed(entry.path), tooLongBelow, lines);
  CheckCaseTwins(names, walked, lines);
  CheckOpenedBelowFaults(names, lines);
}

}  // namespace demodisc
