#include "support/file_association.h"

#include "base/wide_win.h"

namespace demodisc::testing {

namespace {
constexpr wchar_t kClasses[] = L"Software\\Classes\\";
}  // namespace

FileAssociation::FileAssociation(const Text& extension, const Text& progId,
                                 const std::optional<Text>& command) {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    Set(root, kClasses + Wide(extension), nullptr, progId);
    if (command) Set(root, kClasses + Wide(progId) + L"\\shell\\open\\command", nullptr, *command);
  }
  extension_ = Wide(extension);
}

FileAssociation::~FileAssociation() {
  for (auto it = written_.rbegin(); it != written_.rend(); ++it) {
    HKEY k = nullptr;
    if (RegOpenKeyExW(it->root, it->key.c_str(), 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) continue;
    const wchar_t* name = it->name.empty() ? nullptr : it->name.c_str();
    if (it->before)
      RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(it->before->c_str()),
                     static_cast<DWORD>((it->before->size() + 1) * sizeof(wchar_t)));
    else
      RegDeleteValueW(k, name);
    RegCloseKey(k);
  }
  for (auto it = made_.rbegin(); it != made_.rend(); ++it)
    RegDeleteKeyW(it->first, it->second.c_str());
}

void FileAssociation::ChooseForUser(const Text& progId) {
  Set(HKEY_CURRENT_USER,
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\" + extension_ +
          L"\\UserChoice",
      L"ProgId", progId);
}

void FileAssociation::Set(HKEY root, const std::wstring& key, const wchar_t* name,
                          const Text& value) {
  // Each part of the path that is not there yet is made, and removed later.
  for (std::size_t end = key.find(L'\\');; end = key.find(L'\\', end + 1)) {
    const std::wstring part = key.substr(0, end);
    HKEY k = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(root, part.c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr,
                        &k, &disposition) != ERROR_SUCCESS)
      return;
    if (disposition == REG_CREATED_NEW_KEY) made_.emplace_back(root, part);
    if (end == std::wstring::npos) {
      wchar_t before[512] = {};
      DWORD type = 0, size = sizeof before - sizeof(wchar_t);
      const bool had = RegQueryValueExW(k, name, nullptr, &type, reinterpret_cast<BYTE*>(before),
                                        &size) == ERROR_SUCCESS &&
                       type == REG_SZ;
      written_.push_back({root, part, name ? name : L"",
                          had ? std::optional<std::wstring>(before) : std::nullopt});
      const std::wstring data = Wide(value);
      RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                     static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(k);
    if (end == std::wstring::npos) return;
  }
}

}  // namespace demodisc::testing
