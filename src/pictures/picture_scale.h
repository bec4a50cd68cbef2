// Reduces a picture to a smaller size for a screen's resolution.
#pragma once

#include <optional>

#include "pictures/rgb_image.h"

namespace demodisc {

// Each destination pixel is the average of the source area under it (a box
// filter, partial source pixels weighted by their share). With `key`, the
// transparent colour: a destination pixel at least half of whose area is
// key is key, else the average of its other part only, so that no key
// colour bleeds into the edges. A size larger than the source's in either
// direction is the source's in that direction: pictures are never scaled
// up. A size of 0 or less, or an empty source, gives an empty picture.
RgbImage ScaleDown(const RgbImage& source, int width, int height,
                   std::optional<Bgr> key = std::nullopt);

}  // namespace demodisc
