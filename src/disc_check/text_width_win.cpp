#include "disc_check/text_width_win.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "base/log_font_win.h"
#include "base/wide_win.h"

namespace demodisc {

namespace {

// A memory DC and the fonts made in it; the height is in pixels, as the
// window asks for them at 96 dpi, whatever the screen's resolution. A
// width is the ink's: from the line's start to its last letter's right edge.
class Measure {
 public:
  Measure() : dc_(CreateCompatibleDC(nullptr)) {}
  ~Measure() {
    for (const auto& [key, font] : fonts_) DeleteObject(font);
    if (dc_) DeleteDC(dc_);
  }
  Measure(const Measure&) = delete;
  Measure& operator=(const Measure&) = delete;

  int Width(const Text& text, const PlaceFont& font) {
    if (!dc_) return 0;
    const auto key =
        std::make_tuple(std::wstring(font.face), font.height, font.bold, font.cyrillic);
    HFONT& made = fonts_[key];
    if (!made) {
      const LOGFONTW lf = LogFontOf(font.face, font.height, font.bold, false,
                                    font.cyrillic ? RUSSIAN_CHARSET : DEFAULT_CHARSET);
      made = CreateFontIndirectW(&lf);
    }
    if (!made) return 0;
    const HGDIOBJ old = SelectObject(dc_, made);
    const std::wstring wide = Wide(text);
    SIZE size{};
    int width = GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size)
                    ? static_cast<int>(size.cx)
                    : 0;
    // The last letter's blank to its right is no ink: a line that only it
    // takes past the edge is not cut.
    ABC last{};
    if (!wide.empty() && GetCharABCWidthsW(dc_, wide.back(), wide.back(), &last) && last.abcC > 0)
      width -= static_cast<int>(last.abcC);
    SelectObject(dc_, old);
    return width;
  }

 private:
  HDC dc_;
  std::map<std::tuple<std::wstring, int, bool, bool>, HFONT> fonts_;
};

}  // namespace

TextWidth GdiTextWidth() {
  auto measure = std::make_shared<Measure>();
  return [measure](const Text& text, const PlaceFont& font) { return measure->Width(text, font); };
}

}  // namespace demodisc
