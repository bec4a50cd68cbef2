// Fonts of the windows, given by face, character height in pixels and style.
// Every font of the program is made here, once, and kept for its run.
#pragma once

#include <windows.h>

#include "control_rules/ui_scale.h"
#include "launcher/text_places.h"

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

// MS Sans Serif, the face of the windows' own text.
constexpr FontSpec SansSerif(int height) { return {L"MS Sans Serif", height}; }

// A font of the texts a disc gives, as the window draws them.
constexpr FontSpec SpecOf(const PlaceFont& font) {
  return {font.face, font.height, font.bold, false,
          static_cast<BYTE>(font.cyrillic ? RUSSIAN_CHARSET : DEFAULT_CHARSET)};
}

// The font of a spec.
HFONT UiFont(const FontSpec& spec);
// The font of a spec whose height is at 96 dpi, drawn at a scale (as its
// point size: see UiScale::FontPx).
HFONT ScaledFont(const FontSpec& spec, const UiScale& scale);
// The font of a full description (the system's message font).
HFONT UiFont(const LOGFONTW& font);

}  // namespace demodisc
