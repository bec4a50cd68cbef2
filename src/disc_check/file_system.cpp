#include "disc_check/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
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

Text PortableFileSystem::Beside(const Text& folder, std::string_view suffix) const {
  std::filesystem::path path = PathFromUtf8(folder);
  if (!path.has_filename()) path = path.parent_path();
  return Utf8FromPath(path) + Text(suffix);
}

std::optional<std::vector<FileSystem::Entry>> PortableFileSystem::List(const Text& folder) const {
  std::error_code error;
  std::filesystem::directory_iterator it(PathFromUtf8(folder), error);
  if (error) return std::nullopt;
  std::vector<Entry> entries;
  for (const std::filesystem::directory_entry& entry : it) {
    // is_directory follows a link, to what it points to.
    Entry listed{Utf8FromPath(entry.path().filename()), entry.is_directory(error)};
    if (entry.is_symlink(error)) {
      listed.link = true;
      listed.target = Utf8FromPath(std::filesystem::read_symlink(entry.path(), error));
    }
    entries.push_back(std::move(listed));
  }
  return entries;
}

std::optional<std::vector<Text>> PortableFileSystem::RealPath(const Text& path) const {
  std::error_code error;
  const std::filesystem::path real = std::filesystem::canonical(PathFromUtf8(path), error);
  if (error) return std::nullopt;
  std::vector<Text> names;
  for (const std::filesystem::path& name : real) names.push_back(Utf8FromPath(name));
  return names;
}

std::optional<std::uint64_t> PortableFileSystem::FileSize(const Text& file) const {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(PathFromUtf8(file), error);
  if (error) return std::nullopt;
  return static_cast<std::uint64_t>(size);
}

std::optional<std::string> PortableFileSystem::Read(const Text& file, std::size_t limit) const {
  std::ifstream in(PathFromUtf8(file), std::ios::binary);
  if (!in) return std::nullopt;
  // read() turns a failed read (a folder's) into badbit, where the stream
  // buffer itself would throw.
  std::string bytes;
  constexpr std::size_t kChunk = 1 << 16;
  while (bytes.size() < limit && in) {
    const std::size_t had = bytes.size();
    bytes.resize(had + std::min(kChunk, limit - had));
    in.read(bytes.data() + had, static_cast<std::streamsize>(bytes.size() - had));
    bytes.resize(had + static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

BlockRead FileSystem::ReadInBlocks(const Text& file, const BlockSink& sink) const {
  const std::optional<std::string> bytes = Read(file, std::numeric_limits<std::size_t>::max());
  if (!bytes) return {};
  sink(*bytes);
  return {true, bytes->size(), false};
}

// Unbuffered, so that each fread is one read of the system straight into
// the block; fread gives what it read before a failure.
BlockRead PortableFileSystem::ReadInBlocks(const Text& file, const BlockSink& sink) const {
  std::FILE* in = std::fopen(PathFromUtf8(file).string().c_str(), "rb");
  if (!in) return {};
  std::setvbuf(in, nullptr, _IONBF, 0);
  BlockRead read{true};
  std::string block(kReadBlockBytes, '\0');
  for (;;) {
    const std::size_t got = std::fread(block.data(), 1, block.size(), in);
    if (got > 0) sink(std::string_view(block.data(), got));
    read.bytes += got;
    if (got < block.size()) break;
  }
  read.failed = std::ferror(in) != 0;
  std::fclose(in);
  return read;
}

Text ReplacementName(const Text& file, int n) {
  return file + ".fix-texts" + (n ? "." + std::to_string(n) : Text()) + ".tmp";
}

std::optional<Text> PortableFileSystem::Replace(const Text& file, const std::string& bytes) const {
  std::error_code error;
  const std::filesystem::path path = PathFromUtf8(file);
  const std::filesystem::perms perms = std::filesystem::status(path, error).permissions();
  if (error) return "it cannot be read (" + error.message() + ")";
  if ((perms & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
    return "it is read-only";
  std::filesystem::path temporary;
  for (int n = 0; n < kReplacementNames && temporary.empty(); ++n) {
    const std::filesystem::path candidate = PathFromUtf8(ReplacementName(file, n));
    if (!std::filesystem::exists(candidate, error) && !error) temporary = candidate;
  }
  if (temporary.empty()) return "no name for a new copy beside it";
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) return "cannot write a new copy in its folder (" + Text(std::strerror(errno)) + ")";
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    const Text why = std::strerror(errno);
    std::filesystem::remove(temporary, error);
    return "cannot write a new copy in its folder (" + why + ")";
  }
  std::filesystem::permissions(temporary, perms, error);
  std::filesystem::rename(temporary, path, error);
  if (error) {
    const Text why = error.message();
    std::filesystem::remove(temporary, error);
    return "cannot replace it (" + why + ")";
  }
  return std::nullopt;
}

}  // namespace demodisc
