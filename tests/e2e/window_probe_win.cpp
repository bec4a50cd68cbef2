// Prints where the windows of another program are, for tests that drive it
// with real pointer input: every visible top-level window of the given
// classes and its descendants, one per line, as
//   <depth> <class> <id> <left> <top> <right> <bottom> <text>
// in screen coordinates, and for a tab control each tab as
//   tab <index> <left> <top> <right> <bottom>
// Texts are UTF-8. Exit code 0 when a window was found, 1 when none was,
// 3 when one was found but its thread does not answer.
//   window_probe.exe <top-level class>...
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& w) {
  if (w.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), out.data(), n, nullptr,
                      nullptr);
  for (char& c : out)
    if (c == '\n' || c == '\r') c = ' ';
  return out;
}

std::wstring TextOf(HWND h) {
  wchar_t buf[1024] = {};
  DWORD_PTR got = 0;
  SendMessageTimeoutW(h, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 1000,
                      &got);
  return buf;
}

// The tab rectangles of a tab control of another process, through memory
// allocated in that process.
void PrintTabs(HWND tab) {
  const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
  DWORD pid = 0;
  GetWindowThreadProcessId(tab, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  for (int i = 0; i < count && remote; ++i) {
    RECT r{};
    SIZE_T read = 0;
    if (SendMessageW(tab, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(remote)) &&
        ReadProcessMemory(process, remote, &r, sizeof r, &read)) {
      MapWindowPoints(tab, nullptr, reinterpret_cast<POINT*>(&r), 2);
      std::printf("tab %d %ld %ld %ld %ld\n", i, r.left, r.top, r.right, r.bottom);
    }
  }
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
}

void PrintWindow(HWND h, int depth) {
  wchar_t cls[128] = {};
  GetClassNameW(h, cls, 128);
  RECT r;
  GetWindowRect(h, &r);
  std::printf("%d %s %ld %ld %ld %ld %ld %s\n", depth, Utf8(cls).c_str(),
              static_cast<long>(GetDlgCtrlID(h)), r.left, r.top, r.right, r.bottom,
              Utf8(TextOf(h)).c_str());
  if (lstrcmpiW(cls, WC_TABCONTROLW) == 0) PrintTabs(h);
  for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (IsWindowVisible(c)) PrintWindow(c, depth + 1);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  int found = 0;
  bool answers = true;
  for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
    wchar_t cls[128] = {};
    GetClassNameW(h, cls, 128);
    bool asked = false;
    for (int i = 1; i < argc && !asked; ++i) asked = lstrcmpW(cls, argv[i]) == 0;
    if (IsWindowVisible(h) && asked) {
      DWORD_PTR ignored = 0;
      answers = answers && SendMessageTimeoutW(h, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &ignored);
      if (answers) PrintWindow(h, 0);
      ++found;
    }
  }
  std::fflush(stdout);
  return !found ? 1 : answers ? 0 : 3;
}
