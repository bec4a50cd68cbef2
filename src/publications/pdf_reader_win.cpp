#include "publications/pdf_reader_win.h"

#include <windows.h>

#include <vector>

#include "base/errors.h"
#include "base/wide_win.h"
#include "publications/reader_path.h"

namespace demodisc {

namespace {

constexpr wchar_t kReaderKey[] = L"Applications\\AcroRd32.exe\\shell\\read\\command";

class OpenKey {
 public:
  explicit OpenKey(HKEY key) : key_(key) {}
  ~OpenKey() { RegCloseKey(key_); }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_;
};

// The key's default value: its type and size first, then the data of the
// two string types.
RegistryValue ReadDefaultValue(HKEY key) {
  RegistryValue value;
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key, L"", nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return value;
  value.exists = true;
  value.type = type;
  value.size = size;
  if (size == 0 || (type != REG_SZ && type != REG_EXPAND_SZ)) return value;

  // Room for a missing terminator, and for an odd byte count.
  std::vector<wchar_t> data(size / sizeof(wchar_t) + 2, L'\0');
  DWORD got = size;
  if (RegQueryValueExW(key, L"", nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got) !=
      ERROR_SUCCESS)
    throw AppError("Failed to get data for ''");
  value.type = type;
  value.size = got;
  value.text = FromWide(std::wstring_view(data.data(), (got + 1) / sizeof(wchar_t)));
  return value;
}

}  // namespace

bool FindPdfReader(Text& readerExePath) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kReaderKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  const OpenKey open(key);
  readerExePath = ReaderPathOf(RegistryString(ReadDefaultValue(open.get()), ""));
  return true;
}

}  // namespace demodisc
