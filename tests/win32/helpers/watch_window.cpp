// Test helper, started as content by the program under test: watches the
// program's window from outside while the program waits for it, and appends
// what it saw, one "key value" line each in UTF-16, to the file named by
// DEMODISC_RECORD:
//   answered <0|1> <ms>   a WM_NULL sent with SMTO_ABORTIFHUNG, after 1 s
//   painted <0|1>         the window, invalidated, has no update region 500 ms later
//   memo <text>           the memo's text, after a pointer move was posted to the group
//   hung <0|1>            IsHungAppWindow, after 5.5 s
//   watch_window.exe <window> <group> <x> <y> <memo>   (handles in decimal)
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND HandleArg(const wchar_t* s) {
  return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoull(s, nullptr, 10)));
}

void Append(const std::wstring& line) {
  wchar_t target[1024];
  if (!GetEnvironmentVariableW(L"DEMODISC_RECORD", target, 1024)) return;
  HANDLE h = CreateFileW(target, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  const std::wstring text = line + L"\n";
  DWORD written;
  WriteFile(h, text.c_str(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(h);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 6) return 2;
  const HWND window = HandleArg(argv[1]);
  const HWND group = HandleArg(argv[2]);
  const int x = _wtoi(argv[3]), y = _wtoi(argv[4]);
  const HWND memo = HandleArg(argv[5]);
  const DWORD start = GetTickCount();

  Sleep(1000);
  DWORD_PTR ignored = 0;
  const DWORD before = GetTickCount();
  const bool answered =
      SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored) != 0;
  Append(L"answered " + std::to_wstring(answered) + L" " +
         std::to_wstring(GetTickCount() - before));

  InvalidateRect(window, nullptr, TRUE);
  Sleep(500);
  RECT update{};
  Append(L"painted " + std::to_wstring(!GetUpdateRect(window, &update, FALSE)));

  PostMessageW(group, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  Sleep(300);
  wchar_t text[256] = {};
  SendMessageTimeoutW(memo, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                      &ignored);
  Append(std::wstring(L"memo ") + text);

  const DWORD elapsed = GetTickCount() - start;
  if (elapsed < 5500) Sleep(5500 - elapsed);
  Append(L"hung " + std::to_wstring(IsHungAppWindow(window) != FALSE));
  return 0;
}
