// The four catalogue pages: for each item, what clicking it starts and the
// description that pointing at it shows.
#pragma once

#include "disc_check/diagnostics.h"
#include "disc_check/disc_names.h"
#include "launcher/catalogue.h"

namespace demodisc {

// The page, and one line per item, in button order, with the caption the
// button shows.
void CheckCataloguePage(DiscNames& names, const DiscPage& page, DiagnosticList& list);

}  // namespace demodisc
