#include "markdown_table.h"

#include <fstream>
#include <iostream>

namespace demodisc::docs {

namespace {

Row Cells(const std::string& line) {
  Row cells;
  std::size_t start = line.find('|');
  while (start != std::string::npos) {
    const std::size_t end = line.find('|', start + 1);
    if (end == std::string::npos) break;
    std::string cell = line.substr(start + 1, end - start - 1);
    const std::size_t first = cell.find_first_not_of(' ');
    const std::size_t last = cell.find_last_not_of(' ');
    cells.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
    start = end;
  }
  return cells;
}

}  // namespace

std::optional<std::vector<Row>> ReadTable(const char* path, std::string_view header) {
  std::ifstream in(path);
  if (!in) {
    std::cerr << path << ": cannot be read\n";
    return std::nullopt;
  }
  std::vector<Row> rows;
  std::string line;
  bool inTable = false;
  while (std::getline(in, line)) {
    if (!inTable) {
      inTable = line == header;
      if (inTable && !std::getline(in, line)) break;  // the row of dashes
      continue;
    }
    if (line.empty() || line[0] != '|') break;
    rows.push_back(Cells(line));
  }
  if (!inTable) {
    std::cerr << path << ": no table starting with \"" << header << "\"\n";
    return std::nullopt;
  }
  return rows;
}

}  // namespace demodisc::docs
