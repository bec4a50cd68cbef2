#include "ui/controls/control.h"

#include "base/wide_win.h"
#include "ui/controls/fonts.h"

namespace demodisc {

Control::~Control() {
  // The parent may have destroyed the control already.
  if (hwnd_ && IsWindow(hwnd_) && GetPropW(hwnd_, L"DemoDisc.Reflector") == this) {
    DetachReflector(hwnd_);
    DestroyWindow(hwnd_);
  }
}

void Control::CreateControl(const wchar_t* className, const Text& text, DWORD style, DWORD exStyle,
                            HWND parent, const Bounds& bounds, HFONT font, int id) {
  hwnd_ = CreateWindowExW(exStyle, className, Wide(text).c_str(), style | WS_CHILD, bounds.x,
                          bounds.y, bounds.width, bounds.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return;
  AttachReflector(hwnd_, this);
  if (font) SetControlFont(hwnd_, font);
}

Bounds BoundsInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace demodisc
