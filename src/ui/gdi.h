// GDI objects owned by one object, and drawing off screen.
#pragma once

#include <windows.h>

#include <utility>

namespace demodisc {

// A GDI object (a font, brush, bitmap or region) deleted when its owner goes.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Deletes the object held and holds `handle` instead.
  void reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using OwnedFont = GdiObject<HFONT>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedRegion = GdiObject<HRGN>;

// A memory bitmap the size of an area, drawn into instead of the target and
// copied to it at the end, so that a repaint does not flicker.
class BufferedDc {
 public:
  BufferedDc(HDC target, const RECT& area)
      : target_(target), area_(area), dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)),
        old_(SelectObject(dc_, bitmap_.get())) {}
  ~BufferedDc() {
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_,
           0, 0, SRCCOPY);
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  BufferedDc(const BufferedDc&) = delete;
  BufferedDc& operator=(const BufferedDc&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC target_;
  RECT area_;
  HDC dc_;
  OwnedBitmap bitmap_;
  HGDIOBJ old_;
};

}  // namespace demodisc
