#include "base/files_win.h"

#include <windows.h>

#include "base/errors.h"
#include "base/wide_win.h"

namespace demodisc {

namespace {

class FileSource final : public ByteSource {
 public:
  explicit FileSource(HANDLE h) : handle_(h) {}
  ~FileSource() override { CloseHandle(handle_); }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::size_t Read(char* buffer, std::size_t size) override {
    DWORD got = 0;
    if (!ReadFile(handle_, buffer, static_cast<DWORD>(size), &got, nullptr))
      throw InOutError(GetLastError());
    return got;
  }

 private:
  HANDLE handle_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenFileForReading(const Text& path) {
  HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw InOutError(GetLastError());
  return std::make_unique<FileSource>(h);
}

Text CurrentDirectory() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(buf.size()), buf.data());
    if (n < buf.size()) return FromWide(std::wstring_view(buf.data(), n));
    buf.resize(n);
  }
}

Text ExePath() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n < buf.size()) return FromWide(std::wstring_view(buf.data(), n));
    buf.resize(buf.size() * 2);
  }
}

}  // namespace demodisc
