#include "publications/associated_command.h"

namespace demodisc {

std::optional<DocumentCommand> CommandForDocument(std::string_view command,
                                                  std::string_view document) {
  while (!command.empty() && (command.front() == ' ' || command.front() == '\t'))
    command.remove_prefix(1);
  DocumentCommand out;
  if (!command.empty() && command.front() == '"') {
    const std::size_t end = command.find('"', 1);
    out.program = Text(command.substr(1, end == command.npos ? command.npos : end - 1));
  } else {
    out.program = Text(command.substr(0, command.find_first_of(" \t")));
  }
  if (out.program.empty() || out.program.front() == '%') return std::nullopt;

  bool placed = false;
  for (std::size_t i = 0; i < command.size(); ++i) {
    const char c = command[i];
    if (c != '%' || i + 1 == command.size()) {
      out.commandLine += c;
      continue;
    }
    const char p = command[++i];
    if (p == '%') {
      out.commandLine += '%';
    } else if (p == '1' || p == 'L' || p == 'l' || p == 'V' || p == 'v') {
      const bool quoted =
          i >= 2 && command[i - 2] == '"' && i + 1 < command.size() && command[i + 1] == '"';
      out.commandLine += quoted ? Text(document) : "\"" + Text(document) + "\"";
      placed = true;
    }
  }
  while (!out.commandLine.empty() && out.commandLine.back() == ' ') out.commandLine.pop_back();
  if (!placed) out.commandLine += " \"" + Text(document) + "\"";
  return out;
}

}  // namespace demodisc
