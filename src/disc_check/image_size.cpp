#include "disc_check/image_size.h"

#include <cstdio>

namespace demodisc {

namespace {

constexpr std::uint64_t kSector = 2048;
// What the image takes beside the folders and files: the system area, the
// volume descriptors, the path tables, the 300 KB of padding xorriso adds
// and the rest of its own (its image of a folder with one file in a
// subfolder takes 224 sectors), and autorun.inf.
constexpr std::uint64_t kFixedSectors = 218 + 1;
// A directory record: 33 bytes and the name (one byte a character in the
// ISO tree, two in the Joliet tree), padded to an even length.
constexpr std::uint64_t kRecord = 34;

std::uint64_t Sectors(std::uint64_t bytes) { return (bytes + kSector - 1) / kSector; }

// Sizes in mebibytes (2^20 bytes), labelled so.
Text Mebibytes(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1024.0 * 1024.0));
  return text;
}

// What a disc holds, as it is sold and in mebibytes: "(700 MB, 703.1 MiB)".
Text DiscSize(const char* sold, std::uint64_t bytes) {
  return "(" + Text(sold) + ", " + Mebibytes(bytes) + ")";
}

Finding ImageSizeWords(std::uint64_t imageBytes) {
  const Text about = "about " + Mebibytes(imageBytes);
  const Text cd = DiscSize("700 MB", kCdBytes);
  const Text dvd = DiscSize("4.7 GB", kDvdBytes);
  if (imageBytes > kDvdBytes)
    return {Rule::ImageSizeError, "", about, "more than a DVD holds " + dvd};
  if (imageBytes > kCdBytes)
    return {Rule::ImageSizeWarning, "", about,
            "more than a CD holds " + cd + "; it fits a DVD " + dvd};
  return {Rule::ImageSize, "", about, "fits a CD " + cd};
}

}  // namespace

std::uint64_t EstimateImageBytes(const std::vector<std::uint64_t>& fileSizes,
                                 const std::vector<ImageFolder>& folders) {
  std::uint64_t sectors = kFixedSectors;
  for (const std::uint64_t size : fileSizes) sectors += Sectors(size);
  for (const ImageFolder& folder : folders) {
    std::uint64_t iso = 2 * kRecord, joliet = 2 * kRecord;  // "." and ".."
    for (const std::size_t length : folder.nameLengths) {
      iso += kRecord + length;
      joliet += kRecord + 2 * length;
    }
    sectors += Sectors(iso) + Sectors(joliet);
  }
  return sectors * kSector;
}

Finding ImageSizeFinding(std::uint64_t imageBytes) {
  Finding finding = ImageSizeWords(imageBytes);
  finding.bytes = imageBytes;
  return finding;
}

}  // namespace demodisc
