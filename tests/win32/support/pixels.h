// A window's client area rendered through WM_PRINTCLIENT into a bitmap whose
// pixels the tests read, or copied from the screen as its paints left it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace demodisc::testing {

class ClientPixels {
 public:
  enum class From { Print, Screen };
  explicit ClientPixels(HWND window, From from = From::Print);
  int width() const { return width_; }
  int height() const { return height_; }
  // The colour at a client point as a COLORREF; CLR_INVALID outside.
  COLORREF At(int x, int y) const;
  // True when some pixel of the rectangle has the colour.
  bool Holds(const RECT& r, COLORREF color) const;
  // True when every pixel of the rectangle has the colour.
  bool AllOf(const RECT& r, COLORREF color) const;
  bool operator==(const ClientPixels&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace demodisc::testing
