// The disc check: what the program looks for on its disc, checked over a
// folder tree before the disc is burnt. The pages come in the program's
// order, each item or publication row on a line of its own; the disc as a
// whole (its start program, folders, the reader installer, the two windows
// no control opens, files nothing uses, names the image would cut, the
// image's size) last.
#pragma once

#include "disc_check/disc_report.h"
#include "disc_check/disc_tree.h"
#include "disc_check/text_place_rules.h"

namespace demodisc {

// The start program at the root of the disc, which autorun.inf starts.
inline constexpr char kStartProgram[] = "DemoDisc.exe";
// The file tools/make-disc-image.sh adds at the root.
inline constexpr char kAutorunFile[] = "autorun.inf";
// The files' checksums, which tools/make-disc-image.sh adds at the root
// (sha256sum's lines), for --verify.
inline constexpr char kManifestFile[] = "DISC.SHA256";

// Whether a folder holding these entries is a disc: it holds the start
// program, DemoDisc.ini or one of the program's folders.
bool IsDiscRoot(const std::vector<DiscEntry>& root);

// `disc` names the folder in the report. With `width`, the captions and
// contact lines of a disc's own DemoDisc.ini are measured in their places.
DiscReport CheckDisc(const DiscTree& tree, const Text& disc, const TextWidth& width = {});

}  // namespace demodisc
