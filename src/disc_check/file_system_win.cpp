// The disc check runs on Windows 7 and later: GetFinalPathNameByHandleW
// and FindExInfoBasic come with Vista and 7. (DemoDisc.exe never links this.)
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0601
#include "disc_check/file_system_win.h"

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <cstring>

#include "base/system_message_win.h"
#include "base/wide_win.h"

namespace demodisc {

namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";

// A handle closed when it goes.
class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

// A path for the wide calls: "/" (which the tree joins names with) as "\",
// and no doubled "\" (a name joined to a root such as \\?\C:\), which the
// \\?\ prefix would not take away.
std::wstring Native(const Text& path) {
  std::wstring wide = Wide(path);
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  const std::size_t keep = wide.starts_with(kLongPrefix) ? kLongPrefix.size() : 2;
  std::wstring out = wide.substr(0, std::min(keep, wide.size()));
  for (std::size_t i = out.size(); i < wide.size(); ++i)
    if (wide[i] != L'\\' || out.back() != L'\\') out.push_back(wide[i]);
  return out;
}

// Opens a file or folder without reading it: what a link points to, or
// with `link` the link itself.
Handle OpenForQuery(const Text& path, bool link = false) {
  return Handle(
      CreateFileW(Native(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING,
                  FILE_FLAG_BACKUP_SEMANTICS | (link ? FILE_FLAG_OPEN_REPARSE_POINT : 0), nullptr));
}

std::optional<BY_HANDLE_FILE_INFORMATION> InformationOf(const Text& path) {
  const Handle file = OpenForQuery(path);
  BY_HANDLE_FILE_INFORMATION info;
  if (!file || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
  return info;
}

// The reparse points that are links: symbolic links, junctions and mount
// points; tag 0 is how Wine shows a Unix link to a folder. Others (a cloud
// file's placeholder, a deduplicated file) are files as they stand.
bool IsLinkTag(DWORD tag) {
  return tag == IO_REPARSE_TAG_SYMLINK || tag == IO_REPARSE_TAG_MOUNT_POINT || tag == 0;
}

// The text a symbolic link or junction holds: its print name, else its
// substitute name without the \??\ of the NT namespace; nothing when the
// system gives no reparse data.
std::optional<Text> ReparseTarget(const Text& link) {
  const Handle file = OpenForQuery(link, true);
  if (!file) return std::nullopt;
  alignas(8) unsigned char data[MAXIMUM_REPARSE_DATA_BUFFER_SIZE];
  DWORD got = 0;
  if (!DeviceIoControl(file.get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, data, sizeof data, &got,
                       nullptr))
    return std::nullopt;
  // REPARSE_DATA_BUFFER: the tag, the data's length, a reserved word, then
  // the offsets and lengths in bytes of the substitute and the print name,
  // and for a symbolic link its flags; the names follow.
  DWORD tag;
  WORD names[4];
  if (got < 16) return std::nullopt;
  std::memcpy(&tag, data, sizeof tag);
  std::memcpy(names, data + 8, sizeof names);
  const std::size_t start = tag == IO_REPARSE_TAG_SYMLINK ? 20 : 16;
  const auto name = [&](WORD offset, WORD length) {
    std::wstring text(length / sizeof(wchar_t), L'\0');
    if (start + offset + length <= got) std::memcpy(text.data(), data + start + offset, length);
    return text;
  };
  if (tag != IO_REPARSE_TAG_SYMLINK && tag != IO_REPARSE_TAG_MOUNT_POINT) return std::nullopt;
  std::wstring text = name(names[2], names[3]);
  if (text.empty()) {
    text = name(names[0], names[1]);
    if (text.starts_with(L"\\??\\UNC\\"))
      text = L"\\\\" + text.substr(8);
    else if (text.starts_with(L"\\??\\"))
      text = text.substr(4);
  }
  return FromWide(text);
}

}  // namespace

Text WindowsFileSystem::Absolute(const Text& given) const {
  std::wstring wide = Wide(given);
  if (wide.empty() || wide.starts_with(kLongPrefix) || wide.starts_with(L"\\\\.\\")) return given;
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n =
        GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n == 0) return given;
    if (n < full.size()) {
      full.resize(n);
      break;
    }
    full.resize(n);
  }
  // \\server\share\... becomes \\?\UNC\server\share\...
  if (full.starts_with(L"\\\\"))
    return FromWide(std::wstring(kLongPrefix) + L"UNC" + full.substr(1));
  return FromWide(std::wstring(kLongPrefix) + full);
}

