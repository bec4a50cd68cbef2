#include "ui/look/image_list.h"

#include "ui/look/gdi.h"
#include "ui/look/picture_resources.h"

namespace demodisc {

ImageList::~ImageList() {
  if (list_) ImageList_Destroy(list_);
}

COLORREF LowerLeftColour(HBITMAP bitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF c = GetPixel(dc, 0, BitmapSize(bitmap).cy - 1);
  SelectObject(dc, old);
  DeleteDC(dc);
  return c;
}

void ImageList::Load(UINT resourceId, int width, int height, const UiScale& scale) {
  const SIZE whole = PictureResourceSize(resourceId);
  const int tiles = width > 0 ? whole.cx / width : 0;
  if (tiles < 1 || whole.cy < height) return;
  const OwnedBitmap bitmap = LoadPicture(resourceId, scale, {.transparent = true, .tiles = tiles});
  const SIZE loaded = BitmapSize(bitmap.get());
  if (loaded.cx <= 0) return;
  // The tiles' drawn size: the scaled size, or the bitmap's own where the
  // scaled set was missing.
  Load(bitmap.get(), loaded.cx / tiles, loaded.cy);
}

void ImageList::Load(HBITMAP bitmap, int width, int height) {
  const SIZE size = BitmapSize(bitmap);
  const int count = width > 0 ? size.cx / width : 0;
  if (count > 0 && size.cy >= height) {
    list_ = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, count, 0);
    if (list_) ImageList_AddMasked(list_, bitmap, LowerLeftColour(bitmap));
    width_ = width;
    height_ = height;
  }
}

int ImageList::Add(HBITMAP bitmap, COLORREF key) {
  return list_ ? ImageList_AddMasked(list_, bitmap, key) : -1;
}

void ImageList::Draw(int index, HDC dc, int x, int y) const {
  if (list_ && index >= 0 && index < ImageList_GetImageCount(list_))
    ImageList_Draw(list_, index, dc, x, y, ILD_TRANSPARENT);
}

}  // namespace demodisc
