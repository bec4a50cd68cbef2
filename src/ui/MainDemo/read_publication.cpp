#include "ui/MainDemo/read_publication.h"

#include <windows.h>

#include <exception>
#include <optional>

#include "launcher/command_line.h"
#include "launcher/run_and_wait_win.h"
#include "publications/associated_command.h"
#include "publications/pdf_reader_win.h"
#include "publications/reader_installer.h"
#include "ui/message_dialogs_win.h"

namespace demodisc {

namespace {

constexpr char kInstallQuestion[] = "Установить Acrobat Reader?";

// Starts the reader or its installer; a start that fails, or an error on
// the way, shows the one start-failure message.
template <class Start>
void StartReaderProgram(Start start) {
  bool started = false;
  try {
    started = start();
  } catch (const std::exception&) {
    started = false;
  }
  if (!started) ShowPlainMessage(kReaderStartFailed);
}

// The document in the associated reader, waited for as content is: a
// reader that hands the document to one already running ends at once, and
// the window is usable again at once.
void OpenWithAssociation(const Text& command, const DiscFolders& folders, const TPubl* record) {
  if (!record || record->DocFileName.empty()) return;
  StartReaderProgram([&] {
    const std::optional<DocumentCommand> line =
        CommandForDocument(command, Cut255(folders.PublicationDir + record->DocFileName));
    return line && RunCommandAndWait(line->commandLine, WorkingDirOf(line->program), SW_SHOWNORMAL);
  });
}

}  // namespace

void ReadPublication(const DiscFolders& folders, Text& readerExePath, const TPubl* record,
                     const Text& installer) {
  if (!FindPdfReader(readerExePath)) {
    // The reader Windows associates with PDF documents, when there is one.
    if (const std::optional<Text> command = FindPdfAssociation())
      return OpenWithAssociation(*command, folders, record);
    if (AskWarningYesNo(kInstallQuestion)) InstallAcrobatReader(folders, installer);
    return;
  }
  if (!record || record->DocFileName.empty()) return;
  StartReaderProgram([&] {
    const Text parameters = Cut255(folders.PublicationDir + record->DocFileName);
    const Text program = Cut255(readerExePath);
    return RunAndWait(program, parameters, SW_SHOWNORMAL);
  });
}

void InstallAcrobatReader(const DiscFolders& folders, const Text& installer) {
  StartReaderProgram([&] {
    const Text program = Cut255(folders.RootDir + installer);
    return RunAndWait(program, Text(), SW_SHOWNORMAL);
  });
}

}  // namespace demodisc
