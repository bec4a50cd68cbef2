// Where a top-level window goes on its monitor, in screen coordinates.
#pragma once

#include "control_rules/align_layout.h"

namespace demodisc {

// Centred position of a window of the given size within an area, halves
// rounded toward zero and raised to the area's origin.
int CentredOrigin(int areaOrigin, int areaSize, int windowSize);

// The top-left corner of a window of `width` x `height` centred over `over`
// (another window, or a monitor), moved as little as it takes to lie inside
// `work` (the work area of the monitor it goes on, which may lie at negative
// coordinates): a window larger than the work area keeps its top-left corner
// at the work area's.
struct Corner {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const Corner&, const Corner&) = default;
};
Corner CentredInside(const Bounds& over, int width, int height, const Bounds& work);

}  // namespace demodisc
