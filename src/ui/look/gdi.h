// GDI objects owned by one object, and painting helpers.
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
  // Lets go of the object without deleting it, for a new owner (a window
  // given its region).
  Handle release() { return std::exchange(handle_, nullptr); }
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

// A bitmap's width and height; {0, 0} for none.
inline SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

// Fills an area with a colour without making a brush: the opaque background
// of ExtTextOut. The DC's background colour is left as it was.
inline void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
  const COLORREF old = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

// Outlines an area with a colour one pixel wide, as FrameRect does with a
// solid brush, without making one.
inline void FrameSolid(HDC dc, const RECT& a, COLORREF colour) {
  FillSolid(dc, {a.left, a.top, a.right, a.top + 1}, colour);
  FillSolid(dc, {a.left, a.bottom - 1, a.right, a.bottom}, colour);
  FillSolid(dc, {a.left, a.top + 1, a.left + 1, a.bottom - 1}, colour);
  FillSolid(dc, {a.right - 1, a.top + 1, a.right, a.bottom - 1}, colour);
}

// A memory DC like the screen's, made once and kept for the run: text is
// measured and bitmaps are copied through it without a DC made each time
// (a window's DC would cost a call to the server under Wine). What is
// selected into it is selected out again before it is next used.
HDC ScratchDc();

// One WM_PAINT: the window's paint DC and the area to paint, taken from
// BeginPaint and given back by EndPaint however the painting ends.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
  ~PaintScope() { EndPaint(window_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }
  const RECT& dirty() const { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

}  // namespace demodisc
