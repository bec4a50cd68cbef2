#include "ui/access/accessible_elements.h"

#include <oleacc.h>

namespace demodisc {

int AccessibleElements::Navigate(int from, long direction) const {
  int to = -1;
  switch (direction) {
    case NAVDIR_NEXT:
    case NAVDIR_DOWN:
      to = from + 1;
      break;
    case NAVDIR_PREVIOUS:
    case NAVDIR_UP:
      to = from - 1;
      break;
    default:
      return -1;
  }
  return to >= 0 && to < ElementCount() ? to : -1;
}

}  // namespace demodisc
