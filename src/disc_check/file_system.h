// What the disc check asks of the file system, each system answering through
// its own calls: std::filesystem here (PortableFileSystem), the wide Win32
// calls on Windows (file_system_win.h). Paths are UTF-8 texts (WTF-8 on
// Windows, so that any name goes there and back); the tree over a folder
// (file_system_tree.h) joins names to them with "/".
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "disc_check/block_read.h"

namespace demodisc {

class FileSystem {
 public:
  struct Entry {
    Text name;
    bool folder = false;  // for a link: whether what it points to is a folder
    bool link = false;
    Text target;  // for a link: what it points to, as the link holds it
  };

  virtual ~FileSystem() = default;
  // The path the calls below take for one given on a command line.
  virtual Text Absolute(const Text& given) const = 0;
  // The path of a file beside a folder, named as the folder with `suffix`
  // ("disc/" and ".accepted" give "disc.accepted").
  virtual Text Beside(const Text& folder, std::string_view suffix) const = 0;
  // A folder's entries in any order; nothing when it is no folder or cannot be read.
  virtual std::optional<std::vector<Entry>> List(const Text& folder) const = 0;
  // The names from the top of the file system down to what the path leads
  // to, every link on the way followed; nothing when it leads nowhere.
  virtual std::optional<std::vector<Text>> RealPath(const Text& path) const = 0;
  // A file's size in bytes; nothing when it is no file (a folder, nothing).
  virtual std::optional<std::uint64_t> FileSize(const Text& file) const = 0;
  // Up to `limit` bytes from a file's start; nothing when it cannot be read.
  virtual std::optional<std::string> Read(const Text& file, std::size_t limit) const = 0;
  // A file read whole once, in blocks of kReadBlockBytes, each handed to
  // `sink` as it is read; the systems' own do so, this one reads it at once.
  virtual BlockRead ReadInBlocks(const Text& file, const BlockSink& sink) const;
  // Gives a file new bytes: written whole into a new file beside it, which
  // then takes its place, so that a crash never leaves half a file; the
  // file's permissions stay. Nothing when done, else why not, in words
  // ("it is read-only", "cannot write a new copy in its folder (...)").
  virtual std::optional<Text> Replace(const Text& file, const std::string& bytes) const = 0;
};

// A path named in UTF-8 as std::filesystem takes it, and back.
std::filesystem::path PathFromUtf8(std::string_view text);
Text Utf8FromPath(const std::filesystem::path& path);

// The file system through std::filesystem, on a system whose paths are bytes (Linux).
class PortableFileSystem final : public FileSystem {
 public:
  Text Absolute(const Text& given) const override { return given; }
  Text Beside(const Text& folder, std::string_view suffix) const override;
  std::optional<std::vector<Entry>> List(const Text& folder) const override;
  std::optional<std::vector<Text>> RealPath(const Text& path) const override;
  std::optional<std::uint64_t> FileSize(const Text& file) const override;
  std::optional<std::string> Read(const Text& file, std::size_t limit) const override;
  BlockRead ReadInBlocks(const Text& file, const BlockSink& sink) const override;
  std::optional<Text> Replace(const Text& file, const std::string& bytes) const override;
};

// The name of the new copy that Replace writes beside a file, the n-th tried.
Text ReplacementName(const Text& file, int n);
// How many names Replace tries before it gives up.
inline constexpr int kReplacementNames = 100;

}  // namespace demodisc
