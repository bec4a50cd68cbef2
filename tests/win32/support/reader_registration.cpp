#include "support/reader_registration.h"

#include <aclapi.h>

#include "base/wide_win.h"

namespace demodisc::testing {

namespace {
const wchar_t* const kParts[] = {L"Applications", L"AcroRd32.exe", L"shell", L"read", L"command"};
constexpr wchar_t kKeyPath[] = L"Applications\\AcroRd32.exe\\shell\\read\\command";

// Creates the chain of keys below `classes`; returns the paths it created.
std::vector<std::wstring> CreateChain(HKEY root, const std::wstring& classes) {
  std::vector<std::wstring> created;
  std::wstring path;
  for (const wchar_t* part : kParts) {
    path += (path.empty() ? L"" : L"\\");
    path += part;
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(root, (classes + L"\\" + path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, &disposition) != ERROR_SUCCESS)
      break;
    RegCloseKey(key);
    if (disposition == REG_CREATED_NEW_KEY) created.push_back(path);
  }
  return created;
}

void DeleteChain(HKEY root, const std::wstring& classes, const std::vector<std::wstring>& created) {
  for (auto it = created.rbegin(); it != created.rend(); ++it)
    RegDeleteKeyW(root, (classes + L"\\" + *it).c_str());
}
}  // namespace

bool ReaderRegistration::Visible() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

ReaderRegistration::ReaderRegistration() {
  root_ = HKEY_CURRENT_USER;
  classes_ = L"Software\\Classes";
  created_ = CreateChain(root_, classes_);
  if (!Visible()) {
    DeleteChain(root_, classes_, created_);
    root_ = HKEY_LOCAL_MACHINE;
    created_ = CreateChain(root_, classes_);
  }
}

ReaderRegistration::~ReaderRegistration() {
  const std::wstring command = classes_ + L"\\" + kKeyPath;
  if (readOnly_) {
    // The owner may always give the key its inherited rights back.
    HKEY key = nullptr;
    if (RegOpenKeyExW(root_, command.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
      SECURITY_DESCRIPTOR sd;
      InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
      SetSecurityDescriptorDacl(&sd, FALSE, nullptr, FALSE);
      RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd);
      RegCloseKey(key);
    }
  }
  HKEY key = nullptr;
  if (RegOpenKeyExW(root_, command.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    RegDeleteValueW(key, L"");
    RegCloseKey(key);
  }
  DeleteChain(root_, classes_, created_);
}

void ReaderRegistration::SetRaw(DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root_, (classes_ + L"\\" + kKeyPath).c_str(), 0, KEY_SET_VALUE, &key) !=
      ERROR_SUCCESS)
    return;
  RegSetValueExW(key, L"", 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void ReaderRegistration::SetString(const Text& command, DWORD type) {
  const std::wstring w = Wide(command);
  SetRaw(type, w.c_str(), static_cast<DWORD>((w.size() + 1) * sizeof(wchar_t)));
}

void ReaderRegistration::SetDword(DWORD value) { SetRaw(REG_DWORD, &value, sizeof value); }

void ReaderRegistration::MakeReadOnly() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root_, (classes_ + L"\\" + kKeyPath).c_str(), 0, WRITE_DAC, &key) !=
      ERROR_SUCCESS)
    return;
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  EXPLICIT_ACCESSW access{};
  access.grfAccessPermissions = KEY_READ;
  access.grfAccessMode = SET_ACCESS;
  access.grfInheritance = NO_INHERITANCE;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  access.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
  PACL acl = nullptr;
  SetEntriesInAclW(1, &access, nullptr, &acl);
  SECURITY_DESCRIPTOR sd;
  InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE);
  // Protected: the read-only rights are the only ones.
  SetSecurityDescriptorControl(&sd, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
  if (RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS) readOnly_ = true;
  RegCloseKey(key);
  LocalFree(acl);
  FreeSid(everyone);
}

}  // namespace demodisc::testing
