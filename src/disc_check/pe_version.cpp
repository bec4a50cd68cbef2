#include "disc_check/pe_version.h"

#include <algorithm>
#include <cstdint>

#include "disc_check/pe_bytes.h"

namespace demodisc {

namespace {

// How much of the file is read: the headers and the resources of an
// installer lie well inside it.
constexpr std::size_t kHeadLimit = 4 << 20;
constexpr std::uint32_t kVersionResource = 16;  // RT_VERSION
constexpr std::uint32_t kSubdirectory = 0x80000000;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kLongestName = 256;

class PeFile {
 public:
  explicit PeFile(std::string_view bytes) : b_(bytes) {}

  std::optional<std::uint32_t> At(std::size_t at, std::size_t count) const {
    return LittleEndianAt(b_, at, count);
  }

  // The file offset of the resource section's start; nothing without one.
  std::optional<std::size_t> Resources() {
    if (!b_.starts_with("MZ")) return std::nullopt;
    const auto pe = At(0x3C, 4);
    if (!pe || *pe > b_.size() || b_.substr(*pe, 4) != std::string_view("PE\0\0", 4))
      return std::nullopt;
    const auto sections = At(*pe + 6, 2), optionalBytes = At(*pe + 20, 2);
    const std::size_t optional = *pe + 24;
    const auto magic = At(optional, 2);
    if (!sections || !optionalBytes || !magic || (*magic != 0x10B && *magic != 0x20B))
      return std::nullopt;
    const std::size_t directories = optional + (*magic == 0x10B ? 96 : 112);
    const auto count = At(directories - 4, 4);
    if (!count || *count < 3) return std::nullopt;
    const auto rva = At(directories + 2 * 8, 4);
    sectionTable_ = optional + *optionalBytes;
    sectionCount_ = *sections;
    if (!rva || *rva == 0) return std::nullopt;
    return FileOffset(*rva);
  }

  // Where an address in memory lies in the file.
  std::optional<std::size_t> FileOffset(std::uint32_t rva) const {
    for (std::size_t s = 0; s < sectionCount_; ++s) {
      const std::size_t at = sectionTable_ + 40 * s;
      const auto size = At(at + 8, 4), address = At(at + 12, 4), raw = At(at + 16, 4),
                 pointer = At(at + 20, 4);
      if (!size || !address || !raw || !pointer) return std::nullopt;
      if (rva >= *address && rva - *address < std::max(*size, *raw))
        return std::size_t{*pointer} + (rva - *address);
    }
    return std::nullopt;
  }

  // The offset of a resource directory's entry: the one of `id`, or the first.
  std::optional<std::uint32_t> Entry(std::size_t directory, std::optional<std::uint32_t> id) const {
    const auto named = At(directory + 12, 2), ids = At(directory + 14, 2);
    if (!named || !ids) return std::nullopt;
    for (std::size_t e = 0; e < std::size_t{*named} + *ids; ++e) {
      const auto name = At(directory + 16 + 8 * e, 4), offset = At(directory + 20 + 8 * e, 4);
      if (!name || !offset) return std::nullopt;
      if (!id || *name == *id) return offset;
    }
    return std::nullopt;
  }

  // The UTF-16 string that follows `key` in a version block, at the next
  // four-byte boundary.
  Text StringAfter(std::size_t block, std::size_t end, std::u16string_view key) const {
    std::string wanted;
    for (const char16_t c : key) wanted += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    wanted.append(2, '\0');
    const std::size_t found = b_.substr(0, end).find(wanted, block);
    if (found == std::string_view::npos) return {};
    std::size_t at = found + wanted.size();
    at += (4 - (at - block) % 4) % 4;
    std::u16string value;
    while (value.size() < kLongestName) {
      const auto c = At(at + 2 * value.size(), 2);
      if (!c || *c == 0 || at + 2 * value.size() >= end) break;
      value += static_cast<char16_t>(*c);
    }
    return Utf8FromUtf16(value);
  }

 private:
  std::string_view b_;
  std::size_t sectionTable_ = 0, sectionCount_ = 0;
};

}  // namespace

std::optional<ProductVersion> ReadProductVersion(const DiscTree& tree, const Text& treePath) {
  const std::optional<std::string> head = tree.Head(treePath, kHeadLimit);
  if (!head) return std::nullopt;
  PeFile pe(*head);
  const auto resources = pe.Resources();
  if (!resources) return std::nullopt;
  // Type, then name, then language: the first version resource.
  std::size_t directory = *resources;
  std::optional<std::uint32_t> id = kVersionResource;
  std::optional<std::uint32_t> entry;
  for (int level = 0; level < 3; ++level, id.reset()) {
    entry = pe.Entry(directory, id);
    if (!entry || ((*entry & kSubdirectory) != 0) != (level < 2)) return std::nullopt;
    directory = *resources + (*entry & ~kSubdirectory);
  }
  const auto rva = pe.At(directory, 4), size = pe.At(directory + 4, 4);
  if (!rva || !size) return std::nullopt;
  const auto block = pe.FileOffset(*rva);
  if (!block || *block >= head->size()) return std::nullopt;
  const std::size_t end = std::min(head->size(), *block + *size);
  // VS_FIXEDFILEINFO follows the block's key "VS_VERSION_INFO".
  std::size_t fixed = *block;
  while (fixed + 24 <= end && pe.At(fixed, 4) != kFixedInfoSignature) fixed += 4;
  if (fixed + 24 > end) return std::nullopt;
  const std::uint32_t ms = *pe.At(fixed + 16, 4), ls = *pe.At(fixed + 20, 4);
  ProductVersion version;
  version.major = static_cast<int>(ms >> 16);
  version.text =
      std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." + std::to_string(ls >> 16);
  version.name = pe.StringAfter(*block, end, u"ProductName");
  return version;
}

bool IsAcrobatReader(std::string_view productName) {
  const Text name = LowerCaseFrom(productName, 0);
  return name.find("reader") != Text::npos &&
         (name.find("acrobat") != Text::npos || name.find("adobe") != Text::npos);
}

}  // namespace demodisc
