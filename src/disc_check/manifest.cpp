#include "disc_check/manifest.h"

#include <algorithm>
#include <map>
#include <optional>

#include "disc_check/sha256.h"

namespace demodisc {

namespace {

constexpr std::size_t kHexDigits = 64;

bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// sha256sum's escapes in a name: "\\", "\n" and "\r"; nothing for another.
std::optional<Text> Unescaped(std::string_view name) {
  Text out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] != '\\') {
      out += name[i];
      continue;
    }
    if (++i == name.size()) return std::nullopt;
    switch (name[i]) {
      case '\\':
        out += '\\';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        return std::nullopt;
    }
  }
  return out;
}

// A path below the root: no empty name, no "." or "..".
bool IsTreePath(std::string_view path) {
  for (std::size_t start = 0;;) {
    const std::size_t slash = std::min(path.find('/', start), path.size());
    const std::string_view name = path.substr(start, slash - start);
    if (name.empty() || name == "." || name == "..") return false;
    if (slash == path.size()) return true;
    start = slash + 1;
  }
}

}  // namespace

Manifest ParseManifest(std::string_view bytes) {
  Manifest manifest;
  std::map<Text, int> firstLine;
  int number = 0;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    std::string_view line = bytes.substr(start, end - start);
    start = end + 1;
    ++number;
    if (line.ends_with('\r')) line.remove_suffix(1);
    const bool escaped = line.starts_with('\\');
    if (escaped) line.remove_prefix(1);
    if (line.size() < kHexDigits + 3 ||
        !std::all_of(line.begin(), line.begin() + kHexDigits, IsHex) || line[kHexDigits] != ' ' ||
        (line[kHexDigits + 1] != ' ' && line[kHexDigits + 1] != '*')) {
      manifest.faults.push_back({number, "is no sha256sum line"});
      continue;
    }
    const std::string_view name = line.substr(kHexDigits + 2);
    const std::optional<Text> path = escaped ? Unescaped(name) : Text(name);
    if (!path || !IsTreePath(*path)) {
      manifest.faults.push_back({number, "names no file below the disc's root"});
      continue;
    }
    const auto [first, added] = firstLine.emplace(*path, number);
    if (!added) {
      manifest.faults.push_back({number, "names " + *path + " a second time (first on line " +
                                             std::to_string(first->second) + ")"});
      continue;
    }
    Text hex(line.substr(0, kHexDigits));
    std::transform(hex.begin(), hex.end(), hex.begin(), [](char c) {
      return c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    manifest.entries.push_back({*path, std::move(hex), number});
  }
  return manifest;
}

Text HexDigest(const Sha256::Digest& digest) {
  constexpr char kDigits[] = "0123456789abcdef";
  Text hex;
  for (const std::uint8_t byte : digest) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return hex;
}

}  // namespace demodisc
