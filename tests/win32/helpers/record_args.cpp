// Test helper: appends its exact command line and its working directory, one
// per line in UTF-16, to the file named by DEMODISC_RECORD.
#include <windows.h>

int wmain() {
  wchar_t target[1024];
  if (!GetEnvironmentVariableW(L"DEMODISC_RECORD", target, 1024)) return 2;
  HANDLE h = CreateFileW(target, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 3;
  wchar_t cwd[1024];
  const DWORD n = GetCurrentDirectoryW(1024, cwd);
  const wchar_t* line = GetCommandLineW();
  DWORD written;
  WriteFile(h, line, lstrlenW(line) * sizeof(wchar_t), &written, nullptr);
  WriteFile(h, L"\n", sizeof(wchar_t), &written, nullptr);
  WriteFile(h, cwd, n * sizeof(wchar_t), &written, nullptr);
  WriteFile(h, L"\n", sizeof(wchar_t), &written, nullptr);
  CloseHandle(h);
  // A short life, so that the caller's wait is visible.
  Sleep(300);
  return 0;
}
