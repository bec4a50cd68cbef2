// Test helper: a DLL planted beside a program under a system DLL's name. It
// exports nothing; loaded into a process, it creates "<its file name>.loaded"
// beside itself.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t marker[MAX_PATH + 8];
  const DWORD n = GetModuleFileNameW(self, marker, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return TRUE;
  lstrcpyW(marker + n, L".loaded");
  const HANDLE h =
      CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  return TRUE;
}
