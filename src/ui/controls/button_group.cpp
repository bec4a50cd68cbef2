#include "ui/controls/button_group.h"

#include <windowsx.h>

#include "base/wide_win.h"
#include "control_rules/button_group_rules.h"
#include "ui/back_buffer.h"
#include "ui/look/colours.h"
#include "ui/look/gdi.h"
#include "ui/look/high_contrast_win.h"
#include "ui/screen_scale_win.h"

namespace demodisc {

namespace {
constexpr wchar_t kClassName[] = L"TButtonGroup";
// At 96 dpi.
}  // namespace

void ButtonGroup::Create(const CreateArgs& args, const ImageList* images, std::vector<Item> items) {
  items_ = std::move(items);
  images_ = images;
  itemHeight_ = ScaleOf(args.parent).Px(kButtonGroupItemHeight);
  CreateArgs group = args;
  group.style |= WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  group.exStyle |= WS_EX_CLIENTEDGE;
  Window::Create({kClassName, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, nullptr}, group);
}

int ButtonGroup::ButtonAtPoint(LPARAM lp) const {
  RECT client;
  GetClientRect(hwnd(), &client);
  return ButtonAt(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), client.right, client.bottom, Count(),
                  itemHeight_);
}

RECT ButtonGroup::ButtonRect(int index) const {
  RECT client;
  GetClientRect(hwnd(), &client);
  return RECT{0, index * itemHeight_, client.right, (index + 1) * itemHeight_};
}

void ButtonGroup::RepaintButton(int index) {
  if (index < 0) return;
  const RECT r = ButtonRect(index);
  RepaintShown(hwnd(), &r);
}

void ButtonGroup::SetFocusIndex(int index) {
  MoveFocus(index >= 0 && index < Count() ? index : -1);
}

void ButtonGroup::MoveFocus(int index) {
  if (index == focus_) return;
  RepaintButton(focus_);
  focus_ = index;
  RepaintButton(focus_);
  AccessibleHost::FocusMoved(hwnd(), focus_);
}

void ButtonGroup::SetHot(int index) {
  if (index == hot_) return;
  const int previous = hot_;
  hot_ = index;
  RepaintButton(previous);
  RepaintButton(index);
  AccessibleHost::Changed(hwnd(), EVENT_OBJECT_STATECHANGE, previous);
  AccessibleHost::Changed(hwnd(), EVENT_OBJECT_STATECHANGE, index);
  if (onHotButton) onHotButton(index);
}

void ButtonGroup::MouseMove(LPARAM lp) {
  if (!tracking_) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd(), 0};
    tracking_ = TrackMouseEvent(&tme) != FALSE;
  }
  const int index = ButtonAtPoint(lp);
  if (pressed_ >= 0) {
    const bool down = index == pressed_;
    if (down != drawnDown_) {
      drawnDown_ = down;
      RepaintButton(pressed_);
    }
  }
  SetHot(index);
}

void ButtonGroup::MouseLeave() {
  tracking_ = false;
  SetHot(-1);
}

void ButtonGroup::LeftDown(LPARAM lp) {
  SetFocus(hwnd());
  const int index = ButtonAtPoint(lp);
  if (index < 0) return;
  MoveFocus(index);
  pressed_ = index;
  drawnDown_ = true;
  SetCapture(hwnd());
  RepaintButton(index);
}

void ButtonGroup::LeftUp(LPARAM lp) {
  if (pressed_ < 0) return;
  const int pressed = pressed_;
  pressed_ = -1;
  drawnDown_ = false;
  if (GetCapture() == hwnd()) ReleaseCapture();
  RepaintButton(pressed);
  if (ButtonAtPoint(lp) != pressed) return;
  RunClick(pressed);
}

void ButtonGroup::RunClick(int index) {
  // Draw the released button before the item's action blocks the window.
  UpdateWindow(hwnd());
  const auto& onClick = items_[static_cast<std::size_t>(index)].onClick;
  if (onClick) onClick();
}

bool ButtonGroup::Clickable() const {
  return IsWindowEnabled(hwnd()) && IsWindowEnabled(GetAncestor(hwnd(), GA_ROOT));
}

void ButtonGroup::Press(int index) {
  // Not while the mouse holds a button, nor while the window is disabled
  // (a modal window of ours is up): no mouse click could happen then.
  if (index < 0 || index >= Count() || pressed_ >= 0 || !Clickable()) return;
  SetFocus(hwnd());
  MoveFocus(index);
  RunClick(index);
}

