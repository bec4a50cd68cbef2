// What a file the program starts or hands over must hold to work: a
// program begins with "MZ", a document with "%PDF-", a batch file holds a
// command. Each rule looks only at the file's first bytes.
#pragma once

#include <vector>

#include "disc_check/disc_report.h"
#include "disc_check/disc_tree.h"

namespace demodisc {

enum class ContentKind { Program, BatchFile, Document, Other };

// The kind of content a file the program names is, by its name's ending.
ContentKind ContentKindOf(std::string_view name);

// Adds the finding for a found file (`treePath`, named `path`) that cannot
// work as its kind: an error for a program, a warning for the rest;
// `consequence` says what the visitor meets.
void CheckContent(const DiscTree& tree, const Text& treePath, const Text& path,
                  std::string_view consequence, std::vector<Finding>& findings);

}  // namespace demodisc
