#include "ui/access/accessible_host.h"

#include <oleacc.h>

#include "ui/access/accessible_object.h"
#include "ui/access/com_apartment_win.h"

namespace demodisc {

bool AccessibleHost::HandleMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_GETOBJECT) return Answer(window, wp, lp, result);
  if (msg == WM_DESTROY) Disconnect();
  return false;
}

bool AccessibleHost::Answer(HWND window, WPARAM wp, LPARAM lp, LRESULT& result) {
  // Handing an object to a client marshals it, which needs COM.
  if (static_cast<LONG>(lp) != OBJID_CLIENT || !ComApartmentReady()) return false;
  if (!object_) object_ = new AccessibleObject(window, elements_);
  result = LresultFromObject(__uuidof(IAccessible), wp, static_cast<IAccessible*>(object_));
  return true;
}

void AccessibleHost::Disconnect() {
  if (!object_) return;
  object_->Disconnect();
  object_->Release();
  object_ = nullptr;
}

void AccessibleHost::FocusMoved(HWND window, int index) {
  if (index >= 0 && GetFocus() == window)
    NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, index + 1);
}

void AccessibleHost::Changed(HWND window, DWORD event, int index) {
  if (index >= 0) NotifyWinEvent(event, window, OBJID_CLIENT, index + 1);
}

}  // namespace demodisc
