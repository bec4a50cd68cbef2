// A picture: a bitmap resource drawn at the drawing scale at its top-left
// corner by its parent; the rest of its area shows its parent's colour.
#pragma once

#include "ui/graphic_element.h"
#include "ui/look/gdi.h"
#include "ui/look/image_list.h"
#include "ui/window.h"

namespace demodisc {

class Picture final : public GraphicElement {
 public:
  // `transparent`: the picture's lower-left pixel colour lets the
  // background show through. A missing resource draws no picture.
  void Create(const CreateArgs& args, UINT resourceId, bool transparent);
  bool HasPicture() const { return static_cast<bool>(bitmap_); }
  // The bitmap's size, {0, 0} without one.
  SIZE PictureSize() const;

  void Paint(HDC dc) const override;
  long AccessibleRole() const override;

 private:
  OwnedBitmap bitmap_;
  ImageList masked_;
};

}  // namespace demodisc
