// The four catalogue pages: for each item, what clicking it starts and the
// description that pointing at it shows.
#pragma once

#include "disc_check/diagnostics.h"
#include "disc_check/disc_names.h"
#include "launcher/disc_description.h"

namespace demodisc {

// The page, and one line per item, in button order, with the caption the
// button shows: what clicking it starts or opens (a clip with the disc's
// player), its picture and the description that pointing at it shows.
void CheckCataloguePage(DiscNames& names, const DescribedPage& page, const DiscDescription& disc,
                        DiagnosticList& list);

}  // namespace demodisc
