// check_disc: the disc check on Linux (tools/check-disc.sh); the command
// itself is check_command.h's.
//   check_disc <disc-folder> [--json] [--strict] [--fix-texts] [--verify] [--accept <file>]
//   check_disc --version
// --verify's progress goes to the standard error when it is a terminal.
#include <unistd.h>

#include <cstdio>

#include "disc_check/check_command.h"

int main(int argc, char** argv) {
  using namespace demodisc;
  // The arguments are taken as UTF-8, as the file system's names are.
  const std::vector<Text> args(argv + 1, argv + argc);
  const auto command = ParseCheckCommand(args);
  const PortableFileSystem files;
  CheckSystem system;
  if (isatty(STDERR_FILENO))
    system.progress = [](const Text& text) {
      std::fwrite(text.data(), 1, text.size(), stderr);
      std::fflush(stderr);
    };
  const CheckOutput output = command ? RunCheckCommand(*command, files, "check_disc", system)
                                     : CheckOutput{{}, CheckUsage("check_disc", false), 2};
  std::fwrite(output.out.data(), 1, output.out.size(), stdout);
  std::fwrite(output.errors.data(), 1, output.errors.size(), stderr);
  return output.status;
}
