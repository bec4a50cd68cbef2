// The sample disc's stand-ins for the programs a real disc carries: the
// video player LA20K\LA.exe (STAND_IN_PLAYER) and the reader installer
// Acrobat Reader\AdbeRdr812_ru_RU.exe. Each shows one line saying what it
// stands in for (the player with the clip it was given) in a small window
// for two seconds, and ends: nothing to press, so an automated session is
// not held up. Each carries its marker, by which the disc check tells it
// from the real program and reports a disc that still holds it.
#include <windows.h>

#include "disc_check/stand_in_markers.h"

namespace {

// Kept in the program's data even though nothing reads it.
#ifdef STAND_IN_PLAYER
[[gnu::used]] const char* const kMarker = demodisc::kPlayerStandInMarker;
#else
[[gnu::used]] const char* const kMarker = demodisc::kInstallerStandInMarker;
#endif

constexpr UINT_PTR kTimer = 1;
constexpr UINT kShownMs = 2000;
constexpr int kWidth = 560;
constexpr int kHeight = 110;

#ifdef STAND_IN_PLAYER
// The command line after the program's own name: the player's clip path,
// handed over unquoted.
const wchar_t* Arguments() {
  const wchar_t* line = GetCommandLineW();
  if (*line == L'"') {
    ++line;
    while (*line && *line != L'"') ++line;
    if (*line) ++line;
  } else {
    while (*line && *line != L' ' && *line != L'\t') ++line;
  }
  while (*line == L' ' || *line == L'\t') ++line;
  return line;
}
#endif

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  // Read, so that the linker's dropping of unreferenced data keeps the marker.
  const char* volatile marker = kMarker;
  (void)marker;
#ifdef STAND_IN_PLAYER
  const wchar_t* title = L"LA.exe";
  wchar_t text[1024] =
      L"DemoDisc sample disc: the stand-in for the video player LA.exe, given the clip ";
  const int used = lstrlenW(text);
  lstrcpynW(text + used, Arguments(), static_cast<int>(sizeof text / sizeof *text) - used);
#else
  const wchar_t* title = L"AdbeRdr812_ru_RU.exe";
  const wchar_t* text = L"DemoDisc sample disc: the stand-in for the Acrobat Reader installer";
#endif
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"DemoDiscStandIn";
  RegisterClassW(&wc);

  constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, kWidth, kHeight};
  AdjustWindowRect(&frame, kStyle, FALSE);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const HWND window = CreateWindowExW(0, wc.lpszClassName, title, kStyle,
                                      (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                      (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                      nullptr, nullptr, instance, nullptr);
  const HWND label = CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 20,
                                     kWidth - 20, kHeight - 30, window, nullptr, instance, nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  ShowWindow(window, show);
  SetTimer(window, kTimer, kShownMs, nullptr);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
