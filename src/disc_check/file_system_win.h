// The disc check's file system on Windows (Windows 7 and later), through
// the wide calls only: paths of any length and any letters (every path made
// absolute with the \\?\ prefix, names used exactly as listed), symbolic
// links and junctions followed as the image follows them.
#pragma once

#include "disc_check/file_system.h"

namespace demodisc {

class WindowsFileSystem final : public FileSystem {
 public:
  Text Absolute(const Text& given) const override;
  Text Beside(const Text& folder, std::string_view suffix) const override;
  std::optional<std::vector<Entry>> List(const Text& folder) const override;
  std::optional<std::vector<Text>> RealPath(const Text& path) const override;
  std::optional<std::uint64_t> FileSize(const Text& file) const override;
  std::optional<std::string> Read(const Text& file, std::size_t limit) const override;
  BlockRead ReadInBlocks(const Text& file, const BlockSink& sink) const override;
  std::optional<Text> Replace(const Text& file, const std::string& bytes) const override;

 private:
  // What a link points to: the text it holds, or, where the system tells
  // none (Wine shows a Unix link to a folder without its text), the way
  // from its folder to what it leads to.
  Text LinkTarget(const Text& folder, const Text& link) const;
};

}  // namespace demodisc
