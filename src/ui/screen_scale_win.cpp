#include "ui/screen_scale_win.h"

#include "ui/window.h"

namespace demodisc {

namespace {
// DPI_AWARENESS_SYSTEM_AWARE; per monitor (2) starts at the system DPI too,
// and the windows follow their monitor from there on WM_DPICHANGED. The
// names come only with Windows 10's headers.
constexpr int kSystemAware = 1;
using GetThreadContext = HANDLE(WINAPI*)();
using GetAwarenessOf = int(WINAPI*)(HANDLE);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using ParametersForDpi = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

template <class F>
F User32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
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

UiScale ScaleOf(HWND window) {
  const HWND top = window ? GetAncestor(window, GA_ROOT) : nullptr;
  const Window* object = top ? Window::FromHwnd(top) : nullptr;
  const int own = object ? object->OwnDpi() : 0;
  if (own > 0) return UiScale(own);
  static const UiScale first(AwareDpi());
  return first;
}

int FrameDpiOf(HWND window) {
  static const auto forWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  const int dpi = window && forWindow ? static_cast<int>(forWindow(window)) : 0;
  if (dpi > 0) return dpi;
  static const int aware = AwareDpi();
  return aware;
}

SIZE FrameSizeForDpi(DWORD style, DWORD exStyle, int clientWidth, int clientHeight, int dpi) {
  RECT r{0, 0, clientWidth, clientHeight};
  static const auto forDpi = User32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
  if (!forDpi || !forDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return {r.right - r.left, r.bottom - r.top};
}

LOGFONTW MessageFontForDpi(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  static const auto forDpi = User32Function<ParametersForDpi>("SystemParametersInfoForDpi");
  if (!forDpi ||
      !forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return metrics.lfMessageFont;
}

}  // namespace demodisc
