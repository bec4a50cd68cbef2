#include "base/errors.h"

namespace demodisc {

Text InOutErrorText(unsigned long code) {
  switch (code) {
    case 2:
      return "File not found";
    case 3:
      return "Invalid filename";
    case 4:
      return "Too many open files";
    case 5:
      return "File access denied";
    case 100:
      return "Read beyond end of file";
    case 101:
      return "Disk full";
    case 106:
      return "Invalid numeric input";
    default:
      return "I/O error " + std::to_string(code);
  }
}

InOutError::InOutError(unsigned long code) : AppError(InOutErrorText(code)), code_(code) {}

Text WithFullStop(Text text) {
  // Every byte of a UTF-8 character beyond ASCII sorts after "." too.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text.push_back('.');
  return text;
}

}  // namespace demodisc
