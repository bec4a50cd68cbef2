// A catalogue picture that the disc carries as a PNG file.
#pragma once

#include "base/text.h"
#include "ui/look/image_list.h"

namespace demodisc {

// Reads the PNG at `path` (as pictures/disc_picture_file.h says), blends it onto the
// button face, reduces it to the list's picture size, and adds it to the
// list; a smaller picture stands centred in that size. Its index in the
// list, or -1 when the file cannot be read or is no such picture.
int AddDiscPicture(ImageList& list, const Text& path);

}  // namespace demodisc
