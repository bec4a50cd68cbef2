// A picture's pixels as the program draws them: 24-bit colour, blue, green
// and red bytes per pixel, rows from top to bottom with no padding. And a
// picture with transparency, as read, before it is laid on its background.
#pragma once

#include <cstdint>
#include <vector>

namespace demodisc {

struct Bgr {
  std::uint8_t b = 0;
  std::uint8_t g = 0;
  std::uint8_t r = 0;
  friend bool operator==(const Bgr&, const Bgr&) = default;
};

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgr;  // width * height * 3 bytes

  bool empty() const { return width <= 0 || height <= 0; }
  // The pixel at a place inside the picture.
  Bgr At(int x, int y) const;
};

// Red, green, blue and alpha bytes per pixel, in that order, rows from top
// to bottom with no padding. The alpha is straight: the colour bytes are
// the colour itself, not multiplied by the alpha (0 transparent, 255 opaque).
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // width * height * 4 bytes
};

// The picture laid on a background of one colour: each channel
// (a * colour + (255 - a) * face) / 255, rounded to the nearest.
RgbImage BlendOnto(const RgbaImage& image, Bgr face);

}  // namespace demodisc
