// An estimate of the size of the disc's ISO 9660 image with Joliet names
// (tools/make-disc-image.sh), against what a CD and a DVD hold.
#pragma once

#include <cstdint>
#include <vector>

#include "disc_check/disc_report.h"

namespace demodisc {

// Sectors of 2048 bytes: 360,000 on a CD of 700 MB (80 minutes), 2,295,104
// on a single-layer DVD of 4.7 GB.
inline constexpr std::uint64_t kCdBytes = 360000ull * 2048;
inline constexpr std::uint64_t kDvdBytes = 2295104ull * 2048;

struct ImageFolder {
  std::vector<std::size_t> nameLengths;  // in UTF-16 characters, of its entries
};

// Every file takes whole sectors; every folder a directory in each of the
// two name trees; the volume's descriptors, path tables, autorun.inf and
// the padding the image tool adds come on top.
std::uint64_t EstimateImageBytes(const std::vector<std::uint64_t>& fileSizes,
                                 const std::vector<ImageFolder>& folders);

// The note, warning or error of the image's size.
Finding ImageSizeFinding(std::uint64_t imageBytes);

}  // namespace demodisc
