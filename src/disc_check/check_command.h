// The disc check's command, the same in check_disc (Linux) and
// DemoDiscCheck.exe (Windows): its options, its report, its exit codes.
//   <program> <disc-folder> [--json] [--strict] [--fix-texts] [--verify] [--accept <file>]
//   <program> --version
// The report goes to the standard output (text, or JSON with --json). The
// exit code is 0 when no error was found, 1 with errors (or with warnings not
// accepted, under --strict), 2 for a folder that is no disc, a wrong command
// line or an accepted-findings file that cannot be read. The accepted
// findings come from --accept, or else from <disc-folder>.accepted beside the
// folder when it is there. Each main only brings what is its system's: the
// arguments as UTF-8, the file system, writing the output.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "disc_check/disc_verify.h"
#include "disc_check/file_system.h"
#include "disc_check/text_place_rules.h"

namespace demodisc {

struct CheckCommand {
  std::optional<Text> folder;  // nothing when none was given
  std::optional<Text> acceptFile;
  bool json = false;
  bool strict = false;
  bool fixTexts = false;  // rewrites the disc's texts as cp1251 with CR LF first
  bool verify = false;    // reads every file back against the disc's DISC.SHA256
  bool version = false;
};

// The arguments after the program's name, in UTF-8; nothing when they are
// not a command (an unknown option, two folders, --accept without its file,
// --version with anything else, --verify with --fix-texts, which would
// change what it reads back).
std::optional<CheckCommand> ParseCheckCommand(const std::vector<Text>& args);

// The usage lines; `folderOptional` for a program that checks a folder of
// its own choice when it is given none.
Text CheckUsage(std::string_view program, bool folderOptional);

struct CheckOutput {
  Text out;     // for the standard output
  Text errors;  // for the standard error
  int status = 0;
};

// What the check takes of its system besides the files: for --verify the
// SHA-256 and a progress line; a measure of text as the window draws it,
// where the system has one (GDI on Windows), for a disc's own texts.
struct CheckSystem {
  Sha256Maker sha256 = SystemSha256;
  ProgressWriter progress;  // the standard error's, when it is a console
  TextWidth textWidth;
};

// The command's run over the file system: the version, or the report of
// its folder (which must be there; the usage and status 2 without it).
// `program` names the program in messages.
CheckOutput RunCheckCommand(const CheckCommand& command, const FileSystem& files,
                            std::string_view program, const CheckSystem& system = {});

// The version line of --version.
Text CheckVersionText();

// The release's folder, which holds the sample disc as "sample-disc".
inline constexpr char kSampleDiscFolder[] = "sample-disc";

// The command of a program started without a folder (from Explorer, by a
// double click): the folder it lies in is checked, unless that is the
// release's folder, which is no disc: then a line, in Russian and in
// English, says to drop the disc folder onto it, and the status is 2.
CheckOutput RunInOwnFolder(CheckCommand command, const FileSystem& files, const Text& ownFolder,
                           std::string_view program, const CheckSystem& system = {});

}  // namespace demodisc
