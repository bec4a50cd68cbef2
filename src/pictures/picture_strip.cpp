#include "pictures/picture_strip.h"

#include <algorithm>
#include <cstddef>

#include "pictures/picture_scale.h"

namespace demodisc {

namespace {

// Copies `width` columns of every row of `from`, starting at `fromLeft`, to
// `to` at `toLeft`; the two pictures are equally high.
void CopyColumns(const RgbImage& from, int fromLeft, RgbImage& to, int toLeft, int width) {
  for (int y = 0; y < from.height; ++y) {
    const auto source =
        from.bgr.begin() + (static_cast<std::ptrdiff_t>(y) * from.width + fromLeft) * 3;
    std::copy(source, source + width * 3,
              to.bgr.begin() + (static_cast<std::ptrdiff_t>(y) * to.width + toLeft) * 3);
  }
}

RgbImage Crop(const RgbImage& source, int left, int width) {
  RgbImage tile{width, source.height,
                std::vector<std::uint8_t>(static_cast<std::size_t>(width) * source.height * 3)};
  CopyColumns(source, left, tile, 0, width);
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
  for (int i = 0; i < tiles; ++i) CopyColumns(reduced[i], 0, out, i * tileWidth, tileWidth);
  return out;
}

}  // namespace demodisc
