// The folder tree the disc check reads: a disc's folder as a tree of named
// entries, so that the rules run as well over the file system as over a
// small tree in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "disc_check/block_read.h"

namespace demodisc {

// How a symbolic link stands to the disc: the image stores what a link
// points to, so a link must point to something inside the disc folder and
// not to a folder around itself.
enum class LinkKind { None, Inside, Outside, Loop, Broken };

struct DiscEntry {
  Text name;
  bool folder = false;  // a link to a folder counts as a folder
  LinkKind link = LinkKind::None;
  Text target;  // for a link: what it points to, as the link holds it
};

// Paths name entries below the root by their names on the disc joined by
// "/"; the root itself is "".
class DiscTree {
 public:
  virtual ~DiscTree() = default;
  // A folder's entries in any order; nothing when it is no folder or cannot be read.
  virtual std::optional<std::vector<DiscEntry>> List(const Text& folder) const = 0;
  // A file's size in bytes; nothing when it is no file.
  virtual std::optional<std::uint64_t> Size(const Text& file) const = 0;
  // A file's bytes; nothing when it cannot be read.
  virtual std::optional<std::string> Bytes(const Text& file) const = 0;
  // The first `count` bytes of a file (fewer when it is shorter).
  virtual std::optional<std::string> Head(const Text& file, std::size_t count) const {
    std::optional<std::string> bytes = Bytes(file);
    if (bytes && bytes->size() > count) bytes->resize(count);
    return bytes;
  }
  // A file read whole once, each block handed to `sink` as it is read.
  virtual BlockRead ReadInBlocks(const Text& file, const BlockSink& sink) const {
    const std::optional<std::string> bytes = Bytes(file);
    if (!bytes) return {};
    sink(*bytes);
    return {true, bytes->size(), false};
  }
};

// The path of an entry of a folder.
inline Text ChildPath(const Text& folder, std::string_view name) {
  return folder.empty() ? Text(name) : folder + "/" + Text(name);
}

}  // namespace demodisc
