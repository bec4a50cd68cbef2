// --verify: every file of a burnt disc read back whole, once, in large
// blocks, hashed as it is read, and compared with the disc's DISC.SHA256
// (manifest.h). Its findings make the report's first page; a disc without
// the file has a note there, and the rest of the check is as without
// --verify.
#pragma once

#include <cstdint>
#include <functional>

#include "disc_check/disc_report.h"
#include "disc_check/disc_tree.h"
#include "disc_check/sha256.h"

namespace demodisc {

// Takes the progress's text to write as it is, on a console; empty on a pipe.
using ProgressWriter = std::function<void(const Text& text)>;

// The report's page of the read-back, key "Verify".
ReportSection VerifyDisc(const DiscTree& tree, Sha256Maker sha256, const ProgressWriter& progress);

// The progress line: "read back 12.3 of 500.0 MB, 40.1 MB/s, 0:12 left".
Text ProgressLine(std::uint64_t done, std::uint64_t total, double seconds);

}  // namespace demodisc
