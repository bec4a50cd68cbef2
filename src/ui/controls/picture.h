// A picture: a STATIC control that draws a bitmap resource unscaled at its
// top-left corner; the rest of its area shows its parent's colour.
#pragma once

#include "ui/controls/image_list.h"
#include "ui/gdi.h"
#include "ui/window.h"

namespace demodisc {

class Picture final : public Window {
 public:
  // `transparent`: the picture's lower-left pixel colour lets the
  // background show through. A missing resource draws no picture.
  void Create(const CreateArgs& args, UINT resourceId, bool transparent);
  bool Reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool HasPicture() const { return static_cast<bool>(bitmap_); }

 private:
  OwnedBitmap bitmap_;
  ImageList masked_;
};

}  // namespace demodisc
