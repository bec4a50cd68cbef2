#include "ui/graphic_element.h"

#include <oleacc.h>

#include <stdexcept>

#include "base/wide_win.h"
#include "ui/element_host.h"
#include "ui/window.h"

namespace demodisc {

GraphicElement::~GraphicElement() {
  if (host_) host_->Remove(*this);
}

void GraphicElement::Attach(const CreateArgs& args) {
  Window* parent = Window::FromHwnd(args.parent);
  ElementHost* host = parent ? parent->Elements() : nullptr;
  if (!host) throw std::logic_error("a graphic element's parent hosts no elements");
  parent_ = args.parent;
  name_ = args.name;
  bounds_ = args.bounds;
  text_ = args.text;
  font_ = args.font;
  host_ = host;
  host_->Add(*this);
  Invalidate();
  // Told as the system tells of a child window made in a shown window.
  Notify(EVENT_OBJECT_CREATE);
  if (visible_) Notify(EVENT_OBJECT_SHOW);
}

void GraphicElement::SetBounds(const Bounds& bounds) {
  if (bounds == bounds_) return;
  Invalidate();
  bounds_ = bounds;
  Invalidate();
  Notify(EVENT_OBJECT_LOCATIONCHANGE);
}

void GraphicElement::SetVisible(bool visible) {
  if (visible == visible_) return;
  // Hidden, what lies beneath it is painted again; shown, the element.
  if (!visible) Invalidate();
  visible_ = visible;
  if (visible) Invalidate();
  Notify(visible ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE);
}

void GraphicElement::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
  Notify(EVENT_OBJECT_STATECHANGE);
}

void GraphicElement::SetText(const Text& text) {
  if (text == text_) return;
  text_ = text;
  Invalidate();
  Notify(EVENT_OBJECT_NAMECHANGE);
}

HFONT GraphicElement::font() const {
  return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::wstring GraphicElement::AccessibleName() const { return Wide(text_); }

RECT GraphicElement::Place() const {
  return {bounds_.x, bounds_.y, bounds_.x + bounds_.width, bounds_.y + bounds_.height};
}

void GraphicElement::Invalidate() const {
  if (!parent_ || !visible_ || bounds_.width <= 0 || bounds_.height <= 0) return;
  const RECT r = Place();
  RepaintShown(parent_, &r);
}

void GraphicElement::Notify(DWORD event) const {
  if (host_) host_->Notify(*this, event);
}

}  // namespace demodisc
