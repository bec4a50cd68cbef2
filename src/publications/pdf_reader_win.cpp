#include "publications/pdf_reader_win.h"

#include <windows.h>
#include <shlwapi.h>

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

// A string value, its environment references expanded; nothing when the
// key or the value is missing or is not a string.
std::optional<Text> ReadString(HKEY root, const wchar_t* path, const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
  const OpenKey open(key);
  wchar_t data[1024] = {};
  DWORD type = 0, size = sizeof data - sizeof(wchar_t);
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::nullopt;
  wchar_t expanded[2048] = {};
  const DWORD length = type == REG_EXPAND_SZ ? ExpandEnvironmentStringsW(data, expanded, 2048) : 0;
  return FromWide(length > 0 && length <= 2048 ? expanded : data);
}

constexpr wchar_t kUserChoice[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.pdf\\UserChoice";

// The "open" command of .pdf as the shell finds it.
std::optional<Text> AssociatedCommand() {
  wchar_t command[2048] = {};
  DWORD size = 2048;
  if (AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_COMMAND, L".pdf", L"open", command, &size) !=
      S_OK)
    return std::nullopt;
  return FromWide(command);
}

}  // namespace

std::optional<Text> FindPdfAssociation() {
  // The user's choice stands, even when its program gives no command.
  if (const std::optional<Text> progId = ReadString(HKEY_CURRENT_USER, kUserChoice, L"ProgId");
      progId && !progId->empty()) {
    const std::wstring command = Wide(*progId) + L"\\shell\\open\\command";
    return ReadString(HKEY_CLASSES_ROOT, command.c_str(), L"").value_or(Text());
  }
  if (std::optional<Text> command = AssociatedCommand()) return command;
  // A type named without a command to start.
  const std::optional<Text> progId = ReadString(HKEY_CLASSES_ROOT, L".pdf", L"");
  if (progId && !progId->empty()) return Text();
  return std::nullopt;
}

bool FindPdfReader(Text& readerExePath) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kReaderKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  const OpenKey open(key);
  readerExePath = ReaderPathOf(RegistryString(ReadDefaultValue(open.get()), ""));
  return true;
}

}  // namespace demodisc
