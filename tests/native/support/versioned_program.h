// A Windows program with a version resource, laid out as a linker lays it
// out: a resource section holding the type, name and language directories,
// and a VS_VERSIONINFO block with its fixed part and a ProductName string.
#pragma once

#include <cstdint>
#include <string>

namespace demodisc::testing {

struct VersionedProgram {
  std::uint16_t magic = 0x10B;
  std::u16string product = u"Adobe Reader";
  std::uint32_t productMs = 8 << 16 | 1, productLs = 2 << 16;
  std::uint32_t resourceType = 16;  // RT_VERSION
  std::size_t resourceAt = 0x400;   // in the file; the section's address is 0x1000

  std::string Bytes() const {
    std::string b(resourceAt + 0x200, '\0');
    const auto put = [&](std::size_t at, std::uint32_t v, int n) {
      for (int i = 0; i < n; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
    };
    const auto putText = [&](std::size_t at, std::u16string_view s) {
      for (std::size_t i = 0; i < s.size(); ++i) put(at + 2 * i, s[i], 2);
      return at + 2 * s.size() + 2;
    };
    b[0] = 'M', b[1] = 'Z';
    put(0x3C, 0x80, 4);
    b.replace(0x80, 4, std::string("PE\0\0", 4));
    const std::size_t optionalBytes = (magic == 0x20B ? 112 : 96) + 16 * 8;
    put(0x80 + 6, 1, 2);  // one section
    put(0x80 + 20, optionalBytes, 2);
    const std::size_t optional = 0x98, dirs = optional + (magic == 0x20B ? 112 : 96);
    put(optional, magic, 2);
    put(dirs - 4, 16, 4);
    put(dirs + 16, 0x1000, 4);  // the resource directory
    put(dirs + 20, 0x200, 4);
    const std::size_t section = optional + optionalBytes;
    b.replace(section, 5, ".rsrc");
    put(section + 8, 0x200, 4);
    put(section + 12, 0x1000, 4);
    put(section + 16, 0x200, 4);
    put(section + 20, static_cast<std::uint32_t>(resourceAt), 4);
    // Type, name and language, one entry each, then the data entry.
    const std::size_t r = resourceAt;
    put(r + 14, 1, 2), put(r + 16, resourceType, 4), put(r + 20, 0x80000018, 4);
    put(r + 0x18 + 14, 1, 2), put(r + 0x18 + 16, 1, 4), put(r + 0x18 + 20, 0x80000030, 4);
    put(r + 0x30 + 14, 1, 2), put(r + 0x30 + 16, 0x419, 4), put(r + 0x30 + 20, 0x48, 4);
    put(r + 0x48, 0x1060, 4), put(r + 0x4C, 0x180, 4);
    // VS_VERSIONINFO: its key, VS_FIXEDFILEINFO, and one string of its StringFileInfo.
    const std::size_t v = r + 0x60;
    put(v, 0x180, 2), put(v + 2, 52, 2);
    putText(v + 6, u"VS_VERSION_INFO");
    put(v + 40, 0xFEEF04BD, 4), put(v + 56, productMs, 4), put(v + 60, productLs, 4);
    const std::size_t value = putText(v + 92 + 6, u"ProductName");
    putText(value + (4 - (value - v) % 4) % 4, product);
    return b;
  }
};

}  // namespace demodisc::testing
