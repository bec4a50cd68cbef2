// The program's pictures at a drawing scale, from the PNG resources of the
// set drawn for that resolution (at the picture's identifier plus the set's
// offset), reduced to the scaled size where the set is larger. At 96 dpi a
// picture is its 100 % set's; where a larger set is missing or damaged, that
// one is drawn at its own size.
#pragma once

#include <windows.h>

#include "control_rules/ui_scale.h"
#include "pictures/rgb_image.h"
#include "ui/look/gdi.h"

namespace demodisc {

// A 24-bit DIB section of the picture; empty when it cannot be made.
OwnedBitmap BitmapOf(const RgbImage& image);

// A picture's 96-dpi size, {0, 0} when it is missing or damaged.
SIZE PictureResourceSize(UINT id);

struct PictureLook {
  // Pictures with a transparent colour (their lower-left pixel's) keep it
  // unblended when reduced; opaque ones are averaged throughout.
  bool transparent = true;
  // A strip of this many equal pictures side by side, reduced one by one.
  int tiles = 1;
};

// Picture `id` at the scale as a 24-bit DIB section; empty when its 96-dpi
// picture is missing or damaged.
OwnedBitmap LoadPicture(UINT id, const UiScale& scale, PictureLook look = {});

}  // namespace demodisc
