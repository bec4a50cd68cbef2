// A picture: a STATIC control that draws a bitmap resource unscaled at its
// top-left corner; the rest of its area shows its parent's colour.
#pragma once

#include "ui/controls/control.h"
#include "ui/controls/image_list.h"

namespace demodisc {

class Picture final : public Control {
 public:
  ~Picture() override;
  // `transparent`: the picture's lower-left pixel colour lets the
  // background show through. A missing resource draws no picture.
  void Create(HWND parent, const Bounds& bounds, UINT resourceId, bool transparent);
  bool Reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool HasPicture() const { return bitmap_ != nullptr; }

 private:
  HBITMAP bitmap_ = nullptr;
  ImageList masked_;
};

}  // namespace demodisc
