#include "widgets/memo_text.h"

namespace demodisc {

namespace {
// Appends one line, in pieces when it is overlong.
void AppendLine(std::string_view line, Text& out) {
  if (line.size() <= kOverlongLine) {
    out += line;
    return;
  }
  while (line.size() > kLinePiece) {
    std::size_t cut = line.rfind(' ', kLinePiece - 1);
    cut = (cut == std::string_view::npos || cut == 0) ? kLinePiece : cut + 1;
    out += line.substr(0, cut);
    out += "\r\n";
    line.remove_prefix(cut);
  }
  out += line;
}
}  // namespace

Text MemoDisplayText(std::string_view text) {
  Text out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      AppendLine(text.substr(start), out);
      return out;
    }
    const bool crlf = end > start && text[end - 1] == '\r';
    AppendLine(text.substr(start, end - start - (crlf ? 1 : 0)), out);
    out += crlf ? "\r\n" : "\n";
    start = end + 1;
  }
}

}  // namespace demodisc
