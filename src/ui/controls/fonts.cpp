#include "ui/controls/fonts.h"

#include <cwchar>
#include <map>
#include <string>
#include <tuple>

namespace demodisc {

HFONT UiFont(const FontSpec& spec) {
  using Key = std::tuple<std::wstring, int, bool, bool, BYTE>;
  static std::map<Key, HFONT> fonts;
  const Key key{spec.face, spec.height, spec.bold, spec.italic, spec.charset};
  auto it = fonts.find(key);
  if (it != fonts.end()) return it->second;
  LOGFONTW lf{};
  lf.lfHeight = -spec.height;  // negative: the character height, not the cell's
  lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = spec.italic ? TRUE : FALSE;
  lf.lfCharSet = spec.charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  wcsncpy(lf.lfFaceName, spec.face, LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectW(&lf);
  fonts.emplace(key, font);
  return font;
}

void SetControlFont(HWND control, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace demodisc
