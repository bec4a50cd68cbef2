#include "control_rules/button_group_rules.h"

#include <algorithm>

namespace demodisc {

int ButtonAt(int x, int y, int clientWidth, int clientHeight, int count, int itemHeight) {
  if (x < 0 || y < 0 || x >= clientWidth || y >= clientHeight || itemHeight <= 0) return -1;
  const int index = y / itemHeight;
  if (index >= count) return -1;
  if ((index + 1) * itemHeight > clientHeight) return -1;
  return index;
}

int MovedFocus(FocusKey key, int current, int count, int visibleRows) {
  if (count <= 0) return -1;
  const int page = std::max(1, visibleRows);
  int next = current;
  switch (key) {
    case FocusKey::Previous:
      next = current < 0 ? 0 : current - 1;
      break;
    case FocusKey::Next:
      next = current + 1;
      break;
    case FocusKey::PageUp:
      next = current < 0 ? 0 : current - page;
      break;
    case FocusKey::PageDown:
      next = current < 0 ? page - 1 : current + page;
      break;
    case FocusKey::First:
      next = 0;
      break;
    case FocusKey::Last:
      next = count - 1;
      break;
  }
  return std::clamp(next, 0, count - 1);
}

ButtonFrameColours FrameColoursFor(Rgb face) {
  const Rgb frame = WithLightnessChanged(face, -25);
  return {frame, WithLightnessChanged(frame, -50)};
}

}  // namespace demodisc
