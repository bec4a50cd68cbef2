#include "ui/form.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/startup_marks_win.h"
#include "control_rules/window_placement.h"
#include "ui/look/high_contrast_win.h"
#include "ui/message_loop_win.h"
#include "ui/monitors_win.h"
#include "ui/thread_windows_win.h"

namespace demodisc {

namespace {
// Posted by WM_ACTIVATE so that the activation handler runs outside the
// activation itself (it may show message boxes).
constexpr UINT kFormActivateMessage = WM_APP + 0x100;
}  // namespace

void Form::CreateForm(const WindowClass& windowClass, const CreateArgs& args) {
  designedSize_ = FrameSizeForDpi(args.style, args.exStyle, args.bounds.width, args.bounds.height,
                                  FrameDpiOf(nullptr));
  CreateArgs window = args;
  window.style &= ~WS_VISIBLE;
  window.bounds = {0, 0, designedSize_.cx, designedSize_.cy};
  Create(windowClass, window);
  // The system makes a new window no larger than the screen, before the
  // window can say otherwise; one drawn at a scale may be larger, as the
  // system's stretching would make it.
  RECT made;
  GetWindowRect(hwnd(), &made);
  if (made.right - made.left != designedSize_.cx || made.bottom - made.top != designedSize_.cy)
    SetWindowPos(hwnd(), nullptr, 0, 0, designedSize_.cx, designedSize_.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::CreateScaledForm(const WindowClass& windowClass, const CreateArgs& args, UiScale scale) {
  clientAt96_ = SIZE{args.bounds.width, args.bounds.height};
  scale_ = scale;
  CreateArgs scaled = args;
  scaled.bounds = scale.Px(args.bounds);
  CreateForm(windowClass, scaled);
}

SIZE Form::ScaledFrameSize(const UiScale& scale, int frameDpi) const {
  return FrameSizeForDpi(static_cast<DWORD>(GetWindowLongW(hwnd(), GWL_STYLE)),
                         static_cast<DWORD>(GetWindowLongW(hwnd(), GWL_EXSTYLE)),
                         scale.Px(clientAt96_->cx), scale.Px(clientAt96_->cy), frameDpi);
}

namespace {
struct NameSearch {
  std::string_view name;
  Window* found = nullptr;
  GraphicElement* element = nullptr;
};

BOOL CALLBACK MatchName(HWND child, LPARAM lp) {
  auto* search = reinterpret_cast<NameSearch*>(lp);
  Window* window = Window::FromHwnd(child);
  if (window && window->name() == search->name) search->found = window;
  return search->found ? FALSE : TRUE;
}

BOOL CALLBACK MatchElementName(HWND child, LPARAM lp) {
  auto* search = reinterpret_cast<NameSearch*>(lp);
  Window* window = Window::FromHwnd(child);
  ElementHost* host = window ? window->Elements() : nullptr;
  if (host) search->element = host->Named(search->name);
  return search->element ? FALSE : TRUE;
}
}  // namespace

void Form::EnsureControls() const {
  if (controlsMade_) return;
  controlsMade_ = true;
  const_cast<Form*>(this)->CreateControls();
}

void Form::LayOutAgainAt(const UiScale& scale) {
  RECT frame;
  GetWindowRect(hwnd(), &frame);
  const SIZE size = ScaledFrameSize(scale, FrameDpiOf(hwnd()));
  LayOutAgain(scale, {frame.left, frame.top, frame.left + size.cx, frame.top + size.cy});
}

namespace {
// The name of the control that holds `focus` (the focus itself, or the named
// control it is part of); empty for none.
std::string NameOfControlWith(HWND form, HWND focus) {
  for (HWND h = focus; h && h != form && IsChild(form, h); h = GetParent(h)) {
    const Window* window = Window::FromHwnd(h);
    if (window && !window->name().empty()) return window->name();
  }
  return {};
}
}  // namespace

void Form::LayOutAgain(const UiScale& scale, const RECT& frame) {
  scale_ = scale;
  const bool remake = controlsMade_;
  const HWND focus = GetFocus();
  const bool focusHere = focus && (focus == hwnd() || IsChild(hwnd(), focus));
  const std::string focusName = NameOfControlWith(hwnd(), focusHere ? focus : lastFocus_);
  if (remake) {
    KeepControlState();
    std::vector<HWND> children;
    for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      children.push_back(child);
    for (HWND child : children) DestroyWindow(child);
    elements_.Clear();
    KeepWhileHandlingMessages(ReleaseControls());
    lastFocus_ = nullptr;
  }
  // The window takes its new size first: the layout fills its client area.
  designedSize_ = {frame.right - frame.left, frame.bottom - frame.top};
  SetWindowPos(hwnd(), nullptr, frame.left, frame.top, designedSize_.cx, designedSize_.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (!remake) return;
  CreateControls();
  RestoreControlState();
  if (Window* control = focusName.empty() ? nullptr : Named(focusName)) {
    lastFocus_ = control->hwnd();
    if (focusHere) SetFocus(lastFocus_);
  } else if (focusHere) {
    RestoreFocus();
  }
  // Every control is painted anew: they were placed without painting, as a
  // layout made while the window is hidden places them.
  if (IsWindowVisible(hwnd())) {
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd(), OBJID_CLIENT, CHILDID_SELF);
  }
}

Window* Form::Named(std::string_view name) const {
  EnsureControls();
  NameSearch search{name};
  EnumChildWindows(hwnd(), MatchName, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

GraphicElement* Form::NamedElement(std::string_view name) const {
  EnsureControls();
  if (GraphicElement* own = elements_.Named(name)) return own;
  NameSearch search{name};
  EnumChildWindows(hwnd(), MatchElementName, reinterpret_cast<LPARAM>(&search));
  return search.element;
}

void Form::PlaceAtFirstShowing() {
  const HWND owner = GetWindow(hwnd(), GW_OWNER);
  const Form* over = owner ? dynamic_cast<const Form*>(Window::FromHwnd(owner)) : nullptr;
  if (over && IsWindowVisible(owner)) {
    PlaceCentredOver(MonitorOfWindow(owner).whole, over->Scale());
  } else {
    PlaceCentredOver(PrimaryMonitor().whole, scale_);
  }
}

void Form::PlaceCentredOver(const RECT& area, const UiScale& scale) {
  if (clientAt96_ && scale != scale_) LayOutAgainAt(scale);
  RECT frame;
  GetWindowRect(hwnd(), &frame);
  const Corner corner = CentredInside(BoundsOf(area), frame.right - frame.left,
                                      frame.bottom - frame.top, BoundsOf(MonitorOf(area).work));
  SetWindowPos(hwnd(), nullptr, corner.x, corner.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::PrepareShowing() {
  EnsureControls();
  if (!placed_) {
    placed_ = true;
    PlaceAtFirstShowing();
  }
  activatePending_ = true;
}

void Form::Show() {
  PrepareShowing();
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

int Form::ShowModal() {
  const HWND previous = GetActiveWindow();
  modalResult_ = 0;
  inModal_ = true;
  {
    ThreadWindowsDisabled others(hwnd());
    PrepareShowing();
    ShowWindow(hwnd(), SW_SHOW);
    SetActiveWindow(hwnd());
    RunMessagesUntil([this] { return modalResult_ != 0; });
    // The others are enabled again before this one hides, so that the
    // activation goes back to them rather than to another program.
  }
  inModal_ = false;
  if (IsWindowVisible(hwnd())) ShowWindow(hwnd(), SW_HIDE);
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
  return modalResult_ ? modalResult_ : kModalCancel;
}

void Form::EndModal(int result) {
  modalResult_ = result;
  if (!inModal_) ShowWindow(hwnd(), SW_HIDE);
}

void Form::RestoreFocus() {
  if (!lastFocus_ || !IsWindow(lastFocus_) || !IsChild(hwnd(), lastFocus_) ||
      !IsWindowVisible(lastFocus_) || !IsWindowEnabled(lastFocus_))
    lastFocus_ = GetNextDlgTabItem(hwnd(), nullptr, FALSE);
  SetFocus(lastFocus_ ? lastFocus_ : hwnd());
}

void Form::Paint(HDC dc, const RECT& dirty) {
  StartupMark("first paint of a window");
  if (elements_.empty()) return;
  auto background =
      ShownBackBrush(reinterpret_cast<HBRUSH>(GetClassLongPtrW(hwnd(), GCLP_HBRBACKGROUND)));
  elements_.PaintWithFace(dc, dirty, [&] {
    if (background) FillRect(dc, &dirty, background);
  });
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (elements_.HandleMessage(hwnd(), msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
        return 0;
      }
      StartupMark("first activation");
      if (activatePending_) {
        activatePending_ = false;
        PostMessageW(hwnd(), kFormActivateMessage, 0, 0);
      }
      if (!HIWORD(wp)) RestoreFocus();
      return 0;
    case kFormActivateMessage:
      StartupMark("activation handler starts");
      FormActivate();
      StartupMark("activation handler done");
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lp);
      limits->ptMaxTrackSize.x = std::max(limits->ptMaxTrackSize.x, designedSize_.cx);
      limits->ptMaxTrackSize.y = std::max(limits->ptMaxTrackSize.y, designedSize_.cy);
      break;
    }
    case kGetDpiScaledSizeMessage:
      if (!clientAt96_ || !lp) break;  // a window that keeps its scaling
      // The exact frame at the new resolution, its frame drawn there too, so
      // that the rectangle WM_DPICHANGED then suggests fits the client area
      // the layout wants.
      *reinterpret_cast<SIZE*>(lp) = ScaledFrameSize(UiScale(LOWORD(wp)), LOWORD(wp));
      return TRUE;
    case kDpiChangedMessage:
      if (!clientAt96_) break;  // a window that keeps its scaling
      if (lp) {
        LayOutAgain(UiScale(LOWORD(wp)), *reinterpret_cast<const RECT*>(lp));
      } else {
        LayOutAgainAt(UiScale(LOWORD(wp)));
      }
      return 0;
    case WM_ERASEBKGND:
      if (elements_.empty()) break;
      return 1;  // painted with the elements
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      FollowColourChange(hwnd(), msg, wp, lp);
      break;
    case WM_CLOSE:
      if (!FormCloseQuery()) return 0;
      FormClose();
      if (IsMainForm()) {
        PostQuitMessage(0);
        ShowWindow(hwnd(), SW_HIDE);
      } else {
        EndModal(kModalCancel);
      }
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(msg, wp, lp);
}

}  // namespace demodisc
