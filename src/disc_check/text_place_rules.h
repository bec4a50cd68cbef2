// The captions and contact lines of a disc's own DemoDisc.ini that are wider
// than their places in the main window at 96 dpi, where the window cuts
// them. Measured by the system's own text drawing: the Windows check
// passes GDI's measure; the Linux check has none and leaves this to the
// preview, which shows the window as drawn.
#pragma once

#include <functional>

#include "disc_check/diagnostics.h"
#include "launcher/text_places.h"

namespace demodisc {

// The width in pixels that a UTF-8 text takes in a font, on one line.
using TextWidth = std::function<int(const Text& text, const PlaceFont& font)>;

// A warning on the item's line for a caption, on the DemoDisc.ini line for
// a contact line (its key `descriptionKey`).
void CheckTextPlaces(const DiscDescription& disc, const TextWidth& width,
                     const Text& descriptionKey, DiagnosticList& list);

}  // namespace demodisc
