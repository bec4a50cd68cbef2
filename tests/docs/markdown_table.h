// The rows of a Markdown table in a document, found by its header row, each
// split into its cells (trimmed), for the checks that hold a table in the
// documentation against the program's own.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace demodisc::docs {

using Row = std::vector<std::string>;

// Nothing when the file cannot be read (the message goes to stderr) or holds
// no table with that header row.
std::optional<std::vector<Row>> ReadTable(const char* path, std::string_view header);

}  // namespace demodisc::docs
