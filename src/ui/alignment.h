// Places child windows and graphic elements by their alignment within their
// parent's client area.
#pragma once

#include <windows.h>

#include <vector>

#include "control_rules/align_layout.h"
#include "ui/graphic_element.h"

namespace demodisc {

// A child window or an element of the parent, with its alignment.
struct PlacedChild {
  PlacedChild(HWND window, AlignedChild a) : hwnd(window), alignment(a) {}
  PlacedChild(GraphicElement& e, AlignedChild a) : element(&e), alignment(a) {}
  HWND hwnd = nullptr;
  GraphicElement* element = nullptr;
  AlignedChild alignment;
};

inline AlignedChild AlignTop(int height, int margin = 0) {
  return {Align::Top, {0, 0, 0, height}, margin};
}
inline AlignedChild AlignBottom(int height, int margin = 0) {
  return {Align::Bottom, {0, 0, 0, height}, margin};
}
inline AlignedChild AlignLeft(int width, int margin = 0) {
  return {Align::Left, {0, 0, width, 0}, margin};
}
inline AlignedChild AlignRight(int width, int margin = 0) {
  return {Align::Right, {0, 0, width, 0}, margin};
}
inline AlignedChild AlignFill(int margin = 0) { return {Align::Client, {}, margin}; }

// Aligns the children within the parent's client area less `inset` pixels on
// each side (a bevel's width), in list order. The alignments' sizes and
// margins are at 96 dpi and placed at the drawing scale; the inset is a
// line's width, the same at every scale.
void PlaceAligned(HWND parent, int inset, const std::vector<PlacedChild>& children);

}  // namespace demodisc
