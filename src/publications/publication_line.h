// One line of the publication list file split into its fields.
#pragma once

#include <string_view>

#include "base/text.h"

namespace demodisc {

// language#document#entry: the entry's first 4 characters are its number;
// its characters from the 5th up to the second-to-last are its text (the
// line's last character never shows). No blank is trimmed; missing fields
// are empty.
struct PublicationLine {
  Text language;
  Text docFileName;
  Text number;
  Text text;
};

PublicationLine SplitPublicationLine(std::string_view line);

}  // namespace demodisc
