#include "ui/MainDemo/read_publication.h"

#include <windows.h>

#include <exception>

#include "launcher/command_line.h"
#include "launcher/run_and_wait_win.h"
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

}  // namespace

void ReadPublication(const DiscFolders& folders, Text& readerExePath, const TPubl* record,
                     const Text& installer) {
  if (!FindPdfReader(readerExePath)) {
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
