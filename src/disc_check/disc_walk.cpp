#include "disc_check/disc_walk.h"

#include <algorithm>

namespace demodisc {

namespace {

void Walk(DiscNames& names, const Text& folder, const Text& programFolder,
          std::vector<WalkedEntry>& out) {
  const auto& entries = names.Entries(folder);
  if (!entries) return;
  std::vector<DiscEntry> sorted = *entries;
  std::sort(sorted.begin(), sorted.end(),
            [](const DiscEntry& a, const DiscEntry& b) { return a.name < b.name; });
  for (const DiscEntry& entry : sorted) {
    WalkedEntry walked{ChildPath(folder, entry.name),
                       programFolder.empty() ? entry.name : programFolder + "\\" + entry.name,
                       entry.name,
                       entry.folder,
                       entry.link,
                       entry.target};
    // The image stores neither a link out of the folder nor one to a folder around it.
    const bool stored = entry.link != LinkKind::Outside && entry.link != LinkKind::Loop;
    if (!entry.folder) {
      const auto size = names.tree().Size(walked.path);
      walked.readable = size.has_value();
      walked.size = size.value_or(0);
    } else if (stored) {
      walked.readable = names.Entries(walked.path).has_value();
    }
    out.push_back(walked);
    if (entry.folder && stored) Walk(names, walked.path, walked.programPath, out);
  }
}

}  // namespace

std::vector<WalkedEntry> WalkDisc(DiscNames& names) {
  std::vector<WalkedEntry> walked;
  Walk(names, "", "", walked);
  return walked;
}

Text ParentPath(const Text& path) {
  const std::size_t slash = path.rfind('/');
  return slash == Text::npos ? Text() : path.substr(0, slash);
}

}  // namespace demodisc
