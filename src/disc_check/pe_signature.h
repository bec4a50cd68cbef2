// Whether a Windows program carries an Authenticode signature, by its PE
// headers alone: the security directory (the fifth data directory) names a
// non-empty block inside the file. The certificate is not parsed, and only
// the headers are read, however large the program.
#pragma once

#include "disc_check/disc_tree.h"

namespace demodisc {

// False for a file that is no PE image, or whose headers are cut short or
// point past its end.
bool CarriesSignature(const DiscTree& tree, const Text& treePath);

}  // namespace demodisc
