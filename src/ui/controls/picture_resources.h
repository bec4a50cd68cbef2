// The program's pictures at a drawing scale. At 96 dpi a picture is its
// bitmap resource itself. At a higher resolution it comes from the set drawn
// for that resolution (a PNG resource at the bitmap's identifier plus the
// set's offset), reduced to the scaled size where the set is larger; where
// that set is missing or damaged, the bitmap is drawn at its own size.
#pragma once

#include <windows.h>

#include "control_rules/ui_scale.h"
#include "ui/gdi.h"

namespace demodisc {

// A bitmap resource's size, {0, 0} when it is missing or damaged.
SIZE BitmapResourceSize(UINT id);

struct PictureLook {
  // Pictures with a transparent colour (their lower-left pixel's) keep it
  // unblended when reduced; opaque ones are averaged throughout.
  bool transparent = true;
  // A strip of this many equal pictures side by side, reduced one by one.
  int tiles = 1;
};

// Picture `id` at the scale as a 24-bit DIB section; empty when the bitmap
// resource is missing.
OwnedBitmap LoadPicture(UINT id, const UiScale& scale, PictureLook look = {});

}  // namespace demodisc
