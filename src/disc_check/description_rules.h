// The disc's description: its own DemoDisc.ini at the root (the name's
// letter case ignored, as Windows finds it), read with the program's own
// parser, each fault an error at its line and column; without the file, the
// built-in catalogue, which adds no line to the report.
#pragma once

#include "disc_check/diagnostics.h"
#include "disc_check/disc_names.h"
#include "launcher/disc_description.h"

namespace demodisc {

struct CheckedDescription {
  DiscDescription description;
  bool own = false;  // read from the disc's file
};

// The findings go to the report line "description", which the caller
// declares when the description is the disc's own.
CheckedDescription CheckDescriptionFile(DiscNames& names, DiagnosticList& list);

}  // namespace demodisc
