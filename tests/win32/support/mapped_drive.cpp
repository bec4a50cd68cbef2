#include "support/mapped_drive.h"

#include <windows.h>
#include <winioctl.h>

#include <string>
#include <vector>

#include "base/wide_win.h"

namespace demodisc::testing {
namespace {

// Wine's own extension of the mount manager (include/ddk/mountmgr.h).
constexpr DWORD kDefineUnixDrive =
    CTL_CODE(static_cast<DWORD>('m'), 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

#pragma pack(push, 8)
struct UnixDriveRequest {
  ULONG size;
  ULONG type;
  ULONG fsType;
  DWORD serial;
  ULONGLONG unixDev;
  WCHAR letter;
  USHORT mountPointOffset;
  USHORT deviceOffset;
  USHORT labelOffset;
};
#pragma pack(pop)

using UnixFileNameFn = char*(CDECL*)(LPCWSTR);

UnixFileNameFn WineUnixFileName() {
  return reinterpret_cast<UnixFileNameFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

// Maps (unixPath non-empty) or unmaps the letter through the mount manager.
bool DefineWineDrive(wchar_t letter, const std::string& unixPath) {
  std::vector<char> buffer(sizeof(UnixDriveRequest) + unixPath.size() + 1, 0);
  auto* request = reinterpret_cast<UnixDriveRequest*>(buffer.data());
  request->size = static_cast<ULONG>(buffer.size());
  request->letter = letter;
  if (unixPath.empty()) {
    request->type = DRIVE_NO_ROOT_DIR;
  } else {
    request->type = DRIVE_CDROM;
    request->mountPointOffset = sizeof(UnixDriveRequest);
    unixPath.copy(buffer.data() + sizeof(UnixDriveRequest), unixPath.size());
  }
  HANDLE manager =
      CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (manager == INVALID_HANDLE_VALUE) return false;
  DWORD returned = 0;
  const BOOL ok = DeviceIoControl(manager, kDefineUnixDrive, buffer.data(), request->size, nullptr,
                                  0, &returned, nullptr);
  CloseHandle(manager);
  return ok != FALSE;
}

}  // namespace

MappedDrive::MappedDrive(const Text& folder) {
  const DWORD used = GetLogicalDrives();
  wchar_t letter = 0;
  for (wchar_t l = L'D'; l <= L'Y' && !letter; ++l)
    if (!(used & (1u << (l - L'A')))) letter = l;
  if (!letter) {
    error_ = "no free drive letter";
    return;
  }
  const std::wstring device{letter, L':'};
  const std::wstring target = Wide(folder);
  if (UnixFileNameFn unixName = WineUnixFileName()) {
    wine_ = true;
    char* path = unixName(target.c_str());
    const std::string unixPath = path ? path : "";
    if (path) HeapFree(GetProcessHeap(), 0, path);
    if (unixPath.empty() || !DefineWineDrive(letter, unixPath)) {
      error_ = "the mount manager did not map the drive";
      return;
    }
    letter_ = letter;
  } else if (!DefineDosDeviceW(0, device.c_str(), target.c_str())) {
    error_ = "DefineDosDevice failed";
    return;
  }
  letter_ = letter;
  // The drive must really show the folder.
  if (GetFileAttributesW((device + L"\\").c_str()) == INVALID_FILE_ATTRIBUTES) {
    error_ = "the mapped drive shows nothing";
    return;
  }
  drive_ = FromWide(device);
}

MappedDrive::~MappedDrive() {
  if (!letter_) return;
  const std::wstring device{letter_, L':'};
  if (wine_)
    DefineWineDrive(letter_, "");
  else
    DefineDosDeviceW(DDD_REMOVE_DEFINITION, device.c_str(), nullptr);
}

}  // namespace demodisc::testing
