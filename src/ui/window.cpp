#include "ui/window.h"

#include <unordered_set>
#include <vector>

#include "base/errors.h"
#include "base/system_message_win.h"
#include "base/wide_win.h"
#include "ui/dispatch.h"
#include "ui/look/gdi.h"
#include "ui/look/high_contrast_win.h"
#include "ui/screen_scale_win.h"

namespace demodisc {

namespace {
// Every window object is found from its handle through GWLP_USERDATA, which
// belongs to the program that creates a window, for system controls too,
// and is read without a call to the server that window properties cost under
// Wine. A value there counts only when it is one of the live objects and
// that object holds the handle.
std::unordered_set<const Window*>& LiveObjects() {
  static std::unordered_set<const Window*> live;
  return live;
}

// How many messages of our windows are being handled, one inside another,
// and what is kept until none is.
int gHandlingDepth = 0;
std::vector<std::shared_ptr<void>>& KeptObjects() {
  static std::vector<std::shared_ptr<void>> kept;
  return kept;
}
}  // namespace

void KeepWhileHandlingMessages(std::shared_ptr<void> object) {
  if (object) KeptObjects().push_back(std::move(object));
}

Window::~Window() { Destroy(); }

UiScale Window::Scale() const {
  const int own = OwnDpi();
  return own > 0 ? UiScale(own) : ScaleOf(hwnd_);
}

void Window::Destroy() {
  // A child may have gone with its parent already. A window of our own class
  // lets go of this object at its WM_NCDESTROY.
  if (hwnd_ && IsWindow(hwnd_) && FromHwnd(hwnd_) == this) DestroyWindow(hwnd_);
  // A system control (and one that went with its parent) is still counted live.
  LiveObjects().erase(this);
  hwnd_ = nullptr;
}

void Window::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  LiveObjects().insert(this);
}

void Window::Detach() {
  if (GetWindowLongPtrW(hwnd_, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this))
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  LiveObjects().erase(this);
  hwnd_ = nullptr;
}

Window* Window::FromHwnd(HWND hwnd) {
  if (!hwnd) return nullptr;
  auto* object = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return object && LiveObjects().contains(object) && object->hwnd_ == hwnd ? object : nullptr;
}

HWND Window::Create(const WindowClass& windowClass, const CreateArgs& args) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(instance, windowClass.name, &wc)) {
    wc.cbSize = sizeof wc;
    wc.style = windowClass.style;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = windowClass.background;
    wc.hIcon = windowClass.icon;
    wc.lpszClassName = windowClass.name;
    RegisterClassExW(&wc);
  }
  return CreateHandle(windowClass.name, args);
}

HWND Window::CreateControl(const wchar_t* systemClass, const CreateArgs& args) {
  CreateArgs child = args;
  child.style |= WS_CHILD;
  return CreateHandle(systemClass, child);
}

HWND Window::CreateHandle(const wchar_t* className, const CreateArgs& args) {
  name_ = args.name;
  font_ = args.font;
  const HWND hwnd = CreateWindowExW(
      args.exStyle, className, Wide(args.text).c_str(), args.style, args.bounds.x, args.bounds.y,
      args.bounds.width, args.bounds.height, args.parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), GetModuleHandleW(nullptr), this);
  if (!hwnd) {
    const DWORD error = GetLastError();
    const Text which = args.name.empty() ? FromWide(className) : Text(args.name);
    throw AppError("Cannot create the window " + which + ": " + SystemMessage(error));
  }
  // Our own classes have done this from WM_NCCREATE on.
  if (!hwnd_) Attach(hwnd);
  if (args.font) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(args.font), FALSE);
  return hwnd;
}

bool Window::Reflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (ReflectToChild(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_PAINT: {
      const PaintScope paint(hwnd_);
      Paint(paint.dc(), paint.dirty());
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd_, &client);
      Paint(reinterpret_cast<HDC>(wp), client);
      return 0;
    }
    case kQueryBackColour:
      return static_cast<LRESULT>(SystemColour(COLOR_BTNFACE));
    case WM_NCPAINT:
      // A window without a frame or scroll bars has nothing outside its
      // client area; the default painting would still get a window DC.
      if (!HasNonClientArea(hwnd_)) return 0;
      [[fallthrough]];
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

void Window::Paint(HDC, const RECT&) {}

bool HasNonClientArea(HWND hwnd) {
  RECT window, client;
  if (!GetWindowRect(hwnd, &window) || !GetClientRect(hwnd, &client)) return true;
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE)
    static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams)->Attach(hwnd);
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    self->Detach();
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  ++gHandlingDepth;
  const LRESULT result = Guarded([&] { return self->HandleMessage(msg, wp, lp); }, LRESULT{0});
  if (--gHandlingDepth == 0 && !KeptObjects().empty()) {
    // Their destructors may handle messages of their own.
    std::vector<std::shared_ptr<void>> done;
    done.swap(KeptObjects());
  }
  return result;
}

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
  Window* child = Window::FromHwnd(from);
  return child && child->Reflected(msg, wp, lp, result);
}

COLORREF BackColourOf(HWND window) {
  return static_cast<COLORREF>(SendMessageW(window, kQueryBackColour, 0, 0));
}

void RepaintShown(HWND window, const RECT* area) {
  if (IsWindowVisible(window)) InvalidateRect(window, area, FALSE);
}

Bounds BoundsInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return BoundsOf(r);
}

Bounds BoundsOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

void SetWindowTextUtf8(HWND hwnd, const Text& text) { SetWindowTextW(hwnd, Wide(text).c_str()); }

Text WindowTextUtf8(HWND hwnd) {
  std::wstring buf(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  const int n = GetWindowTextW(hwnd, buf.data(), static_cast<int>(buf.size()));
  return FromWide(std::wstring_view(buf.data(), static_cast<std::size_t>(n)));
}

}  // namespace demodisc
