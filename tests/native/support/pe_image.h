// The headers of a Windows program, as the disc check's tests need them: a
// DOS header pointing at a PE header whose security directory (the fifth
// data directory) names a block of the file, then the file's other bytes.
#pragma once

#include <cstdint>
#include <string>

namespace demodisc::testing {

struct PeImage {
  std::uint16_t magic = 0x10B;  // PE32; 0x20B is PE32+
  std::uint32_t peOffset = 0x80;
  std::uint32_t directories = 16;  // NumberOfRvaAndSizes
  std::uint32_t securityOffset = 0;
  std::uint32_t securitySize = 0;
  std::size_t fileSize = 0x400;

  std::string Bytes() const {
    const std::size_t optionalBytes = (magic == 0x20B ? 112 : 96) + 8 * directories;
    std::string bytes(std::max<std::size_t>(fileSize, peOffset + 24 + optionalBytes), '\0');
    const auto put = [&](std::size_t at, std::uint32_t value, int count) {
      for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
    };
    bytes[0] = 'M';
    bytes[1] = 'Z';
    put(0x3C, peOffset, 4);
    bytes.replace(peOffset, 4, std::string("PE\0\0", 4));
    put(peOffset + 20, static_cast<std::uint32_t>(optionalBytes), 2);
    const std::size_t optional = peOffset + 24;
    put(optional, magic, 2);
    const std::size_t dirs = optional + (magic == 0x20B ? 112 : 96);
    put(dirs - 4, directories, 4);
    if (directories > 4) {
      put(dirs + 4 * 8, securityOffset, 4);
      put(dirs + 4 * 8 + 4, securitySize, 4);
    }
    bytes.resize(fileSize);
    return bytes;
  }
};

}  // namespace demodisc::testing