Text WindowsFileSystem::Beside(const Text& folder, std::string_view suffix) const {
  Text path = folder;
  // Its separators at the end taken away, but for a drive's root ("C:\").
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/') &&
         !(path.size() == 3 && path[1] == ':'))
    path.pop_back();
  return path + Text(suffix);
}

std::optional<std::vector<FileSystem::Entry>> WindowsFileSystem::List(const Text& folder) const {
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileExW(Native(folder + "/*").c_str(), FindExInfoBasic, &found,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) {
    // A drive's empty root has not even "." and "..".
    const auto info = GetLastError() == ERROR_FILE_NOT_FOUND ? InformationOf(folder) : std::nullopt;
    if (info && (info->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return std::vector<Entry>();
    return std::nullopt;
  }
  std::vector<Entry> entries;
  bool complete = true;
  for (;;) {
    const std::wstring_view name = found.cFileName;
    if (name != L"." && name != L"..") {
      Entry entry{FromWide(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsLinkTag(found.dwReserved0)) {
        entry.link = true;
        // A link counts as what it points to; one that leads nowhere, as no folder.
        const Text path = folder + "/" + entry.name;
        const auto info = InformationOf(path);
        entry.folder = info && (info->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        entry.target = LinkTarget(folder, path);
      }
      entries.push_back(std::move(entry));
    }
    if (!FindNextFileW(find, &found)) {
      complete = GetLastError() == ERROR_NO_MORE_FILES;
      break;
    }
  }
  FindClose(find);
  if (!complete) return std::nullopt;
  return entries;
}

Text WindowsFileSystem::LinkTarget(const Text& folder, const Text& link) const {
  if (auto text = ReparseTarget(link)) return *text;
  const auto from = RealPath(folder);
  const auto to = RealPath(link);
  if (!from || !to) return Text();
  std::size_t common = 0;
  while (common < from->size() && common < to->size() && (*from)[common] == (*to)[common]) ++common;
  // Another volume: the whole path.
  const bool relative = common > 0;
  Text way;
  if (relative)
    for (std::size_t i = common; i < from->size(); ++i) way += way.empty() ? ".." : "/..";
  for (std::size_t i = relative ? common : 0; i < to->size(); ++i)
    way += (way.empty() ? "" : relative ? "/" : "\\") + (*to)[i];
  return way.empty() ? "." : way;
}

std::optional<std::vector<Text>> WindowsFileSystem::RealPath(const Text& path) const {
  const Handle file = OpenForQuery(path);
  if (!file) return std::nullopt;
  std::wstring real(MAX_PATH, L'\0');
  for (DWORD kind : {VOLUME_NAME_DOS, VOLUME_NAME_GUID, VOLUME_NAME_NT}) {
    DWORD n = GetFinalPathNameByHandleW(file.get(), real.data(), static_cast<DWORD>(real.size()),
                                        FILE_NAME_NORMALIZED | kind);
    if (n >= real.size()) {
      real.resize(n);
      n = GetFinalPathNameByHandleW(file.get(), real.data(), static_cast<DWORD>(real.size()),
                                    FILE_NAME_NORMALIZED | kind);
    }
    if (n == 0 || n >= real.size()) continue;
    real.resize(n);
    if (real.starts_with(kLongPrefix)) real.erase(0, kLongPrefix.size());
    std::vector<Text> names;
    for (std::size_t start = 0; start < real.size();) {
      std::size_t end = real.find(L'\\', start);
      if (end == std::wstring::npos) end = real.size();
      if (end > start)
        names.push_back(FromWide(std::wstring_view(real).substr(start, end - start)));
      start = end + 1;
    }
    return names;
  }
  return std::nullopt;
}

std::optional<std::uint64_t> WindowsFileSystem::FileSize(const Text& file) const {
  const auto info = InformationOf(file);
  if (!info || (info->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  return (static_cast<std::uint64_t>(info->nFileSizeHigh) << 32) | info->nFileSizeLow;
}

namespace {

Handle OpenForReading(const Text& file) {
  return Handle(CreateFileW(Native(file).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

}  // namespace

std::optional<std::string> WindowsFileSystem::Read(const Text& file, std::size_t limit) const {
  const Handle in = OpenForReading(file);
  if (!in) return std::nullopt;
  std::string bytes;
  constexpr std::size_t kChunk = 1 << 20;
  while (bytes.size() < limit) {
    const std::size_t had = bytes.size();
    bytes.resize(had + std::min(kChunk, limit - had));
    DWORD got = 0;
    if (!ReadFile(in.get(), bytes.data() + had, static_cast<DWORD>(bytes.size() - had), &got,
                  nullptr))
      return std::nullopt;
    bytes.resize(had + got);
    if (got == 0) break;
  }
  return bytes;
}

BlockRead WindowsFileSystem::ReadInBlocks(const Text& file, const BlockSink& sink) const {
  const Handle in = OpenForReading(file);
  if (!in) return {};
  BlockRead read{true};
  std::string block(kReadBlockBytes, '\0');
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(in.get(), block.data(), static_cast<DWORD>(block.size()), &got, nullptr)) {
      read.failed = true;
      return read;
    }
    if (got == 0) return read;
    sink(std::string_view(block.data(), got));
    read.bytes += got;
  }
}

std::optional<Text> WindowsFileSystem::Replace(const Text& file, const std::string& bytes) const {
  const std::wstring path = Native(file);
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    return "it cannot be read (" + SystemMessage(GetLastError()) + ")";
  if (attributes & FILE_ATTRIBUTE_READONLY) return "it is read-only";
  // A name of its own, taken by creating the file: never one that is there.
  std::wstring temporary;
  HANDLE out = INVALID_HANDLE_VALUE;
  DWORD error = ERROR_FILE_EXISTS;
  for (int n = 0;
       n < kReplacementNames && out == INVALID_HANDLE_VALUE && error == ERROR_FILE_EXISTS; ++n) {
    temporary = Native(ReplacementName(file, n));
    out = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE |
                                    FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED),
                      nullptr);
    if (out == INVALID_HANDLE_VALUE) error = GetLastError();
  }
  if (out == INVALID_HANDLE_VALUE)
    return error == ERROR_FILE_EXISTS
               ? Text("no name for a new copy beside it")
               : "cannot write a new copy in its folder (" + SystemMessage(error) + ")";
  for (std::size_t done = 0; done < bytes.size();) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    DWORD wrote = 0;
    if (!WriteFile(out, bytes.data() + done, chunk, &wrote, nullptr) || wrote == 0) {
      const Text why = SystemMessage(GetLastError());
      CloseHandle(out);
      DeleteFileW(temporary.c_str());
      return "cannot write a new copy in its folder (" + why + ")";
    }
    done += wrote;
  }
  FlushFileBuffers(out);
  CloseHandle(out);
  if (!MoveFileExW(temporary.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const Text why = SystemMessage(GetLastError());
    DeleteFileW(temporary.c_str());
    return "cannot replace it (" + why + ")";
  }
  return std::nullopt;
}

}  // namespace demodisc
