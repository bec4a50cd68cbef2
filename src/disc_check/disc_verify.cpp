#include "disc_check/disc_verify.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>

#include "disc_check/disc_names.h"
#include "disc_check/disc_rules.h"
#include "disc_check/disc_walk.h"
#include "disc_check/manifest.h"

namespace demodisc {

namespace {

// No make-disc-image.sh writes a larger one: 100 bytes a line for a
// million files.
constexpr std::uint64_t kLargestManifest = 100u << 20;

// The progress line is written again at most this often.
constexpr double kProgressSeconds = 0.25;

// The progress line overwritten in place: a carriage return, the line, and
// blanks over what a longer line before it left.
class Progress {
 public:
  Progress(const ProgressWriter& write, std::uint64_t total) : write_(write), total_(total) {}

  void Show(std::uint64_t done, bool now = false) {
    if (!write_) return;
    const double seconds = Seconds();
    if (!now && seconds - shownAt_ < kProgressSeconds) return;
    shownAt_ = seconds;
    Overwrite(ProgressLine(done, total_, seconds));
  }
  void Clear() {
    if (!write_ || shown_ == 0) return;
    Overwrite({});
    write_("\r");
  }

 private:
  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }
  void Overwrite(const Text& line) {
    const std::size_t length = CharCount(line);
    write_("\r" + line + Text(shown_ > length ? shown_ - length : 0, ' '));
    shown_ = length;
  }

