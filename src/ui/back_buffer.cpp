#include "ui/back_buffer.h"

namespace demodisc {

HDC BackBuffer::Prepare(HDC target, SIZE size) {
  if (!dc_) dc_ = CreateCompatibleDC(target);
  blank_ = !bitmap_ || size.cx != size_.cx || size.cy != size_.cy;
  if (blank_) {
    if (bitmap_) SelectObject(dc_, old_);
    bitmap_.reset(CreateCompatibleBitmap(target, size.cx, size.cy));
    old_ = SelectObject(dc_, bitmap_.get());
    size_ = size;
  }
  return dc_;
}

void BackBuffer::Follow(UINT msg, LPARAM lp) {
  if (msg == WM_DESTROY) {
    Release();
  } else if (msg == WM_SIZE && bitmap_ && (LOWORD(lp) != size_.cx || HIWORD(lp) != size_.cy)) {
    // The next paint makes one of the new size.
    SelectObject(dc_, old_);
    bitmap_.reset();
  }
}

void BackBuffer::Release() {
  if (!dc_) return;
  if (bitmap_) SelectObject(dc_, old_);
  bitmap_.reset();
  DeleteDC(dc_);
  dc_ = nullptr;
}

BufferedDc::BufferedDc(BackBuffer& kept, HDC target, const RECT& client, const RECT& dirty)
    : target_(target), origin_{client.left, client.top} {
  // A buffer like a memory DC's bitmap would not suit the window's own DC.
  BackBuffer& buffer = GetObjectType(target) == OBJ_DC ? kept : once_.emplace();
  dc_ = buffer.Prepare(target, {client.right - client.left, client.bottom - client.top});
  holdsLastPaint_ = !once_ && !buffer.Blank();
  IntersectRect(&copy_, &client, &dirty);
  saved_ = SaveDC(dc_);
}

BufferedDc::~BufferedDc() {
  RestoreDC(dc_, saved_);
  BitBlt(target_, copy_.left, copy_.top, copy_.right - copy_.left, copy_.bottom - copy_.top, dc_,
         copy_.left - origin_.x, copy_.top - origin_.y, SRCCOPY);
}

}  // namespace demodisc
