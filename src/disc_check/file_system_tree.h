// The disc check's tree over a folder of the file system.
#pragma once

#include <filesystem>
#include <vector>

#include "disc_check/disc_tree.h"

namespace demodisc {

class FileSystemTree final : public DiscTree {
 public:
  explicit FileSystemTree(std::filesystem::path root) : root_(std::move(root)) {}

  std::optional<std::vector<DiscEntry>> List(const Text& folder) const override;
  std::optional<std::uint64_t> Size(const Text& file) const override;
  std::optional<std::string> Bytes(const Text& file) const override;
  std::optional<std::string> Head(const Text& file, std::size_t count) const override;

 private:
  // A tree path (UTF-8 names joined by "/") below the root.
  std::filesystem::path PathOf(const Text& relative) const;
  // The folders the walk passed through to reach a folder (its tree path),
  // as they really are: the root, and each folder on the way, itself last.
  std::vector<std::filesystem::path> FoldersAround(const Text& folder) const;
  // Where a link below the root stands: inside, outside, on one of the
  // folders `around` it.
  LinkKind KindOfLink(const std::filesystem::path& link, bool folder,
                      const std::vector<std::filesystem::path>& around) const;

  std::filesystem::path root_;
};

// A UTF-8 text as a path and back, on any system.
std::filesystem::path PathFromUtf8(std::string_view text);
Text Utf8FromPath(const std::filesystem::path& path);

}  // namespace demodisc
