// DISC.SHA256, the checksums tools/make-disc-image.sh writes at the image's
// root: sha256sum's lines, one per file of the image, its path as the
// image holds it ("Hints/about.txt"). A name holding "\" or a line end is
// written escaped, the line starting with "\", as sha256sum does.
#pragma once

#include <string_view>
#include <vector>

#include "base/text.h"

namespace demodisc {

struct ManifestEntry {
  Text path;  // a tree path: names joined by "/"
  Text hex;   // the SHA-256, 64 lower-case hexadecimal digits
  int line = 0;
};

struct ManifestFault {
  int line = 0;
  Text what;  // "is no sha256sum line", ...
};

struct Manifest {
  std::vector<ManifestEntry> entries;  // in the file's order
  std::vector<ManifestFault> faults;
};

// Every line read; a line ending in CR LF is taken as one ending in LF.
Manifest ParseManifest(std::string_view bytes);

}  // namespace demodisc
