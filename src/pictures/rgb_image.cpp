#include "pictures/rgb_image.h"

#include <cstddef>

namespace demodisc {

Bgr RgbImage::At(int x, int y) const {
  const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
  return {bgr[at], bgr[at + 1], bgr[at + 2]};
}

RgbImage BlendOnto(const RgbaImage& image, Bgr face) {
  const std::size_t pixels = image.rgba.size() / 4;
  RgbImage out{image.width, image.height, std::vector<std::uint8_t>(pixels * 3)};
  const std::uint8_t background[3] = {face.b, face.g, face.r};
  const std::uint8_t* from = image.rgba.data();
  std::uint8_t* to = out.bgr.data();
  for (std::size_t i = 0; i < pixels; ++i, from += 4) {
    const unsigned alpha = from[3];
    // Blue first: the colour bytes come the other way round.
    for (int c = 0; c < 3; ++c) {
      *to++ = static_cast<std::uint8_t>(
          (alpha * from[2 - c] + (255 - alpha) * background[c] + 127) / 255);
    }
  }
  return out;
}

}  // namespace demodisc
