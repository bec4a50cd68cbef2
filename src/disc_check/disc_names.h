// Finds the names the program asks for as Windows finds them on a disc:
// letter case ignored. A name found under other letter case is reported
// once, as a warning; every name found counts as used by the program.
#pragma once

#include <map>
#include <set>
#include <string_view>

#include "disc_check/disc_report.h"
#include "disc_check/disc_tree.h"

namespace demodisc {

struct Lookup {
  bool found = false;
  bool folder = false;
  Text path;              // when found: the tree path with the names as they are on the disc
  Text missingFolder;     // when a folder on the way is missing: its path as the program names it
  Text unreadableFolder;  // when a folder on the way cannot be listed: its path
  bool outside = false;   // ".." leads above the disc's root
};

class DiscNames {
 public:
  explicit DiscNames(const DiscTree& tree) : tree_(tree) {}

  const DiscTree& tree() const { return tree_; }

  // A path as the program names it, its names separated by "\" (or "/"),
  // relative to the disc's root, resolved as Windows resolves it: "." and
  // ".." taken away, each name without its trailing dots and blanks.
  // Warnings for names whose case differs go to `findings`; what is found
  // counts as used, and, with `asker`, as opened by that report line (its
  // key) when no line opened it before.
  Lookup Find(std::string_view programPath, std::vector<Finding>& findings, const Text& asker = {});
  // The same without warnings, and without counting as used.
  Lookup Peek(std::string_view programPath);

  // A folder's entries as listed once; nothing when it is no folder.
  const std::optional<std::vector<DiscEntry>>& Entries(const Text& folder);

  bool IsUsed(const Text& treePath) const { return used_.count(treePath) > 0; }

  // The first report line that opened a file (its key); empty for none.
  Text AskerOf(const Text& treePath) const {
    const auto it = askers_.find(treePath);
    return it == askers_.end() ? Text() : it->second;
  }
  // Every path found for a line, with that line's key.
  const std::map<Text, Text>& Askers() const { return askers_; }

  // A file that only a line the program does not read names: its first such line.
  void NoteUnreadLine(const Text& treePath, int line) { unreadLines_.emplace(treePath, line); }
  int UnreadLine(const Text& treePath) const {
    const auto it = unreadLines_.find(treePath);
    return it == unreadLines_.end() ? 0 : it->second;
  }

 private:
  Lookup Resolve(std::string_view programPath, std::vector<Finding>* findings, const Text& asker);

  const DiscTree& tree_;
  std::map<Text, std::optional<std::vector<DiscEntry>>> listings_;
  std::set<Text> caseReported_;  // program paths, lower case
  std::set<Text> used_;
  std::map<Text, Text> askers_;
  std::map<Text, int> unreadLines_;
};

// Why a path that had to be a file is not: "is missing", "is missing (no
// folder Hints)", "is a folder".
Text NotAFileText(const Lookup& lookup);
// The same as a finding's rule; a note for what only a window no control opens needs.
Rule NotAFileRule(const Lookup& lookup, bool note = false);

// What a path that is not there misses: the folder on its way that is
// missing or cannot be listed, else the path itself.
Text MissingCause(const Lookup& lookup, const Text& path);

// Names are the same to Windows when they are equal with case ignored.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace demodisc
