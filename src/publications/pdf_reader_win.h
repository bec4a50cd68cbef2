// The PDF reader's look-up in the registry.
#pragma once

#include <optional>

#include "base/text.h"

namespace demodisc {

// Looks up the reader's command for reading a file under HKEY_CLASSES_ROOT,
// opening the key for reading only. False when the key cannot be opened;
// `readerExePath` is then left as it was. Otherwise true, and
// `readerExePath` becomes the quoted path the command begins with (empty
// when there is none). A value that is not a string raises AppError and
// leaves `readerExePath` as it was. Nothing is ever written.
bool FindPdfReader(Text& readerExePath);

// The command of the program Windows opens PDF documents with ("open"),
// found without writing anything: the user's choice as Explorer records it
// (UserChoice), else the association that AssocQueryString finds (on XP,
// HKEY_CLASSES_ROOT\.pdf and its ProgID). Nothing when no program at all is
// associated with .pdf; an empty text when one is named but gives no
// command to start.
std::optional<Text> FindPdfAssociation();

}  // namespace demodisc
