// A button with a picture: a BUTTON drawn by its owner, picture and caption
// centred together 4 pixels apart, the picture left of or above the caption,
// its lower-left pixel's colour transparent.
#pragma once

#include <functional>

#include "ui/look/image_list.h"
#include "ui/look/visual_styles.h"
#include "ui/window.h"

namespace demodisc {

enum class PictureSide { Left, Above };

struct PictureButtonLook {
  UINT pictureId = 0;  // a bitmap resource; a missing one draws no picture
  int pictureWidth = 0;
  int pictureHeight = 0;
  PictureSide side = PictureSide::Left;
};

class PictureButton final : public Window {
 public:
  // The arguments' text is the caption; their id is the control's
  // identifier (IDOK for a window's default button).
  void Create(const CreateArgs& args, const PictureButtonLook& look);
  bool Reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool HasPicture() const { return static_cast<bool>(picture_); }
  SIZE PictureSize() const { return {picture_.width(), picture_.height()}; }

  std::function<void()> onClick;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Draw(const DRAWITEMSTRUCT& item);

  PictureButtonLook look_;
  ImageList picture_;
  WindowTheme theme_{L"BUTTON"};
};

// Where a picture and a caption go when centred together on a button.
struct PictureAndCaption {
  POINT picture;
  RECT caption;
};
PictureAndCaption CentredTogether(const RECT& button, SIZE picture, SIZE caption, PictureSide side,
                                  int spacing);

}  // namespace demodisc
