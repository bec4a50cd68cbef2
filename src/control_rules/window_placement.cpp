#include "control_rules/window_placement.h"

namespace demodisc {

int CentredOrigin(int areaOrigin, int areaSize, int windowSize) {
  const int origin = areaOrigin + (areaSize - windowSize) / 2;
  return origin < areaOrigin ? areaOrigin : origin;
}

namespace {
// An origin moved into [start, start + length - size]; the start wins where
// the window is longer than the range.
int KeptInside(int origin, int size, int start, int length) {
  if (origin + size > start + length) origin = start + length - size;
  return origin < start ? start : origin;
}
}  // namespace

Corner CentredInside(const Bounds& over, int width, int height, const Bounds& work) {
  const int x = over.x + (over.width - width) / 2;
  const int y = over.y + (over.height - height) / 2;
  return {KeptInside(x, width, work.x, work.width), KeptInside(y, height, work.y, work.height)};
}

}  // namespace demodisc
