#include "support/pixels.h"

#include <cstring>

namespace demodisc::testing {

ClientPixels::ClientPixels(HWND window, From from) {
  RECT r;
  GetClientRect(window, &r);
  width_ = r.right;
  height_ = r.bottom;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width_;
  bi.bmiHeader.biHeight = -height_;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  void* bits = nullptr;
  const HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(dc, dib);
  if (from == From::Print) {
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  } else {
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    BitBlt(dc, 0, 0, width_, height_, screen, corner.x, corner.y, SRCCOPY);
  }
  GdiFlush();
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  if (bits) std::memcpy(pixels_.data(), bits, pixels_.size() * sizeof(std::uint32_t));
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

COLORREF ClientPixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const std::uint32_t p = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                  static_cast<std::size_t>(x)];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool ClientPixels::Holds(const RECT& r, COLORREF color) const {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (At(x, y) == color) return true;
  return false;
}

bool ClientPixels::AllOf(const RECT& r, COLORREF color) const {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (At(x, y) != color) return false;
  return true;
}

}  // namespace demodisc::testing
