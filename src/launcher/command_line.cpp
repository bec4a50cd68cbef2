#include "launcher/command_line.h"

namespace demodisc {

namespace {

// A parameter with a blank or a tab would reach the program as several
// arguments: it goes in double quotes, with its trailing backslashes
// doubled so that none of them escapes the closing quote.
void AppendParameters(Text& line, std::string_view parameters) {
  if (parameters.find_first_of(" \t") == std::string_view::npos) {
    line += parameters;
    return;
  }
  const std::size_t kept = parameters.find_last_not_of('\\') + 1;
  line += '"';
  line += parameters;
  line.append(parameters.size() - kept, '\\');
  line += '"';
}

}  // namespace

Text Cut255(std::string_view text) { return Text(FirstChars(text, kMaxPathText)); }

Text BuildCommandLine(std::string_view program, std::string_view parameters) {
  Text line;
  line.reserve(program.size() + parameters.size() + 5);
  line += '"';
  line += program;
  line += "\" ";
  AppendParameters(line, parameters);
  return Cut255(line);
}

Text WorkingDirOf(std::string_view program) {
  const auto sep = program.find_last_of("\\:");
  return sep == std::string_view::npos ? Text() : Text(program.substr(0, sep + 1));
}

}  // namespace demodisc
