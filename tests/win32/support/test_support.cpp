#include "support/test_support.h"

#include <commctrl.h>
#include <shellapi.h>

#include "base/wide_win.h"
#include "ui/window.h"

namespace demodisc::testing {

namespace {
DialogWatcher* gWatcher = nullptr;

const wchar_t* const kDialogClasses[] = {L"#32770", L"TMessageForm"};

bool IsDialogClass(const std::wstring& name) {
  for (const wchar_t* c : kDialogClasses)
    if (name == c) return true;
  return false;
}

std::wstring ClassOf(HWND h) {
  wchar_t buf[64] = {};
  GetClassNameW(h, buf, 64);
  return buf;
}

BOOL CALLBACK CollectText(HWND child, LPARAM lp) {
  auto* text = reinterpret_cast<Text*>(lp);
  if (ClassOf(child) == L"Static" || ClassOf(child) == L"STATIC") {
    const Text t = WindowTextUtf8(child);
    if (!t.empty() && text->empty()) *text = t;
  }
  return TRUE;
}
}  // namespace

TempDir::TempDir() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  static int counter = 0;
  for (;;) {
    std::wstring p = std::wstring(base) + L"ddtest_" + std::to_wstring(GetCurrentProcessId()) +
                     L"_" + std::to_wstring(++counter);
    if (CreateDirectoryW(p.c_str(), nullptr)) {
      path_ = FromWide(p);
      return;
    }
  }
}

TempDir::~TempDir() {
  std::wstring from = Wide(path_);
  from.push_back(L'\0');
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationW(&op);
}

void MakeDirs(const Text& path) {
  for (std::size_t i = 3; i <= path.size(); ++i)
    if (i == path.size() || path[i] == '\\')
      CreateDirectoryW(Wide(path.substr(0, i)).c_str(), nullptr);
}

void WriteFileBytes(const Text& path, const std::string& bytes) {
  MakeDirs(path.substr(0, path.find_last_of('\\')));
  HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
}

std::string Cp1251(std::string_view text) {
  const std::wstring wide = Wide(text);
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(1251, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(1251, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

std::string ReadFileBytes(const Text& path) {
  HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string out;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
  CloseHandle(h);
  return out;
}

bool FileExists(const Text& path) {
  return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<Text> RecordedLines(const Text& path, bool wide) {
  const std::string bytes = ReadFileBytes(path);
  const Text all = wide ? FromWide(std::wstring_view(reinterpret_cast<const wchar_t*>(bytes.data()),
                                                     bytes.size() / sizeof(wchar_t)))
                        : bytes;
  std::vector<Text> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] != '\n') continue;
    Text line = all.substr(start, i - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = i + 1;
  }
  return lines;
}

Text TestProgramDir() {
  wchar_t buf[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
  Text p = FromWide(std::wstring_view(buf, n));
  return p.substr(0, p.find_last_of('\\'));
}

namespace {
void CALLBACK EndTheLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); }
}  // namespace

namespace {
BOOL CALLBACK CountDescendant(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountWithDescendants(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountDescendant, count);
  return TRUE;
}
}  // namespace

int ThreadWindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWithDescendants, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Wine reports none through GetGuiResources; there a handle whose upper word
// is 0 names the object of its table slot whatever its generation, so the
// slots are asked one by one.
int GdiObjectCount() {
  if (const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
    return static_cast<int>(reported);
  int count = 0;
  for (UINT_PTR slot = 0x20; slot <= 0xFFFF; ++slot)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++count;
  return count;
}

int RunLoopAtMost(int ms, const std::function<int()>& loop) {
  const UINT_PTR guard = SetTimer(nullptr, 0, static_cast<UINT>(ms), EndTheLoop);
  const int exitCode = loop();
  KillTimer(nullptr, guard);
  return exitCode;
}

void PumpMessages(int ms, const std::function<bool()>& done) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  while (!done()) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      if (done()) return;
    }
    const DWORD now = GetTickCount();
    if (static_cast<LONG>(end - now) <= 0) return;
    // Short waits, so that a condition that changes without a message (a
    // device playing on its own thread) is seen soon after it holds.
    const DWORD left = end - now;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 10 ? left : 10, QS_ALLINPUT);
  }
}

DialogWatcher::DialogWatcher(int answer) : answer_(answer) {
  gWatcher = this;
  hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

DialogWatcher::~DialogWatcher() {
  UnhookWindowsHookEx(hook_);
  gWatcher = nullptr;
}

LRESULT CALLBACK DialogWatcher::Hook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_ACTIVATE && gWatcher) {
    HWND h = reinterpret_cast<HWND>(wp);
    const std::wstring cls = ClassOf(h);
    if (IsDialogClass(cls)) {
      SeenDialog d;
      d.caption = WindowTextUtf8(h);
      d.className = FromWide(cls);
      EnumChildWindows(h, CollectText, reinterpret_cast<LPARAM>(&d.text));
      // A dialog activated again is answered only once.
      for (HWND answered : gWatcher->answered_)
        if (answered == h) return CallNextHookEx(nullptr, code, wp, lp);
      gWatcher->answered_.push_back(h);
      gWatcher->seen_.push_back(d);
      PostMessageW(h, WM_COMMAND, MAKEWPARAM(gWatcher->answer_, BN_CLICKED), 0);
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

Text TabCaption(HWND tabs, int index) {
  wchar_t text[128] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 128;
  SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
  return FromWide(text);
}

}  // namespace demodisc::testing
