#include "launcher/command_line.h"

namespace demodisc {

Text Cut255(std::string_view text) { return Text(FirstChars(text, kMaxPathText)); }

Text BuildCommandLine(std::string_view program, std::string_view parameters) {
  Text line;
  line.reserve(program.size() + parameters.size() + 3);
  line += '"';
  line += program;
  line += "\" ";
  line += parameters;
  return Cut255(line);
}

Text WorkingDirOf(std::string_view program) {
  const auto sep = program.find_last_of("\\:");
  return sep == std::string_view::npos ? Text() : Text(program.substr(0, sep + 1));
}

}  // namespace demodisc
