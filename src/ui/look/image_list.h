// Pictures from the program's resources, drawn with their lower-left
// pixel's colour transparent.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "control_rules/ui_scale.h"

namespace demodisc {

// An image list owned by the object: the pictures of a bitmap resource cut
// into images of width x height at 96 dpi, drawn at a scale (picture_resources.h).
// Empty when the resource is missing.
class ImageList {
 public:
  ImageList() = default;
  ImageList(UINT resourceId, int width, int height, const UiScale& scale = {}) {
    Load(resourceId, width, height, scale);
  }
  ~ImageList();
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;

  void Load(UINT resourceId, int width, int height, const UiScale& scale = {});
  // The same from a bitmap the caller keeps; the system may turn its pixels
  // of the transparent colour black.
  void Load(HBITMAP bitmap, int width, int height);
  // Adds a picture of the list's size whose pixels of colour `key` are
  // transparent; its index, or -1.
  int Add(HBITMAP bitmap, COLORREF key);

  HIMAGELIST handle() const { return list_; }
  int width() const { return width_; }
  int height() const { return height_; }
  explicit operator bool() const { return list_ != nullptr; }
  void Draw(int index, HDC dc, int x, int y) const;

 private:
  HIMAGELIST list_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// The colour of a bitmap's lower-left pixel.
COLORREF LowerLeftColour(HBITMAP bitmap);

}  // namespace demodisc
