// DemoDiscCheck.exe: the disc check on Windows, a console program beside
// DemoDisc.exe; the command itself is check_command.h's, as in check_disc.
//   DemoDiscCheck [<disc-folder>] [--json] [--strict] [--verify] [--accept <file>]
//   DemoDiscCheck --version
// Without a folder (started from Explorer by a double click) it checks the
// folder it lies in, unless that is the release's folder; in a console
// window of its own it waits for a key before the window closes, so that the
// report can be read.
#include "base/console_win.h"
#include "base/files_win.h"
#include "base/wide_win.h"
#include "disc_check/check_command.h"
#include "disc_check/file_system_win.h"
#include "disc_check/text_width_win.h"

namespace {

constexpr char kProgram[] = "DemoDiscCheck";

// The folder the exe lies in (a drive's root with its "\").
demodisc::Text ExeFolder() {
  const demodisc::Text exe = demodisc::ExePath();
  const std::size_t slash = exe.find_last_of('\\');
  demodisc::Text folder = slash == demodisc::Text::npos ? demodisc::Text() : exe.substr(0, slash);
  if (!folder.empty() && folder.back() == ':') folder += '\\';
  return folder;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace demodisc;
  // Asked first: a program that attaches to the window later (a screen
  // reader's) does not make it another's.
  const bool ownWindow = OwnsItsConsole();
  std::vector<Text> args;
  for (int i = 1; i < argc; ++i) args.push_back(FromWide(argv[i]));
  const auto command = ParseCheckCommand(args);
  const WindowsFileSystem files;
  // --verify's progress, into a console only.
  CheckSystem system;
  system.textWidth = GdiTextWidth();
  if (IsConsole(StandardStream::Error))
    system.progress = [](const Text& text) { WriteStandard(StandardStream::Error, text); };
  const CheckOutput output = command
                                 ? RunInOwnFolder(*command, files, ExeFolder(), kProgram, system)
                                 : CheckOutput{{}, CheckUsage(kProgram, true), 2};
  WriteStandard(StandardStream::Output, output.out);
  WriteStandard(StandardStream::Error, output.errors);
  if (ownWindow) WaitForKey("\nPress a key to close this window.");
  return output.status;
}
