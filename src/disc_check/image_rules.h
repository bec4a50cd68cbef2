// Each entry of the disc as the image and Windows see it: names Windows
// cannot open, names and paths Joliet cuts or leaves out, names that
// differ only in letter case, files too large for one piece, names in
// decomposed Unicode, links. Where the program opens the entry, the visitor
// meets the failure and it is an error; elsewhere a warning.
#pragma once

#include <cstdint>
#include <vector>

#include "disc_check/diagnostics.h"
#include "disc_check/disc_walk.h"

namespace demodisc {

// Joliet keeps names of up to 64 UTF-16 units, and paths (below the root,
// without a leading "/") of up to 240 bytes, which are 120 UTF-16 units:
// xorriso leaves out a path of 121.
inline constexpr std::size_t kJolietNameLimit = 64;
inline constexpr std::size_t kJolietPathLimit = 120;
// ISO 9660 and Joliet keep a file in one piece only below 4 GiB.
inline constexpr std::uint64_t kLargestFileBytes = (1ull << 32) - 1;

// A file that Windows, macOS or an office program writes into a folder by
// itself (Thumbs.db, desktop.ini, .DS_Store, ~$ lock files), by its name
// with letter case ignored.
bool IsSystemFile(std::string_view name);

// Findings about files nothing opens go on a line per entry; those about
// files the program opens, on the line of the item or row that opens it.
void CheckImageEntries(const DiscNames& names, const std::vector<WalkedEntry>& walked,
                       DiagnosticList& list);

}  // namespace demodisc
