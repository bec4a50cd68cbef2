// Places child windows by their alignment within their parent's client area.
#pragma once

#include <windows.h>

#include <vector>

#include "widgets/align_layout.h"

namespace demodisc {

struct PlacedChild {
  HWND hwnd;
  AlignedChild alignment;
};

// Aligns the children within the parent's client area less `inset` pixels on
// each side (a bevel's width), in list order.
void PlaceAligned(HWND parent, int inset, const std::vector<PlacedChild>& children);

}  // namespace demodisc
