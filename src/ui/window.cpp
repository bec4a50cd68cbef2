#include "ui/window.h"

#include "app/dispatch.h"
#include "base/wide_win.h"

namespace demodisc {

Window::~Window() { Destroy(); }

void Window::Destroy() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }
}

void Window::RegisterClass(const wchar_t* className, UINT style, HBRUSH background, HICON icon) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
}

HWND Window::Create(const wchar_t* className, const Text& caption, DWORD style, DWORD exStyle,
                    int x, int y, int width, int height, HWND parent, UINT_PTR id) {
  return CreateWindowExW(exStyle, className, Wide(caption).c_str(), style, x, y, width, height,
                         parent, reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), this);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (ReflectToChild(msg, wp, lp, result)) return result;
  if (msg == kQueryBackColour) return static_cast<LRESULT>(GetSysColor(COLOR_BTNFACE));
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

namespace {
constexpr wchar_t kReflectorProperty[] = L"DemoDisc.Reflector";
}

void AttachReflector(HWND control, Reflector* reflector) {
  SetPropW(control, kReflectorProperty, reflector);
}

void DetachReflector(HWND control) { RemovePropW(control, kReflectorProperty); }

bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  HWND from = nullptr;
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      from = reinterpret_cast<HWND>(lp);
      break;
    case WM_NOTIFY:
      from = reinterpret_cast<NMHDR*>(lp)->hwndFrom;
      break;
    case WM_DRAWITEM:
      if (reinterpret_cast<DRAWITEMSTRUCT*>(lp)->CtlType != ODT_MENU)
        from = reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem;
      break;
    default:
      return false;
  }
  if (!from) return false;
  auto* reflector = static_cast<Reflector*>(GetPropW(from, kReflectorProperty));
  return reflector && reflector->Reflected(msg, wp, lp, result);
}

COLORREF BackColourOf(HWND window) {
  return static_cast<COLORREF>(SendMessageW(window, kQueryBackColour, 0, 0));
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  return Guarded([&] { return self->HandleMessage(msg, wp, lp); }, LRESULT{0});
}

void SetWindowTextUtf8(HWND hwnd, const Text& text) { SetWindowTextW(hwnd, Wide(text).c_str()); }

Text WindowTextUtf8(HWND hwnd) {
  std::wstring buf(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  const int n = GetWindowTextW(hwnd, buf.data(), static_cast<int>(buf.size()));
  return FromWide(std::wstring_view(buf.data(), static_cast<std::size_t>(n)));
}

}  // namespace demodisc
