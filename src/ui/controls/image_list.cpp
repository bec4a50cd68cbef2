#include "ui/controls/image_list.h"

#include "ui/gdi.h"

namespace demodisc {

ImageList::~ImageList() {
  if (list_) ImageList_Destroy(list_);
}

COLORREF LowerLeftColour(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF c = GetPixel(dc, 0, info.bmHeight - 1);
  SelectObject(dc, old);
  DeleteDC(dc);
  return c;
}

void ImageList::Load(UINT resourceId, int width, int height) {
  const OwnedBitmap bitmap(
      static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (bitmap) Load(bitmap.get(), width, height);
}

void ImageList::Load(HBITMAP bitmap, int width, int height) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  const int count = width > 0 ? info.bmWidth / width : 0;
  if (count > 0 && info.bmHeight >= height) {
    list_ = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, count, 0);
    if (list_) ImageList_AddMasked(list_, bitmap, LowerLeftColour(bitmap));
    width_ = width;
    height_ = height;
  }
}

void ImageList::Draw(int index, HDC dc, int x, int y) const {
  if (list_ && index >= 0 && index < ImageList_GetImageCount(list_))
    ImageList_Draw(list_, index, dc, x, y, ILD_TRANSPARENT);
}

}  // namespace demodisc
