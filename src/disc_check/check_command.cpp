#include "disc_check/check_command.h"

#include <algorithm>
#include <limits>
#include <new>

#include "base/version.h"
#include "disc_check/accepted_findings.h"
#include "disc_check/disc_names.h"
#include "disc_check/disc_rules.h"
#include "disc_check/file_system_tree.h"
#include "disc_check/report_format.h"
#include "disc_check/text_fix.h"

namespace demodisc {

namespace {

// The options without a value, each setting its flag.
struct FlagOption {
  std::string_view name;
  bool CheckCommand::*flag;
};
constexpr FlagOption kFlagOptions[] = {
    {"--json", &CheckCommand::json},
    {"--strict", &CheckCommand::strict},
    {"--fix-texts", &CheckCommand::fixTexts},
    {"--verify", &CheckCommand::verify},
};

// The options followed by a value.
struct ValueOption {
  std::string_view name;
  std::string_view value;  // as the usage names it
  std::optional<Text> CheckCommand::*field;
};
constexpr ValueOption kValueOptions[] = {
    {"--accept", "<file>", &CheckCommand::acceptFile},
};

constexpr std::string_view kVersionOption = "--version";

}  // namespace

std::optional<CheckCommand> ParseCheckCommand(const std::vector<Text>& args) {
  CheckCommand command;
  if (args.size() == 1 && args[0] == kVersionOption) {
    command.version = true;
    return command;
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    const Text& arg = args[i];
    bool known = false;
    for (const FlagOption& option : kFlagOptions)
      if (arg == option.name) {
        command.*option.flag = true;
        known = true;
      }
    for (const ValueOption& option : kValueOptions)
      if (arg == option.name) {
        if (i + 1 == args.size()) return std::nullopt;
        command.*option.field = args[++i];
        known = true;
      }
    if (known) continue;
    if (arg.starts_with("--") || command.folder) return std::nullopt;
    command.folder = arg;
  }
  if (command.verify && command.fixTexts) return std::nullopt;
  return command;
}

Text CheckUsage(std::string_view program, bool folderOptional) {
  Text line = "usage: " + Text(program) + (folderOptional ? " [<disc-folder>]" : " <disc-folder>");
  for (const FlagOption& option : kFlagOptions) line += " [" + Text(option.name) + "]";
  for (const ValueOption& option : kValueOptions)
    line += " [" + Text(option.name) + " " + Text(option.value) + "]";
  return line + "\n       " + Text(program) + " " + Text(kVersionOption) + "\n";
}

Text CheckVersionText() { return "DemoDisc disc check " DEMODISC_VERSION_TEXT "\n"; }

CheckOutput RunCheckCommand(const CheckCommand& command, const FileSystem& files,
                            std::string_view program, const CheckSystem& system) {
  if (command.version) return {CheckVersionText()};
  if (!command.folder) return {{}, CheckUsage(program, false), 2};
  const Text& folder = *command.folder;
  try {
    // What --fix-texts changed comes before the report; with --json, on the
    // standard error, so that the output stays one JSON object.
    Text fixLines;
    bool fixFailed = false;
    if (command.fixTexts) {
      const std::vector<TextFix> fixes = FixDiscTexts(files, folder);
      fixLines = TextFixLines(fixes);
      fixFailed =
          std::any_of(fixes.begin(), fixes.end(), [](const TextFix& f) { return f.failed; });
    }
    const FileSystemTree tree(folder, files);
    // A disc is read back first: the check's own reads then find the bytes
    // in the system's cache.
    std::optional<ReportSection> readBack;
    if (command.verify) {
      const auto root = tree.List("");
      if (root && IsDiscRoot(*root)) readBack = VerifyDisc(tree, system.sha256, system.progress);
    }
    DiscReport report = CheckDisc(tree, folder, system.textWidth);
    if (readBack) report.sections.insert(report.sections.begin(), std::move(*readBack));
    // The accepted findings: the file named, or the one beside the folder when it is there.
    const Text accepted = command.acceptFile.value_or(files.Beside(folder, ".accepted"));
    if (command.acceptFile || files.FileSize(files.Absolute(accepted))) {
      const auto bytes =
          files.Read(files.Absolute(accepted), std::numeric_limits<std::size_t>::max());
      if (!bytes)
        return {command.json ? Text() : fixLines,
                (command.json ? fixLines : Text()) + Text(program) +
                    ": cannot read the accepted findings " + accepted + "\n",
                2};
      AcceptFindings(report, ParseAcceptedFindings(*bytes), accepted);
    }
    const int code = ExitCode(report, command.strict);
    if (command.json) return {ReportJson(report), fixLines, fixFailed && code == 0 ? 1 : code};
    return {fixLines + ReportText(report), {}, fixFailed && code == 0 ? 1 : code};
  } catch (const std::bad_alloc&) {
    // A text file read whole (a description, the list) larger than the
    // memory of the process (2 GB for a 32-bit one).
    return {{}, Text(program) + ": " + folder + " holds a text file too large to read\n", 2};
  }
}

CheckOutput RunInOwnFolder(CheckCommand command, const FileSystem& files, const Text& ownFolder,
                           std::string_view program, const CheckSystem& system) {
  if (!command.folder && !command.version) {
    const auto entries = files.List(files.Absolute(ownFolder));
    const bool release =
        entries && std::any_of(entries->begin(), entries->end(), [](const FileSystem::Entry& e) {
          return e.folder && SameNameIgnoringCase(e.name, kSampleDiscFolder);
        });
    if (release)
      return {"Это папка выпуска DemoDisc, а не диск: перетащите папку своего диска на " +
                  Text(program) + ".exe.\nThis is the DemoDisc release folder, not a disc: drop " +
                  "your disc folder onto " + Text(program) + ".exe.\n",
              {},
              2};
    command.folder = ownFolder;
  }
  return RunCheckCommand(command, files, program, system);
}

}  // namespace demodisc
