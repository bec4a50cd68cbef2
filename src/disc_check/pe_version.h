// The product name and version of a Windows program, from its version
// resource, as Explorer's Details tab shows them: the reader installer of
// the first discs is told by it. Only the start of the file is read, where
// a linker puts the resources; an installer's payload follows them.
#pragma once

#include <optional>

#include "disc_check/disc_tree.h"

namespace demodisc {

struct ProductVersion {
  Text name;  // the ProductName string; empty without one
  int major = 0;
  Text text;  // "8.1.2"
};

// Nothing for a file that is no PE image, has no version resource, or whose
// resource lies past the part read; never more than that part is read.
std::optional<ProductVersion> ReadProductVersion(const DiscTree& tree, const Text& treePath);

// "Adobe Reader", "Acrobat Reader", "Adobe Acrobat Reader DC", ...
bool IsAcrobatReader(std::string_view productName);

}  // namespace demodisc
