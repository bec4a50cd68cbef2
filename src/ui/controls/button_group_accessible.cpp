// The button group as accessibility clients see it: its buttons are push
// buttons named by their captions, with the focus frame as the focus and
// the hot button hot-tracked; their default action presses them.
#include <oleacc.h>

#include "base/wide_win.h"
#include "control_rules/button_group_rules.h"
#include "ui/controls/button_group.h"

namespace demodisc {

long ButtonGroup::ElementRole(int) const { return ROLE_SYSTEM_PUSHBUTTON; }

std::wstring ButtonGroup::ElementName(int index) const { return Wide(item(index).caption); }

RECT ButtonGroup::ElementRect(int index) const {
  RECT client;
  GetClientRect(hwnd(), &client);
  const RECT r = ButtonRect(index);
  // A button below the client area is not drawn.
  return r.top < client.bottom ? r : RECT{};
}

DWORD ButtonGroup::ElementState(int index) const {
  DWORD state = STATE_SYSTEM_FOCUSABLE;
  if (index == focus_ && GetFocus() == hwnd()) state |= STATE_SYSTEM_FOCUSED;
  if (index == hot_) state |= STATE_SYSTEM_HOTTRACKED;
  if (index == pressed_ && drawnDown_) state |= STATE_SYSTEM_PRESSED;
  if (!Clickable()) state |= STATE_SYSTEM_UNAVAILABLE;
  const RECT r = ElementRect(index);
  if (IsRectEmpty(&r)) state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
  if (!IsWindowVisible(hwnd())) state |= STATE_SYSTEM_INVISIBLE;
  return state;
}

int ButtonGroup::ElementAt(POINT client) const {
  RECT r;
  GetClientRect(hwnd(), &r);
  return ButtonAt(client.x, client.y, r.right, r.bottom, Count(), itemHeight_);
}

int ButtonGroup::FocusedElement() const { return focus_; }

std::wstring ButtonGroup::DefaultAction(int) const { return L"Press"; }

bool ButtonGroup::DoDefaultAction(int index) {
  if (!Clickable()) return false;
  return PostMessageW(hwnd(), kPressMessage, static_cast<WPARAM>(index), 0) != FALSE;
}

bool ButtonGroup::Select(int index, long flags) {
  if (flags != SELFLAG_TAKEFOCUS) return false;  // the buttons are not selectable
  SetFocus(hwnd());
  MoveFocus(index);
  return true;
}

}  // namespace demodisc
