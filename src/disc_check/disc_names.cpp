#include "disc_check/disc_names.h"

#include <algorithm>

namespace demodisc {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return LowerCaseFrom(a, 0) == LowerCaseFrom(b, 0);
}

Text NotAFileText(const Lookup& lookup) {
  if (lookup.found) return "is a folder";
  if (lookup.outside) return "points above the disc's root";
  if (!lookup.unreadableFolder.empty())
    return "cannot be read (the folder " + lookup.unreadableFolder + " cannot be listed)";
  if (lookup.missingFolder.empty()) return "is missing";
  return "is missing (no folder " + lookup.missingFolder + ")";
}

Rule NotAFileRule(const Lookup& lookup, bool note) {
  if (lookup.found) return note ? Rule::IsFolderNote : Rule::IsFolder;
  if (lookup.outside) return note ? Rule::OutsideDiscNote : Rule::OutsideDisc;
  if (!lookup.unreadableFolder.empty()) return note ? Rule::UnreadableNote : Rule::Unreadable;
  return note ? Rule::MissingNote : Rule::Missing;
}

Text MissingCause(const Lookup& lookup, const Text& path) {
  if (!lookup.missingFolder.empty()) return lookup.missingFolder;
  if (!lookup.unreadableFolder.empty()) return lookup.unreadableFolder;
  return path;
}

const std::optional<std::vector<DiscEntry>>& DiscNames::Entries(const Text& folder) {
  auto it = listings_.find(folder);
  if (it == listings_.end()) it = listings_.emplace(folder, tree_.List(folder)).first;
  return it->second;
}

namespace {

// The names of a program path as Windows resolves them; nothing when ".."
// leads above the root.
std::optional<std::vector<Text>> WindowsNames(std::string_view programPath) {
  std::vector<Text> names;
  std::size_t start = 0;
  while (start <= programPath.size()) {
    std::size_t end = programPath.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = programPath.size();
    Text name(programPath.substr(start, end - start));
    start = end + 1;
    if (name != "." && name != "..")
      while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (names.empty()) return std::nullopt;
      names.pop_back();
      continue;
    }
    names.push_back(std::move(name));
  }
  return names;
}

}  // namespace

Lookup DiscNames::Find(std::string_view programPath, std::vector<Finding>& findings,
                       const Text& asker) {
  return Resolve(programPath, &findings, asker);
}

Lookup DiscNames::Peek(std::string_view programPath) { return Resolve(programPath, nullptr, {}); }

Lookup DiscNames::Resolve(std::string_view programPath, std::vector<Finding>* findings,
                          const Text& asker) {
  const auto names = WindowsNames(programPath);
  if (!names) return {.outside = true};
  Lookup result;
  result.folder = true;  // the root
  Text asked;            // the program's path up to the current name
  for (std::size_t n = 0; n < names->size(); ++n) {
    const Text& name = (*names)[n];
    const Text folderAsked = asked;
    asked += asked.empty() ? "" : "\\";
    asked += name;
    if (!result.folder) return {.missingFolder = folderAsked};

    const auto& entries = Entries(result.path);
    if (!entries) return {.unreadableFolder = folderAsked};
    const DiscEntry* match = nullptr;
    for (const DiscEntry& entry : *entries) {
      if (entry.name == name) {
        match = &entry;
        break;
      }
      if (!match && SameNameIgnoringCase(entry.name, name)) match = &entry;
    }
    // A name on the way to the file is a missing folder.
    if (!match) return {.missingFolder = n + 1 == names->size() ? Text() : asked};
    if (findings && match->name != name && caseReported_.insert(LowerCaseFrom(asked, 0)).second)
      findings->push_back({Rule::LetterCase, asked,
                           "is named \"" + match->name +
                               "\" on the disc: Windows finds it there, but not in a copy of the "
                               "folder on a system that tells letter case apart"});
    result.path = ChildPath(result.path, match->name);
    result.folder = match->folder;
    if (findings) used_.insert(result.path);
  }
  result.found = true;
  if (findings && !asker.empty()) askers_.emplace(result.path, asker);
  return result;
}

}  // namespace demodisc
