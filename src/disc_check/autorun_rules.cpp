#include "disc_check/autorun_rules.h"

#include "disc_check/disc_rules.h"

namespace demodisc {

namespace {

// An autorun.inf is a few lines; a larger file is read this far.
constexpr std::size_t kLargestAutorun = 64 * 1024;

// A line's blanks, and the CR of its CR LF.
std::string_view TrimLine(std::string_view s) { return TrimBlanks(s, " \t\r"); }

// The program a command starts: its first word, or the quoted part, without
// a leading ".\" or "\".
std::string_view ProgramOf(std::string_view command) {
  command = TrimLine(command);
  if (command.starts_with('"')) {
    command.remove_prefix(1);
    command = command.substr(0, command.find('"'));
  } else {
    command = command.substr(0, command.find_first_of(" \t"));
  }
  if (command.starts_with(".\\") || command.starts_with("./")) command.remove_prefix(2);
  if (command.starts_with('\\') || command.starts_with('/')) command.remove_prefix(1);
  return command;
}

struct AutorunKeys {
  std::optional<Text> open, label;
};

// The [autorun] section's open= (or shellexecute=) and label=, the first of each.
AutorunKeys ReadAutorun(std::string_view text) {
  AutorunKeys keys;
  bool inSection = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = TrimLine(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.starts_with('[')) {
      inSection = SameNameIgnoringCase(TrimLine(line.substr(1, line.find(']') - 1)), "autorun");
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inSection || line.starts_with(';') || equals == std::string_view::npos) continue;
    const Text key = LowerCaseFrom(TrimLine(line.substr(0, equals)), 0);
    const Text value(TrimLine(line.substr(equals + 1)));
    if ((key == "open" || key == "shellexecute") && !keys.open) keys.open = value;
    if (key == "label" && !keys.label) keys.label = value;
  }
  return keys;
}

}  // namespace

ReportLine CheckAutorun(DiscNames& names, std::string_view startProgram) {
  ReportLine line{Text(kAutorunFile), {}, "autorun"};
  const Text path(kAutorunFile);
  // Windows finds it whatever its letter case: no warning of that.
  const Lookup lookup = names.Peek(path);
  if (!lookup.found || lookup.folder) {
    line.findings.push_back({Rule::NoAutorun, path, lookup.found ? "is a folder" : "is missing",
                             "a disc burnt as it is does not start by itself "
                             "(tools/make-disc-image.sh writes one into the image)"});
    return line;
  }
  const std::optional<std::string> bytes = names.tree().Head(lookup.path, kLargestAutorun);
  if (!bytes) {
    line.findings.push_back({Rule::UnreadableWarning, path, "cannot be read"});
    return line;
  }
  for (const char c : *bytes)
    if (static_cast<unsigned char>(c) >= 0x80) {
      line.findings.push_back({Rule::AutorunNotAscii, path, "is not plain ASCII",
                               "Windows reads it in the system's ANSI code page, and a system "
                               "set to another language shows other letters"});
      break;
    }
  const AutorunKeys keys = ReadAutorun(*bytes);
  if (!keys.open)
    line.findings.push_back({Rule::AutorunStartsOther, path,
                             "names no program in its [autorun] section's open=",
                             "the disc does not start the program by itself"});
  else if (!SameNameIgnoringCase(ProgramOf(*keys.open), startProgram))
    line.findings.push_back({Rule::AutorunStartsOther, path,
                             "starts \"" + *keys.open + "\", not " + Text(startProgram),
                             "the disc does not start the program by itself"});
  if (keys.label && CharCount(*keys.label) > kAutorunLabelChars)
    line.findings.push_back(
        {Rule::AutorunLongLabel, path,
         "gives a label of " + std::to_string(CharCount(*keys.label)) + " characters",
         "Windows shows the first " + std::to_string(kAutorunLabelChars)});
  return line;
}

}  // namespace demodisc
