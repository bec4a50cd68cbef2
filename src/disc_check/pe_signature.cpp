#include "disc_check/pe_signature.h"

#include <cstdint>

#include "disc_check/pe_bytes.h"

namespace demodisc {

namespace {

// Where the DOS header keeps the offset of the PE header.
constexpr std::size_t kPeOffsetAt = 0x3C;
// The PE header is looked for no further into the file than this, so that a
// damaged offset never makes the check read a large file.
constexpr std::uint32_t kPeOffsetLimit = 64 * 1024;
// The signature "PE\0\0" and the file header that follows it.
constexpr std::size_t kFileHeaderBytes = 4 + 20;
constexpr std::size_t kOptionalSizeAt = 4 + 16;
// The optional header's two forms, and where each keeps its data
// directories (NumberOfRvaAndSizes stands just before them).
constexpr std::uint16_t kPe32 = 0x10B;
constexpr std::uint16_t kPe32Plus = 0x20B;
constexpr std::size_t kDirectoriesAt32 = 96;
constexpr std::size_t kDirectoriesAt64 = 112;
constexpr std::uint32_t kSecurityDirectory = 4;
constexpr std::size_t kDirectoryBytes = 8;

// A field of the headers, whose bounds the caller has checked.
std::uint32_t ReadLittleEndian(const std::string& bytes, std::size_t at, std::size_t count) {
  return LittleEndianAt(bytes, at, count).value_or(0);
}

}  // namespace

bool CarriesSignature(const DiscTree& tree, const Text& treePath) {
  const std::optional<std::string> dos = tree.Head(treePath, kPeOffsetAt + 4);
  if (!dos || dos->size() < kPeOffsetAt + 4 || !dos->starts_with("MZ")) return false;
  const std::uint32_t pe = ReadLittleEndian(*dos, kPeOffsetAt, 4);
  if (pe > kPeOffsetLimit) return false;

  // As far as the security directory of the longer form, PE32+.
  constexpr std::size_t kLongest = kDirectoriesAt64 + (kSecurityDirectory + 1) * kDirectoryBytes;
  const std::optional<std::string> head = tree.Head(treePath, pe + kFileHeaderBytes + kLongest);
  if (!head || head->size() < pe + kFileHeaderBytes + 2 ||
      head->compare(pe, 4, std::string("PE\0\0", 4)) != 0)
    return false;
  const std::size_t optional = pe + kFileHeaderBytes;
  const std::uint32_t optionalBytes = ReadLittleEndian(*head, pe + kOptionalSizeAt, 2);
  const std::uint32_t magic = ReadLittleEndian(*head, optional, 2);
  if (magic != kPe32 && magic != kPe32Plus) return false;
  const std::size_t directories = magic == kPe32 ? kDirectoriesAt32 : kDirectoriesAt64;
  const std::size_t entry = directories + kSecurityDirectory * kDirectoryBytes;
  if (optionalBytes < entry + kDirectoryBytes ||
      head->size() < optional + entry + kDirectoryBytes ||
      ReadLittleEndian(*head, optional + directories - 4, 4) <= kSecurityDirectory)
    return false;

  // The security directory holds a file offset, not an address in memory.
  const std::uint64_t offset = ReadLittleEndian(*head, optional + entry, 4);
  const std::uint64_t size = ReadLittleEndian(*head, optional + entry + 4, 4);
  const std::optional<std::uint64_t> fileSize = tree.Size(treePath);
  return offset != 0 && size != 0 && fileSize && offset + size <= *fileSize;
}

}  // namespace demodisc
