// A strip of equal pictures side by side (an image list's bitmap), reduced
// tile by tile, so that no tile's edge bleeds into its neighbour whatever
// the rounding of the strip's own width.
#pragma once

#include <optional>

#include "pictures/rgb_image.h"

namespace demodisc {

// Cuts `strip` into `tiles` tiles of its width / tiles, reduces each to
// width x height as ScaleDown does, and lays them side by side again. Fewer
// than one tile, or a strip narrower than its tiles, gives an empty picture.
RgbImage ScaleTilesDown(const RgbImage& strip, int tiles, int width, int height,
                        std::optional<Bgr> key = std::nullopt);

}  // namespace demodisc
