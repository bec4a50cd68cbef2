// check_disc: checks a disc folder for what DemoDisc.exe looks for on it.
//   check_disc <disc-folder> [--json] [--strict]
// Prints the report (text, or JSON with --json) and ends with 0 when it
// found no error, 1 with errors (or with warnings under --strict), 2 for a
// folder that is no disc or a wrong command line.
#include <cstdio>
#include <string_view>

#include "disc_check/disc_rules.h"
#include "disc_check/file_system_tree.h"
#include "disc_check/report_format.h"

int main(int argc, char** argv) {
  using namespace demodisc;
  const char* folder = nullptr;
  bool json = false, strict = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--json") {
      json = true;
    } else if (arg == "--strict") {
      strict = true;
    } else if (!arg.starts_with("--") && !folder) {
      folder = argv[i];
    } else {
      folder = nullptr;
      break;
    }
  }
  if (!folder) {
    std::fputs("usage: check_disc <disc-folder> [--json] [--strict]\n", stderr);
    return 2;
  }
  const FileSystemTree tree(PathFromUtf8(folder));
  const DiscReport report = CheckDisc(tree, folder);
  const Text text = json ? ReportJson(report) : ReportText(report);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return ExitCode(report, strict);
}
