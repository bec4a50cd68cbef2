#include "ui/look/visual_styles.h"

#include <shlwapi.h>

#include "base/dll_search_win.h"

namespace demodisc {

namespace {

using HTheme = HANDLE;

struct ThemeApi {
  BOOL(WINAPI* isAppThemed)() = nullptr;
  BOOL(WINAPI* isThemeActive)() = nullptr;
  HRESULT(WINAPI* drawParentBackground)(HWND, HDC, const RECT*) = nullptr;
  HTheme(WINAPI* openThemeData)(HWND, LPCWSTR) = nullptr;
  HRESULT(WINAPI* closeThemeData)(HTheme) = nullptr;
  HRESULT(WINAPI* drawThemeBackground)(HTheme, HDC, int, int, const RECT*, const RECT*) = nullptr;

  ThemeApi() {
    HMODULE lib = LoadSystemLibrary("uxtheme.dll");
    if (!lib) return;
    Load(lib, "IsAppThemed", isAppThemed);
    Load(lib, "IsThemeActive", isThemeActive);
    Load(lib, "DrawThemeParentBackground", drawParentBackground);
    Load(lib, "OpenThemeData", openThemeData);
    Load(lib, "CloseThemeData", closeThemeData);
    Load(lib, "DrawThemeBackground", drawThemeBackground);
  }

  template <class F>
  static void Load(HMODULE lib, const char* name, F& f) {
    f = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(lib, name)));
  }
};

const ThemeApi& Api() {
  static const ThemeApi api;
  return api;
}

bool CommonControls6() {
  static const bool v6 = [] {
    HMODULE cc = GetModuleHandleW(L"comctl32.dll");
    if (!cc) return false;
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(GetProcAddress(cc, "DllGetVersion")));
    if (!getVersion) return false;
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    return SUCCEEDED(getVersion(&info)) && info.dwMajorVersion >= 6;
  }();
  return v6;
}

}  // namespace

bool VisualStylesActive() {
  const ThemeApi& api = Api();
  return api.isAppThemed && api.isThemeActive && CommonControls6() && api.isAppThemed() &&
         api.isThemeActive();
}

void DrawParentBackground(HWND child, HDC dc) {
  if (Api().drawParentBackground) Api().drawParentBackground(child, dc, nullptr);
}

HANDLE WindowTheme::For(HWND window) {
  const ThemeApi& api = Api();
  if (!VisualStylesActive() || !api.openThemeData || !api.closeThemeData) return nullptr;
  if (!opened_) {
    data_ = api.openThemeData(window, classList_);
    opened_ = true;
  }
  return data_;
}

void WindowTheme::Follow(UINT msg) {
  if (msg == WM_THEMECHANGED || msg == WM_DESTROY) Close();
}

void WindowTheme::Close() {
  if (data_) Api().closeThemeData(data_);
  data_ = nullptr;
  opened_ = false;
}

bool DrawThemedPushButton(WindowTheme& theme, HWND button, HDC dc, const RECT& rect, int state) {
  const ThemeApi& api = Api();
  if (!api.drawThemeBackground) return false;
  const HTheme data = theme.For(button);
  if (!data) return false;
  constexpr int kPushButtonPart = 1;
  api.drawThemeBackground(data, dc, kPushButtonPart, state, &rect, nullptr);
  return true;
}

}  // namespace demodisc
