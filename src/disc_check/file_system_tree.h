// The disc check's tree over a folder of the file system, read through the
// system's own calls (file_system.h).
#pragma once

#include <vector>

#include "disc_check/disc_tree.h"
#include "disc_check/file_system.h"

namespace demodisc {

class FileSystemTree final : public DiscTree {
 public:
  // `root` as given on a command line.
  FileSystemTree(const Text& root, const FileSystem& files)
      : root_(files.Absolute(root)), files_(files) {}

  std::optional<std::vector<DiscEntry>> List(const Text& folder) const override;
  std::optional<std::uint64_t> Size(const Text& file) const override;
  std::optional<std::string> Bytes(const Text& file) const override;
  std::optional<std::string> Head(const Text& file, std::size_t count) const override;
  BlockRead ReadInBlocks(const Text& file, const BlockSink& sink) const override;

  // The file system's path of a tree path (UTF-8 names joined by "/").
  Text PathOf(const Text& relative) const;

 private:
  // The folders the walk passed through to reach a folder (its tree path),
  // as they really are: the root, and each folder on the way, itself last.
  std::vector<std::vector<Text>> FoldersAround(const Text& folder) const;
  // Where a link below the root stands: inside, outside, on one of the
  // folders `around` it.
  LinkKind KindOfLink(const Text& link, bool folder,
                      const std::vector<std::vector<Text>>& around) const;

  Text root_;
  const FileSystem& files_;
};

// True when `inner` is `outer` or below it (both real paths).
bool IsWithin(const std::vector<Text>& inner, const std::vector<Text>& outer);

}  // namespace demodisc