void ButtonGroup::KeyDown(WPARAM key) {
  FocusKey step;
  switch (key) {
    case VK_UP:
    case VK_LEFT:
      step = FocusKey::Previous;
      break;
    case VK_DOWN:
    case VK_RIGHT:
      step = FocusKey::Next;
      break;
    case VK_PRIOR:
      step = FocusKey::PageUp;
      break;
    case VK_NEXT:
      step = FocusKey::PageDown;
      break;
    case VK_HOME:
      step = FocusKey::First;
      break;
    case VK_END:
      step = FocusKey::Last;
      break;
    default:
      return;  // Enter and Space run nothing
  }
  RECT client;
  GetClientRect(hwnd(), &client);
  MoveFocus(MovedFocus(step, focus_, Count(), client.bottom / itemHeight_));
}

void ButtonGroup::DrawButton(HDC dc, int index, const RECT& r) {
  const Item& item = items_[static_cast<std::size_t>(index)];
  const bool down = index == pressed_ && drawnDown_;
  const bool hot = index == hot_ && !down;
  const COLORREF fixedFace = GetSysColor(down ? COLOR_BTNSHADOW : COLOR_BTNFACE);
  const ButtonFrameColours colours = FrameColoursFor(ToRgb(fixedFace));
  const FaceColours shown = ShownFace({fixedFace, GetSysColor(down ? COLOR_BTNFACE : COLOR_BTNTEXT),
                                       ToColorRef(hot ? colours.hotFrame : colours.frame)},
                                      hot, down);
  const COLORREF face = shown.face;
  FillSolid(dc, r, face);

  RECT frame{r.left + Px(2), r.top + Px(1), r.right - Px(2), r.bottom - Px(1)};
  FrameSolid(dc, frame, shown.frame);

  const int shift = down ? Px(1) : 0;
  const bool hasPicture = images_ && *images_ && item.imageIndex >= 0;
  int captionLeft = r.left + Px(kButtonCaptionLeftWithoutPicture);
  if (hasPicture) {
    const int x = r.left + Px(kButtonPictureLeft);
    images_->Draw(item.imageIndex, dc, x + shift,
                  r.top + (r.bottom - r.top - images_->height()) / 2 + shift);
    captionLeft = x + images_->width() + Px(kButtonCaptionGap);
  }

  HGDIOBJ oldFont = SelectObject(dc, font());
  SIZE wg{};
  GetTextExtentPoint32W(dc, L"Wg", 2, &wg);
  const int top = r.top + (r.bottom - r.top - wg.cy) / 2;
  RECT text{captionLeft + shift, top + shift, r.right, top + wg.cy + shift};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, shown.text);
  const std::wstring caption = Wide(item.caption);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, oldFont);

  if (index == focus_ && GetFocus() == hwnd()) {
    RECT focus = frame;
    InflateRect(&focus, -Px(2), -Px(2));
    SetTextColor(dc, SystemColour(COLOR_BTNTEXT));
    SetBkColor(dc, face);
    DrawFocusRect(dc, &focus);
  }
}

void ButtonGroup::Paint(HDC dc, const RECT& dirty) {
  // Drawn off screen first, so that hot tracking does not flicker.
  RECT client;
  GetClientRect(hwnd(), &client);
  const BufferedDc buffer(backBuffer_, dc, client, dirty);
  const HDC mem = buffer.dc();
  // A kept buffer holds the last paint: only the buttons in the dirty area
  // (the hot or focused one, mostly) are drawn again.
  const bool whole = !buffer.HoldsLastPaint();
  int y = 0;
  for (int i = 0; i < Count() && y < client.bottom; ++i, y += itemHeight_) {
    if (!whole && (y + itemHeight_ <= dirty.top || y >= dirty.bottom)) continue;
    RECT r{0, y, client.right, y + itemHeight_};
    DrawButton(mem, i, r);
  }
  if (y < client.bottom) {
    RECT rest{0, y, client.right, client.bottom};
    FillRect(mem, &rest, SystemBrush(COLOR_BTNFACE));
  }
}

LRESULT ButtonGroup::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT answer;
  if (accessible_.HandleMessage(hwnd(), msg, wp, lp, answer)) return answer;
  backBuffer_.Follow(msg, lp);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      MouseMove(lp);
      return 0;
    case WM_MOUSELEAVE:
      MouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // the second press of a double click is a press too
      LeftDown(lp);
      return 0;
    case WM_LBUTTONUP:
      LeftUp(lp);
      return 0;
    case WM_CAPTURECHANGED:
      if (pressed_ >= 0 && reinterpret_cast<HWND>(lp) != hwnd()) {
        const int pressed = pressed_;
        pressed_ = -1;
        drawnDown_ = false;
        RepaintButton(pressed);
      }
      return 0;
    case WM_KEYDOWN:
      KeyDown(wp);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETFOCUS:
      RepaintButton(focus_);
      AccessibleHost::FocusMoved(hwnd(), focus_);
      return 0;
    case WM_KILLFOCUS:
      RepaintButton(focus_);
      return 0;
    case kPressMessage:
      Press(static_cast<int>(wp));
      return 0;
    default:
      return Window::HandleMessage(msg, wp, lp);
  }
}

}  // namespace demodisc
