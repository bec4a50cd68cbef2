// One cause, one finding: a missing folder breaks every item whose file it
// would hold, and a missing file that several items share breaks them all.
// The cause is then counted once, with the number of items it breaks.
#pragma once

#include "disc_check/disc_report.h"

namespace demodisc {

// Findings of the same cause on several lines become one: the cause's own
// finding (the folders' line for a folder) or else the first, which says
// how many items it breaks; the others become notes that point to it.
void CountSharedCausesOnce(DiscReport& report);

}  // namespace demodisc
