#include "ui/controls/picture.h"

#include <oleacc.h>

#include "ui/look/picture_resources.h"
#include "ui/look/visual_styles.h"
#include "ui/screen_scale_win.h"

namespace demodisc {

void Picture::Create(const CreateArgs& args, UINT resourceId, bool transparent) {
  bitmap_ = LoadPicture(resourceId, ScaleOf(args.parent), {.transparent = transparent});
  if (bitmap_ && transparent) {
    const SIZE size = PictureSize();
    masked_.Load(bitmap_.get(), size.cx, size.cy);
  }
  Attach(args);
}

SIZE Picture::PictureSize() const { return BitmapSize(bitmap_.get()); }

void Picture::Paint(HDC dc) const {
  const Bounds& b = bounds();
  if (!VisualStylesActive()) {
    FillSolid(dc, {b.x, b.y, b.x + b.width, b.y + b.height}, BackColourOf(parent()));
  }
  if (masked_) {
    masked_.Draw(0, dc, b.x, b.y);
  } else if (bitmap_) {
    const SIZE size = PictureSize();
    const HDC src = ScratchDc();
    const HGDIOBJ old = SelectObject(src, bitmap_.get());
    BitBlt(dc, b.x, b.y, size.cx, size.cy, src, 0, 0, SRCCOPY);
    SelectObject(src, old);
  }
}

long Picture::AccessibleRole() const { return ROLE_SYSTEM_GRAPHIC; }

}  // namespace demodisc
