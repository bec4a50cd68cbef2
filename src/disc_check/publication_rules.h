// The publications page: the list file, then one line per row the grid
// shows, with the document the row opens.
#pragma once

#include "disc_check/diagnostics.h"
#include "disc_check/disc_names.h"
#include "launcher/disc_description.h"

namespace demodisc {

// The page: the list's line, and one line per row the grid shows.
// The documents lie beside the list.
void CheckPublicationPage(DiscNames& names, const DescribedPage& page, DiagnosticList& list);

}  // namespace demodisc
