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

namespace {

// True when `inner` is `outer` or below it (both canonical).
bool IsWithin(const std::filesystem::path& inner, const std::filesystem::path& outer) {
  auto o = outer.begin();
  for (auto i = inner.begin(); o != outer.end(); ++i, ++o)
    if (i == inner.end() || *i != *o) return false;
  return true;
}

}  // namespace

LinkKind FileSystemTree::KindOfLink(const std::filesystem::path& link, bool folder,
                                    const std::vector<std::filesystem::path>& around) const {
  std::error_code error;
  const std::filesystem::path target = std::filesystem::canonical(link, error);
  if (error) return LinkKind::Broken;
  const std::filesystem::path root = std::filesystem::canonical(root_, error);
  if (error || !IsWithin(target, root)) return LinkKind::Outside;
  // A link to a folder around it, as the walk reached it (through other
  // links too), repeats that folder without end.
  if (folder)
    for (const std::filesystem::path& outer : around)
      if (IsWithin(outer, target)) return LinkKind::Loop;
  return LinkKind::Inside;
}

std::vector<std::filesystem::path> FileSystemTree::FoldersAround(const Text& folder) const {
  std::error_code error;
  std::vector<std::filesystem::path> around{std::filesystem::canonical(root_, error)};
  for (std::size_t slash = folder.find('/');; slash = folder.find('/', slash + 1)) {
    const Text outer = slash == Text::npos ? folder : folder.substr(0, slash);
    if (!outer.empty()) around.push_back(std::filesystem::canonical(PathOf(outer), error));
    if (slash == Text::npos) break;
  }
  return around;
}

std::optional<std::vector<DiscEntry>> FileSystemTree::List(const Text& folder) const {
  std::error_code error;
  std::filesystem::directory_iterator it(PathOf(folder), error);
  if (error) return std::nullopt;
  std::vector<DiscEntry> entries;
  std::vector<std::filesystem::path> around;  // found at the first link only
  for (const std::filesystem::directory_entry& entry : it) {
    // A link counts as what it points to, as it does on the burnt disc.
    DiscEntry listed{Utf8FromPath(entry.path().filename()), entry.is_directory(error)};
    if (entry.is_symlink(error)) {
      if (around.empty()) around = FoldersAround(folder);
      listed.link = KindOfLink(entry.path(), listed.folder, around);
      listed.target = Utf8FromPath(std::filesystem::read_symlink(entry.path(), error));
    }
    entries.push_back(std::move(listed));
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

std::optional<std::string> FileSystemTree::Head(const Text& file, std::size_t count) const {
  std::ifstream in(PathOf(file), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

}  // namespace demodisc
