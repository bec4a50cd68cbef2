// GDI's measure of the texts a disc gives, in the fonts the window draws
// them in at 96 dpi, for the Windows disc check.
#pragma once

#include "disc_check/text_place_rules.h"

namespace demodisc {

// A measure of its own screen DC and fonts, made once and kept while it lives.
TextWidth GdiTextWidth();

}  // namespace demodisc
