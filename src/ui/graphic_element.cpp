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
}

void GraphicElement::SetBounds(const Bounds& bounds) {
  if (bounds == bounds_) return;
  Invalidate();
  bounds_ = bounds;
  Invalidate();
}

void GraphicElement::SetText(const Text& text) {
  if (text == text_) return;
  text_ = text;
  Invalidate();
  if (host_) host_->NameChanged(*this);
}

HFONT GraphicElement::font() const {
  return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::wstring GraphicElement::AccessibleName() const { return Wide(text_); }

void GraphicElement::Invalidate() const {
  if (!parent_ || bounds_.width <= 0 || bounds_.height <= 0) return;
  const RECT r{bounds_.x, bounds_.y, bounds_.x + bounds_.width, bounds_.y + bounds_.height};
  RepaintShown(parent_, &r);
}

}  // namespace demodisc
