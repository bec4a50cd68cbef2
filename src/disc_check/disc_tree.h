// The folder tree the disc check reads: a disc's folder as a tree of named
// entries, so that the rules run as well over the file system as over a
// small tree in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"

namespace demodisc {

struct DiscEntry {
  Text name;
  bool folder = false;
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
};

// The path of an entry of a folder.
inline Text ChildPath(const Text& folder, std::string_view name) {
  return folder.empty() ? Text(name) : folder + "/" + Text(name);
}

}  // namespace demodisc
