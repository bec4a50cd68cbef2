// The PDF reader's look-up in the registry.
#pragma once

#include "base/text.h"

namespace demodisc {

// Looks up the reader's command for reading a file under HKEY_CLASSES_ROOT,
// opening the key for reading only. False when the key cannot be opened;
// `readerExePath` is then left as it was. Otherwise true, and
// `readerExePath` becomes the quoted path the command begins with (empty
// when there is none). A value that is not a string raises AppError and
// leaves `readerExePath` as it was. Nothing is ever written.
bool FindPdfReader(Text& readerExePath);

}  // namespace demodisc
