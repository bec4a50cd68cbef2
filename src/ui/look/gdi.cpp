#include "ui/look/gdi.h"

namespace demodisc {

HDC ScratchDc() {
  static const HDC dc = CreateCompatibleDC(nullptr);
  return dc;
}

}  // namespace demodisc
