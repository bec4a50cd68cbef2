#include "photos/file_list_box_win.h"

#include <windows.h>

#include "base/errors.h"
#include "base/files_win.h"
#include "base/wide_win.h"
#include "photos/jpg_names.h"

namespace demodisc {

namespace {

constexpr DWORD kLeftOut = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

Text InFolder(const Text& folder, const Text& name) {
  return !folder.empty() && folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

// A search of a folder's entries, closed however the reading ends.
class FileSearch {
 public:
  FileSearch(const Text& pattern, WIN32_FIND_DATAW& found)
      : handle_(FindFirstFileW(Wide(pattern).c_str(), &found)) {}
  ~FileSearch() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAW& found) { return FindNextFileW(handle_, &found) != FALSE; }

 private:
  HANDLE handle_;
};

}  // namespace

void FileListBox::ReadCurrentDirectory() {
  listDir_ = CurrentDirectory();
  ReadEntries();
}

void FileListBox::ChangeListDir(const Text& relative) {
  if (!SetCurrentDirectoryW(Wide(relative).c_str())) throw InOutError(GetLastError());
  ReadCurrentDirectory();
}

void FileListBox::ReadEntries() {
  entries_.clear();
  WIN32_FIND_DATAW found;
  FileSearch search(InFolder(listDir_, kPhotoMask), found);
  if (!search.Found()) return;
  do {
    const Text name = FromWide(found.cFileName);
    if ((found.dwFileAttributes & kLeftOut) == 0 && MatchesJpgMask(name)) entries_.push_back(name);
  } while (search.Next(found));
  SortNamesIgnoringCase(entries_);
}

bool FileListBox::FileExists(const Text& name) const {
  const DWORD attributes = GetFileAttributesW(Wide(name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace demodisc