  const ProgressWriter& write_;
  std::uint64_t total_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  double shownAt_ = 0;
  std::size_t shown_ = 0;
};

Text Decimal(double value, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// "0:07", "1:02:03".
Text Duration(double seconds) {
  const auto whole = static_cast<unsigned long long>(seconds + 0.5);
  char text[40];
  if (whole >= 3600)
    std::snprintf(text, sizeof text, "%llu:%02llu:%02llu", whole / 3600, whole / 60 % 60,
                  whole % 60);
  else
    std::snprintf(text, sizeof text, "%llu:%02llu", whole / 60, whole % 60);
  return text;
}

Text ProgramPath(Text treePath) {
  std::replace(treePath.begin(), treePath.end(), '/', '\\');
  return treePath;
}

Text Bytes(std::uint64_t count) {
  return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

// A file's line: its path, one finding.
ReportLine FileLine(const Text& programPath, Rule rule, Text message,
                    std::optional<std::uint64_t> bytes = std::nullopt) {
  Finding finding{rule, programPath, std::move(message)};
  finding.bytes = bytes;
  return {programPath, {std::move(finding)}, {}};
}

// What reading a file gave against its manifest line: nothing when they agree.
std::optional<ReportLine> ReadBack(const DiscTree& tree, const WalkedEntry& file,
                                   const ManifestEntry& listed, Sha256Maker sha256,
                                   Progress& progress, std::uint64_t& done) {
  const std::unique_ptr<Sha256> hash = sha256();
  const std::uint64_t before = done;
  const BlockRead read = tree.ReadInBlocks(file.path, [&](std::string_view block) {
    hash->Add(block);
    done += block.size();
    progress.Show(done);
  });
  // What was not read counts as done, so that the time left stays true.
  done = before + std::max(file.size, read.bytes);
  if (!read.opened) return FileLine(file.programPath, Rule::ReadFailed, "cannot be opened", 0);
  if (read.failed)
    return FileLine(
        file.programPath, Rule::ReadFailed,
        "reading failed at byte " + std::to_string(read.bytes) + " of " + std::to_string(file.size),
        read.bytes);
  if (HexDigest(hash->Finish()) != listed.hex)
    return FileLine(
        file.programPath, Rule::ChecksumDiffers,
        "its bytes differ from those DISC.SHA256 gives on line " + std::to_string(listed.line),
        read.bytes);
  return std::nullopt;
}

}  // namespace

Text ProgressLine(std::uint64_t done, std::uint64_t total, double seconds) {
  const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
  Text line = "read back " + Decimal(static_cast<double>(done) / 1e6, "%.1f") + " of " +
              Decimal(static_cast<double>(total) / 1e6, "%.1f") + " MB";
  if (rate <= 0) return line;
  line += ", " + Decimal(rate / 1e6, "%.1f") + " MB/s";
  return line + ", " + Duration(static_cast<double>(total > done ? total - done : 0) / rate) +
         " left";
}

ReportSection VerifyDisc(const DiscTree& tree, Sha256Maker sha256, const ProgressWriter& progress) {
  ReportSection section{"Read back against " + Text(kManifestFile), {}, "Verify"};
  ReportLine head{kManifestFile, {}, "manifest"};
  DiscNames names(tree);
  const std::vector<WalkedEntry> walked = WalkDisc(names);
  const auto manifestFile = std::find_if(walked.begin(), walked.end(), [](const WalkedEntry& e) {
    return !e.folder && e.path.find('/') == Text::npos &&
           SameNameIgnoringCase(e.name, kManifestFile);
  });
  if (manifestFile == walked.end()) {
    head.findings.push_back({Rule::NoManifest, kManifestFile,
                             "is not on the disc: it was not made by make-disc-image.sh, so "
                             "its files' bytes are not verified; the rest of the check is as "
                             "without --verify"});
    section.lines.push_back(std::move(head));
    return section;
  }
  const std::optional<std::string> bytes =
      manifestFile->size > kLargestManifest ? std::nullopt : tree.Bytes(manifestFile->path);
  if (!bytes) {
    head.findings.push_back({Rule::ReadFailed, manifestFile->programPath,
                             manifestFile->size > kLargestManifest
                                 ? "is larger than any make-disc-image.sh writes"
                                 : "cannot be read"});
    section.lines.push_back(std::move(head));
    return section;
  }
  const Manifest manifest = ParseManifest(*bytes);
  for (const ManifestFault& fault : manifest.faults)
    head.findings.push_back({Rule::ManifestFault, manifestFile->programPath,
                             "line " + std::to_string(fault.line) + " " + fault.what});

  std::map<Text, const ManifestEntry*> listed;
  for (const ManifestEntry& entry : manifest.entries) listed.emplace(entry.path, &entry);
  // The files as the image stores them, but the manifest itself.
  std::vector<const WalkedEntry*> files;
  std::uint64_t total = 0;
  for (const WalkedEntry& entry : walked)
    if (!entry.folder && &entry != &*manifestFile && entry.link != LinkKind::Outside &&
        entry.link != LinkKind::Loop) {
      files.push_back(&entry);
      if (listed.count(entry.path)) total += entry.size;
    }

  Progress shown(progress, total);
  shown.Show(0, true);
  std::vector<ReportLine> lines;
  std::uint64_t done = 0;
  int matched = 0;
  for (const WalkedEntry* file : files) {
    const auto it = listed.find(file->path);
    if (it == listed.end()) {
      lines.push_back(FileLine(file->programPath, Rule::NotInManifest,
                               "is on the disc but not in DISC.SHA256"));
      continue;
    }
    const ManifestEntry& entry = *it->second;
    listed.erase(it);
    if (auto line = ReadBack(tree, *file, entry, sha256, shown, done))
      lines.push_back(std::move(*line));
    else
      ++matched;
  }
  shown.Clear();
  for (const ManifestEntry& entry : manifest.entries)
    if (listed.count(entry.path))
      lines.push_back(FileLine(ProgramPath(entry.path), Rule::NotOnDisc,
                               "is listed on line " + std::to_string(entry.line) +
                                   " of DISC.SHA256 but is not on the disc"));
  if (lines.empty() && head.findings.empty()) {
    Finding verified{Rule::Verified, kManifestFile,
                     "every file of the disc read back whole, " + std::to_string(matched) +
                         " files and " + Bytes(done) + ": each matches its line"};
    verified.bytes = done;
    head.findings.push_back(std::move(verified));
  }
  if (!head.findings.empty()) section.lines.push_back(std::move(head));
  for (ReportLine& line : lines) section.lines.push_back(std::move(line));
  return section;
}

}  // namespace demodisc
