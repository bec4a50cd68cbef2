// Every entry of the disc folder as the image stores it: links followed to
// what they point to, except links that point out of the folder or to a
// folder around themselves.
#pragma once

#include <cstdint>
#include <vector>

#include "disc_check/disc_names.h"

namespace demodisc {

struct WalkedEntry {
  Text path;         // tree path
  Text programPath;  // names joined by "\"
  Text name;
  bool folder = false;
  LinkKind link = LinkKind::None;
  Text target;
  std::uint64_t size = 0;  // of a file
  bool readable = true;    // a folder that can be listed, a file whose size is known
};

// The entries below the root, each folder's in name order, a folder before
// what it holds.
std::vector<WalkedEntry> WalkDisc(DiscNames& names);

// The folder part of a tree path; "" for an entry of the root.
Text ParentPath(const Text& path);

}  // namespace demodisc
