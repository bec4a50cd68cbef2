#include "pictures/rgb_image.h"

#include <cstddef>

namespace demodisc {

Bgr RgbImage::At(int x, int y) const {
  const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
  return {bgr[at], bgr[at + 1], bgr[at + 2]};
}

}  // namespace demodisc
