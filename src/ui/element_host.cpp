#include "ui/element_host.h"

#include <oleacc.h>

#include <algorithm>

#include "ui/controls/visual_styles.h"
#include "ui/graphic_element.h"

namespace demodisc {

namespace {
RECT RectOf(const Bounds& b) { return {b.x, b.y, b.x + b.width, b.y + b.height}; }
}  // namespace

ElementHost::~ElementHost() {
  for (GraphicElement* element : elements_) element->HostGone();
}

void ElementHost::Add(GraphicElement& element) { elements_.push_back(&element); }

void ElementHost::Remove(GraphicElement& element) {
  elements_.erase(std::remove(elements_.begin(), elements_.end(), &element), elements_.end());
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
    const RECT r = RectOf(element->bounds());
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
    const Bounds& b = element->bounds();
    ExcludeClipRect(dc, b.x, b.y, b.x + b.width, b.y + b.height);
  }
}

void ElementHost::NameChanged(const GraphicElement& element) const {
  AccessibleHost::Changed(element.parent(), EVENT_OBJECT_NAMECHANGE, IndexOf(element));
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
  return RectOf(elements_[static_cast<std::size_t>(index)]->bounds());
}

DWORD ElementHost::ElementState(int index) const {
  DWORD state = STATE_SYSTEM_READONLY;
  const GraphicElement& element = *elements_[static_cast<std::size_t>(index)];
  if (!IsWindowVisible(element.parent())) state |= STATE_SYSTEM_INVISIBLE;
  return state;
}

int ElementHost::ElementAt(POINT client) const {
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    const RECT r = RectOf(elements_[i]->bounds());
    if (PtInRect(&r, client)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace demodisc
