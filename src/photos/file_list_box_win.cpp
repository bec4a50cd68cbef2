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
  const HANDLE search = FindFirstFileW(Wide(InFolder(listDir_, kPhotoMask)).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const Text name = FromWide(found.cFileName);
    if ((found.dwFileAttributes & kLeftOut) == 0 && MatchesJpgMask(name)) entries_.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  SortNamesIgnoringCase(entries_);
}

bool FileListBox::FileExists(const Text& name) const {
  const DWORD attributes = GetFileAttributesW(Wide(name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace demodisc
