// What the rules give: one flat list, in order, of the report's pages and
// lines as the program shows them, and of findings, each naming the line it
// belongs to. One step groups the list into the report.
#pragma once

#include <vector>

#include "disc_check/disc_report.h"

namespace demodisc {

class DiagnosticList {
 public:
  // A page of the report; the lines declared after it are its lines.
  void Page(Text title, Text key);
  // A line of the current page: an item, a row, a file the program needs.
  void Line(Text subject, Text key);
  // The same with its findings.
  void Line(Text subject, Text key, std::vector<Finding> findings);
  // A finding of the line with that key, declared before or after it; a
  // key no line has puts the finding on a line of its own at the end.
  void Add(const Text& lineKey, Finding finding);
  // A finding on a line of its own, named by the finding's path, where its
  // first finding comes; findings with the same `ownLine` share the line
  // (an entry's several faults).
  void AddOwn(const Text& ownLine, Finding finding);

  // The report of the disc named `disc`: its pages and lines in the order
  // declared, each finding on its line in the order given.
  DiscReport Group(const Text& disc) const;

 private:
  enum class Kind { Page, Line, Finding, OwnFinding };
  struct Event {
    Kind kind;
    Text text;  // a page's title, a line's subject
    Text key;   // a page's or line's key; a finding's line, or its own line
    Finding finding{};
  };
  std::vector<Event> events_;
};

}  // namespace demodisc
