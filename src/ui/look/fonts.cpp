#include "ui/look/fonts.h"

#include <cstring>
#include <cwchar>
#include <map>
#include <string>

#include "base/log_font_win.h"
#include "ui/look/gdi.h"

namespace demodisc {

HFONT UiFont(const LOGFONTW& font) {
  // Keyed by the description's bytes; the face name is cleared past its end
  // so that equal descriptions compare equal.
  LOGFONTW key = font;
  const std::size_t faceLength = wcsnlen(key.lfFaceName, LF_FACESIZE - 1);
  std::memset(key.lfFaceName + faceLength, 0, (LF_FACESIZE - faceLength) * sizeof(wchar_t));
  static std::map<std::string, OwnedFont> fonts;
  std::string bytes(reinterpret_cast<const char*>(&key), sizeof key);
  auto it = fonts.find(bytes);
  if (it == fonts.end())
    it = fonts.emplace(std::move(bytes), OwnedFont(CreateFontIndirectW(&key))).first;
  return it->second.get();
}

HFONT UiFont(const FontSpec& spec) {
  return UiFont(LogFontOf(spec.face, spec.height, spec.bold, spec.italic, spec.charset));
}

HFONT ScaledFont(const FontSpec& spec, const UiScale& scale) {
  FontSpec scaled = spec;
  scaled.height = scale.FontPx(spec.height);
  return UiFont(scaled);
}

}  // namespace demodisc
