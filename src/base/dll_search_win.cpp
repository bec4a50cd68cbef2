#include "base/dll_search_win.h"

namespace demodisc {

void RestrictDllSearch() noexcept {
  // Looked up, not imported: the exe must load on Windows XP, which lacks it.
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const auto setDefaultDllDirectories =
      reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const char* name) noexcept {
  wchar_t path[MAX_PATH];
  UINT length = GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0) return nullptr;
  if (length >= MAX_PATH - 1) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return nullptr;
  }
  if (path[length - 1] != L'\\') path[length++] = L'\\';
  for (const char* c = name; *c; ++c) {
    const auto ch = static_cast<unsigned char>(*c);
    if (ch >= 0x80 || ch == '\\' || ch == '/' || ch == ':' || length + 1 >= MAX_PATH) {
      SetLastError(ERROR_INVALID_NAME);
      return nullptr;
    }
    path[length++] = static_cast<wchar_t>(ch);
  }
  path[length] = L'\0';
  // With the altered search path the DLL's own imports come from its folder
  // first, not from the program's folder, also where the search is not
  // restricted (Windows XP).
  return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE LoadCommonControls() noexcept {
  LoadSystemLibrary("msimg32.dll");
  LoadSystemLibrary("uxtheme.dll");
  return LoadLibraryW(L"comctl32.dll");
}

}  // namespace demodisc
