#include "disc_check/description_rules.h"

#include "launcher/disc_description_file.h"

namespace demodisc {

CheckedDescription CheckDescriptionFile(DiscNames& names, DiagnosticList& list) {
  const Lookup peek = names.Peek(kDescriptionFileName);
  if (!peek.found || peek.folder) return {BuiltInDescription(), false};
  ReportLine line{Text(kDescriptionFileName), {}, "description"};
  const Lookup lookup = names.Find(kDescriptionFileName, line.findings, line.key);
  const Text path(kDescriptionFileName);
  // Read as the program reads it: up to one byte past the largest it takes.
  const std::optional<std::string> bytes = names.tree().Head(lookup.path, kMaxDescriptionBytes + 1);
  if (!bytes)
    line.findings.push_back({Rule::Unreadable, path, "cannot be read",
                             "the program shows what it read of it and an error"});
  const DescriptionReading reading = ReadDiscDescription(bytes.value_or(std::string()));
  for (const DescriptionFault& fault : reading.faults)
    line.findings.push_back({Rule::DescriptionFault,
                             path,
                             fault.line > 0
                                 ? "line " + std::to_string(fault.line) + ", column " +
                                       std::to_string(fault.column) + ": " + fault.english
                                 : fault.english,
                             {}});
  if (reading.faultCount > static_cast<int>(reading.faults.size()))
    line.findings.push_back(
        {Rule::DescriptionFault, path,
         "and " + std::to_string(reading.faultCount - static_cast<int>(reading.faults.size())) +
             " faults more"});
  if (reading.faultCount > 0)
    line.findings.back().consequence =
        "the program shows an error when it starts, and leaves out each page and item with a "
        "fault";
  for (Finding& f : line.findings) list.Add(line.key, std::move(f));
  return {reading.description, true};
}

}  // namespace demodisc
