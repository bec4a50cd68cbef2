#include "pictures/picture_strip.h"

#include <algorithm>
#include <cstddef>

#include "pictures/picture_scale.h"

namespace demodisc {

namespace {

RgbImage Crop(const RgbImage& source, int left, int width) {
  RgbImage tile{width, source.height,
                std::vector<std::uint8_t>(static_cast<std::size_t>(width) * source.height * 3)};
  for (int y = 0; y < source.height; ++y) {
    const auto from =
        source.bgr.begin() + (static_cast<std::ptrdiff_t>(y) * source.width + left) * 3;
    std::copy(from, from + width * 3,
              tile.bgr.begin() + static_cast<std::ptrdiff_t>(y) * width * 3);
  }
  return tile;
}

}  // namespace

RgbImage ScaleTilesDown(const RgbImage& strip, int tiles, int width, int height,
                        std::optional<Bgr> key) {
  if (tiles < 1 || strip.empty() || strip.width / tiles < 1) return {};
  const int sourceWidth = strip.width / tiles;
  std::vector<RgbImage> reduced;
  reduced.reserve(tiles);
  for (int i = 0; i < tiles; ++i) {
    reduced.push_back(ScaleDown(Crop(strip, i * sourceWidth, sourceWidth), width, height, key));
    if (reduced.back().empty() || reduced.back().width != reduced.front().width) return {};
  }
  const int tileWidth = reduced.front().width;
  RgbImage out{tileWidth * tiles, reduced.front().height, {}};
  out.bgr.resize(static_cast<std::size_t>(out.width) * out.height * 3);
  for (int i = 0; i < tiles; ++i) {
    for (int y = 0; y < out.height; ++y) {
      const auto from = reduced[i].bgr.begin() + static_cast<std::ptrdiff_t>(y) * tileWidth * 3;
      std::copy(from, from + tileWidth * 3,
                out.bgr.begin() + (static_cast<std::ptrdiff_t>(y) * out.width + i * tileWidth) * 3);
    }
  }
  return out;
}

}  // namespace demodisc
