// The two reader buttons' work: opening a publication in the PDF reader, and
// running the reader's installer from the disc.
#pragma once

#include "base/text.h"
#include "launcher/disc_folders.h"
#include "publications/publication.h"
#include "publications/reader_installer.h"

namespace demodisc {

// The read button: looks the reader up afresh; when it is found, opens the
// record's document in it and waits until it ends (a row without a record
// or without a document does nothing); when it is not, offers to install it.
// `installer` is the installer's path from the disc's root.
void ReadPublication(const DiscFolders& folders, Text& readerExePath, const TPubl* record,
                     const Text& installer = DiscPath("", kReaderInstaller));

// Runs the reader's installer from the disc, without parameters, and waits
// until it ends.
void InstallAcrobatReader(const DiscFolders& folders,
                          const Text& installer = DiscPath("", kReaderInstaller));

}  // namespace demodisc
