// Fonts of the windows, given by face, character height in pixels and style.
#pragma once

#include <windows.h>

namespace demodisc {

struct FontSpec {
  const wchar_t* face;
  int height;  // character height in pixels (the cell height without its leading)
  bool bold = false;
  bool italic = false;
  BYTE charset = DEFAULT_CHARSET;
};

// Arial asking for the Cyrillic character set.
constexpr FontSpec Arial(int height, bool bold = false, bool italic = false) {
  return {L"Arial", height, bold, italic, RUSSIAN_CHARSET};
}

// The font of a spec; created once and kept for the program's run.
HFONT UiFont(const FontSpec& spec);

void SetControlFont(HWND control, HFONT font);

}  // namespace demodisc
