// check_disc: checks a disc folder for what DemoDisc.exe looks for on it.
//   check_disc <disc-folder> [--json] [--strict] [--accept <file>]
//   check_disc --version
// Prints the report (text, or JSON with --json) and ends with 0 when it
// found no error, 1 with errors (or with warnings not accepted, under
// --strict), 2 for a folder that is no disc or a wrong command line or an
// accepted-findings file that cannot be read. The accepted findings come
// from --accept, or else from <disc-folder>.accepted beside the folder.
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "base/version.h"
#include "disc_check/accepted_findings.h"
#include "disc_check/disc_rules.h"
#include "disc_check/file_system_tree.h"
#include "disc_check/report_format.h"

int main(int argc, char** argv) {
  using namespace demodisc;
  const char* folder = nullptr;
  const char* acceptFile = nullptr;
  bool json = false, strict = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version" && argc == 2) {
      std::fputs("DemoDisc disc check " DEMODISC_VERSION_TEXT "\n", stdout);
      return 0;
    }
    if (arg == "--json") {
      json = true;
    } else if (arg == "--strict") {
      strict = true;
    } else if (arg == "--accept" && i + 1 < argc) {
      acceptFile = argv[++i];
    } else if (!arg.starts_with("--") && !folder) {
      folder = argv[i];
    } else {
      folder = nullptr;
      break;
    }
  }
  if (!folder) {
    std::fputs(
        "usage: check_disc <disc-folder> [--json] [--strict] [--accept <file>]\n"
        "       check_disc --version\n",
        stderr);
    return 2;
  }
  const FileSystemTree tree(PathFromUtf8(folder));
  DiscReport report = CheckDisc(tree, folder);
  // The accepted findings: the file named, or the one beside the folder when it is there.
  std::filesystem::path accepted = PathFromUtf8(acceptFile ? acceptFile : "");
  if (!acceptFile) {
    std::filesystem::path beside = PathFromUtf8(folder);
    if (!beside.has_filename()) beside = beside.parent_path();
    accepted = beside.string() + ".accepted";
  }
  std::error_code error;
  if (acceptFile || std::filesystem::is_regular_file(accepted, error)) {
    const FileSystemTree files(accepted.parent_path());
    const auto bytes = files.Bytes(Utf8FromPath(accepted.filename()));
    if (!bytes) {
      std::fprintf(stderr, "check_disc: cannot read the accepted findings %s\n",
                   Utf8FromPath(accepted).c_str());
      return 2;
    }
    AcceptFindings(report, ParseAcceptedFindings(*bytes), Utf8FromPath(accepted));
  }
  const Text text = json ? ReportJson(report) : ReportText(report);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return ExitCode(report, strict);
}
