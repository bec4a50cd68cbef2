#include "ui/screen_scale_win.h"

namespace demodisc {

namespace {
// DPI_AWARENESS_SYSTEM_AWARE; per monitor (2) starts at the system DPI too,
// and the windows follow their monitor from there on WM_DPICHANGED. The
// names come only with Windows 10's headers.
constexpr int kSystemAware = 1;
using GetThreadContext = HANDLE(WINAPI*)();
using GetAwarenessOf = int(WINAPI*)(HANDLE);
using GetDpiForSystemFunction = UINT(WINAPI*)();

template <class F>
F User32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

UiScale& Scale() {
  static UiScale scale;
  return scale;
}
}  // namespace

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int AwareDpi() {
  const auto context = User32Function<GetThreadContext>("GetThreadDpiAwarenessContext");
  const auto awareness = User32Function<GetAwarenessOf>("GetAwarenessFromDpiAwarenessContext");
  if (!context || !awareness || awareness(context()) < kSystemAware) return UiScale::kBaseDpi;
  const auto system = User32Function<GetDpiForSystemFunction>("GetDpiForSystem");
  const int dpi = system ? static_cast<int>(system()) : ScreenDpi();
  return dpi > 0 ? dpi : UiScale::kBaseDpi;
}

const UiScale& DrawingScale() { return Scale(); }

void SetDrawingScale(UiScale scale) { Scale() = scale; }

}  // namespace demodisc
