#include "ui/controls/picture.h"

#include "ui/controls/visual_styles.h"

namespace demodisc {

void Picture::Create(const CreateArgs& args, UINT resourceId, bool transparent) {
  bitmap_.reset(
      static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (bitmap_ && transparent) {
    BITMAP info{};
    GetObjectW(bitmap_.get(), sizeof info, &info);
    masked_.Load(bitmap_.get(), info.bmWidth, info.bmHeight);
  }
  CreateArgs picture = args;
  picture.style |= WS_VISIBLE | SS_OWNERDRAW;
  CreateControl(L"STATIC", picture);
}

bool Picture::Reflected(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  if (msg != WM_DRAWITEM) return false;
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
  HDC dc = item->hDC;
  if (VisualStylesActive()) {
    DrawParentBackground(hwnd(), dc);
  } else {
    const OwnedBrush brush(CreateSolidBrush(BackColourOf(GetParent(hwnd()))));
    FillRect(dc, &item->rcItem, brush.get());
  }
  if (masked_) {
    masked_.Draw(0, dc, 0, 0);
  } else if (bitmap_) {
    BITMAP info{};
    GetObjectW(bitmap_.get(), sizeof info, &info);
    HDC src = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(src, bitmap_.get());
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, src, 0, 0, SRCCOPY);
    SelectObject(src, old);
    DeleteDC(src);
  }
  result = TRUE;
  return true;
}

}  // namespace demodisc
