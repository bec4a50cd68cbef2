// The PDF reader: its look-up in the registry, opening a publication in it,
// and running its installer from the disc.
#pragma once

#include "base/text.h"
#include "launcher/disc_folders.h"
#include "publications/publication.h"

namespace demodisc {

// Looks up the reader's command for reading a file under HKEY_CLASSES_ROOT,
// opening the key for reading only. False when the key cannot be opened;
// `readerExePath` is then left as it was. Otherwise true, and
// `readerExePath` becomes the quoted path the command begins with (empty
// when there is none). A value that is not a string raises AppError and
// leaves `readerExePath` as it was. Nothing is ever written.
bool FindPdfReader(Text& readerExePath);

// The read button: looks the reader up afresh; when it is found, opens the
// record's document in it and waits until it ends (a row without a record
// or without a document does nothing); when it is not, offers to install it.
void ReadPublication(const DiscFolders& folders, Text& readerExePath, const TPubl* record);

// Runs the reader's installer from the disc, without parameters, and waits
// until it ends.
void InstallAcrobatReader(const DiscFolders& folders);

}  // namespace demodisc
