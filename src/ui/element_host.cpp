#include "ui/element_host.h"

#include <oleacc.h>

#include <algorithm>

#include "ui/graphic_element.h"
#include "ui/look/visual_styles.h"
#include "ui/window.h"

namespace demodisc {

ElementHost::~ElementHost() { Clear(); }

void ElementHost::Clear() {
  for (GraphicElement* element : elements_) element->HostGone();
  elements_.clear();
}

void ElementHost::Add(GraphicElement& element) { elements_.push_back(&element); }

void ElementHost::Remove(GraphicElement& element) {
  const auto at = std::find(elements_.begin(), elements_.end(), &element);
  if (at == elements_.end()) return;
  elements_.erase(at);
  // What lay beneath it shows again; the elements after it are numbered anew.
  if (element.visible() && IsWindowVisible(element.parent())) {
    const RECT r = element.Place();
    RepaintShown(element.parent(), &r);
    NotifyWinEvent(EVENT_OBJECT_REORDER, element.parent(), OBJID_CLIENT, CHILDID_SELF);
  }
}

GraphicElement* ElementHost::Named(std::string_view name) const {
  for (GraphicElement* element : elements_)
    if (element->name() == name) return element;
  return nullptr;
}

int ElementHost::IndexOf(const GraphicElement& element) const {
  const auto at = std::find(elements_.begin(), elements_.end(), &element);
  return at == elements_.end() ? -1 : static_cast<int>(at - elements_.begin());
}

void ElementHost::Paint(HDC dc, const RECT& dirty) const {
  for (const GraphicElement* element : elements_) {
    if (!element->visible()) continue;
    const RECT r = element->Place();
    RECT meet;
    if (!IntersectRect(&meet, &r, &dirty)) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    element->Paint(dc);
    RestoreDC(dc, saved);
  }
}

void ElementHost::ExcludeFrom(HDC dc) const {
  // With visual styles what lies beneath shows through the elements.
  if (VisualStylesActive()) return;
  for (const GraphicElement* element : elements_) {
    if (!element->visible()) continue;
    const Bounds& b = element->bounds();
    ExcludeClipRect(dc, b.x, b.y, b.x + b.width, b.y + b.height);
  }
}

void ElementHost::Notify(const GraphicElement& element, DWORD event) const {
  // Nothing is told while the window is hidden (as while its layout is
  // made): none of it is on screen, and it is read whole when it shows.
  if (IsWindowVisible(element.parent()))
    AccessibleHost::Changed(element.parent(), event, IndexOf(element));
}

bool ElementHost::HandleMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_GETOBJECT && elements_.empty()) return false;
  return accessible_.HandleMessage(window, msg, wp, lp, result);
}

long ElementHost::ElementRole(int index) const {
  return elements_[static_cast<std::size_t>(index)]->AccessibleRole();
}

std::wstring ElementHost::ElementName(int index) const {
  return elements_[static_cast<std::size_t>(index)]->AccessibleName();
}

RECT ElementHost::ElementRect(int index) const {
  return elements_[static_cast<std::size_t>(index)]->Place();
}

DWORD ElementHost::ElementState(int index) const {
  DWORD state = STATE_SYSTEM_READONLY;
  const GraphicElement& element = *elements_[static_cast<std::size_t>(index)];
  if (!element.visible() || !IsWindowVisible(element.parent())) state |= STATE_SYSTEM_INVISIBLE;
  if (!element.enabled()) state |= STATE_SYSTEM_UNAVAILABLE;
  return state;
}

int ElementHost::ElementAt(POINT client) const {
  // The last painted lies on top.
  for (int i = ElementCount() - 1; i >= 0; --i) {
    const GraphicElement& element = *elements_[static_cast<std::size_t>(i)];
    const RECT r = element.Place();
    if (element.visible() && PtInRect(&r, client)) return i;
  }
  return -1;
}

}  // namespace demodisc
