#include "disc_check/file_system_tree.h"

#include <algorithm>
#include <limits>

namespace demodisc {

bool IsWithin(const std::vector<Text>& inner, const std::vector<Text>& outer) {
  return inner.size() >= outer.size() && std::equal(outer.begin(), outer.end(), inner.begin());
}

Text FileSystemTree::PathOf(const Text& relative) const {
  if (relative.empty() || root_.empty()) return root_ + relative;
  return root_ + (root_.back() == '/' ? "" : "/") + relative;
}

LinkKind FileSystemTree::KindOfLink(const Text& link, bool folder,
                                    const std::vector<std::vector<Text>>& around) const {
  const auto target = files_.RealPath(link);
  if (!target) return LinkKind::Broken;
  const auto root = files_.RealPath(root_);
  if (!root || !IsWithin(*target, *root)) return LinkKind::Outside;
  // A link to a folder around it, as the walk reached it (through other
  // links too), repeats that folder without end.
  if (folder)
    for (const std::vector<Text>& outer : around)
      if (IsWithin(outer, *target)) return LinkKind::Loop;
  return LinkKind::Inside;
}

std::vector<std::vector<Text>> FileSystemTree::FoldersAround(const Text& folder) const {
  std::vector<std::vector<Text>> around;
  if (const auto root = files_.RealPath(root_)) around.push_back(*root);
  for (std::size_t slash = folder.find('/');; slash = folder.find('/', slash + 1)) {
    const Text outer = slash == Text::npos ? folder : folder.substr(0, slash);
    if (!outer.empty())
      if (const auto real = files_.RealPath(PathOf(outer))) around.push_back(*real);
    if (slash == Text::npos) break;
  }
  return around;
}

std::optional<std::vector<DiscEntry>> FileSystemTree::List(const Text& folder) const {
  const auto listed = files_.List(PathOf(folder));
  if (!listed) return std::nullopt;
  std::vector<DiscEntry> entries;
  std::vector<std::vector<Text>> around;  // found at the first link only
  for (const FileSystem::Entry& entry : *listed) {
    // A link counts as what it points to, as it does on the burnt disc.
    DiscEntry disc{entry.name, entry.folder};
    if (entry.link) {
      if (around.empty()) around = FoldersAround(folder);
      disc.link = KindOfLink(PathOf(ChildPath(folder, entry.name)), entry.folder, around);
      disc.target = entry.target;
    }
    entries.push_back(std::move(disc));
  }
  return entries;
}

std::optional<std::uint64_t> FileSystemTree::Size(const Text& file) const {
  return files_.FileSize(PathOf(file));
}

std::optional<std::string> FileSystemTree::Bytes(const Text& file) const {
  return files_.Read(PathOf(file), std::numeric_limits<std::size_t>::max());
}

std::optional<std::string> FileSystemTree::Head(const Text& file, std::size_t count) const {
  return files_.Read(PathOf(file), count);
}

BlockRead FileSystemTree::ReadInBlocks(const Text& file, const BlockSink& sink) const {
  return files_.ReadInBlocks(PathOf(file), sink);
}

}  // namespace demodisc
