#include "disc_check/disc_names.h"

#include <algorithm>

namespace demodisc {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return LowerCaseFrom(a, 0) == LowerCaseFrom(b, 0);
}

Text NotAFileText(const Lookup& lookup) {
  if (lookup.found) return "is a folder";
  if (lookup.missingFolder.empty()) return "is missing";
  return "is missing (no folder " + lookup.missingFolder + ")";
}

const std::optional<std::vector<DiscEntry>>& DiscNames::Entries(const Text& folder) {
  auto it = listings_.find(folder);
  if (it == listings_.end()) it = listings_.emplace(folder, tree_.List(folder)).first;
  return it->second;
}

Lookup DiscNames::Find(std::string_view programPath, std::vector<Finding>& findings) {
  Lookup result;
  result.folder = true;  // the root
  Text asked;            // the program's path up to the current name
  std::size_t start = 0;
  while (start < programPath.size()) {
    std::size_t end = programPath.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = programPath.size();
    const std::string_view name = programPath.substr(start, end - start);
    start = end + 1;
    if (name.empty()) continue;
    const Text folderAsked = asked;
    asked += asked.empty() ? "" : "\\";
    asked += name;
    if (!result.folder) return {.missingFolder = folderAsked};

    const auto& entries = Entries(result.path);
    const DiscEntry* match = nullptr;
    if (entries) {
      for (const DiscEntry& entry : *entries) {
        if (entry.name == name) {
          match = &entry;
          break;
        }
        if (!match && SameNameIgnoringCase(entry.name, name)) match = &entry;
      }
    }
    if (!match) {
      // A name on the way to the file is a missing folder.
      const bool last = programPath.find_first_not_of("\\/", std::min(start, programPath.size())) ==
                        std::string_view::npos;
      return {.missingFolder = last ? (entries ? Text() : folderAsked) : asked};
    }
    if (match->name != name && caseReported_.insert(LowerCaseFrom(asked, 0)).second)
      findings.push_back({Severity::Warning, asked,
                          "is named \"" + match->name +
                              "\" on the disc: Windows finds it there, but not in a copy of the "
                              "folder on a system that tells letter case apart"});
    result.path = ChildPath(result.path, match->name);
    result.folder = match->folder;
    used_.insert(result.path);
  }
  result.found = true;
  return result;
}

}  // namespace demodisc
