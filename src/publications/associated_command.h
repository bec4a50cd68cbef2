// The command line that opens a document with the command that a file
// type's association gives, as Explorer builds it: "C:\Reader\reader.exe"
// /open "%1".
#pragma once

#include <optional>
#include <string_view>

#include "base/text.h"

namespace demodisc {

struct DocumentCommand {
  Text program;      // the command's first word, unquoted
  Text commandLine;  // the whole line, the document in it
};

// Each %1, %L or %V of the command becomes the document's path, in double
// quotes unless the command quotes it already; a command without one gets
// the quoted path after a blank. %* and the other placeholders go, %%
// stays a percent sign. The program is the command's first word (in double
// quotes, or up to the first blank). Nothing when the command is empty or
// names no program (a placeholder alone).
std::optional<DocumentCommand> CommandForDocument(std::string_view command,
                                                  std::string_view document);

}  // namespace demodisc
