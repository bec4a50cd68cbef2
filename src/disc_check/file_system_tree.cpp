#include "disc_check/file_system_tree.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace demodisc {

std::filesystem::path PathFromUtf8(std::string_view text) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

Text Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string u8 = path.u8string();
  return Text(reinterpret_cast<const char*>(u8.data()), u8.size());
}

std::filesystem::path FileSystemTree::PathOf(const Text& relative) const {
  return relative.empty() ? root_ : root_ / PathFromUtf8(relative);
}

std::optional<std::vector<DiscEntry>> FileSystemTree::List(const Text& folder) const {
  std::error_code error;
  std::filesystem::directory_iterator it(PathOf(folder), error);
  if (error) return std::nullopt;
  std::vector<DiscEntry> entries;
  for (const std::filesystem::directory_entry& entry : it) {
    // A link counts as what it points to, as it would on the burnt disc.
    entries.push_back({Utf8FromPath(entry.path().filename()), entry.is_directory(error)});
  }
  return entries;
}

std::optional<std::uint64_t> FileSystemTree::Size(const Text& file) const {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(PathOf(file), error);
  if (error) return std::nullopt;
  return static_cast<std::uint64_t>(size);
}

std::optional<std::string> FileSystemTree::Bytes(const Text& file) const {
  std::ifstream in(PathOf(file), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace demodisc
