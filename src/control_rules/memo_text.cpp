#include "control_rules/memo_text.h"

namespace demodisc {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Where a piece of an overlong line ends: after its last blank, or at the
// piece length moved back to the start of a character.
std::size_t PieceEnd(std::string_view line) {
  const std::size_t blank = line.rfind(' ', kLinePiece - 1);
  if (blank != std::string_view::npos && blank != 0) return blank + 1;
  std::size_t cut = kLinePiece;
  while (cut > 1 && IsContinuationByte(line[cut])) --cut;
  return cut;
}

// Appends one line up to its first zero byte, in pieces when it is overlong.
void AppendLine(std::string_view line, Text& out) {
  line = line.substr(0, line.find('\0'));
  if (line.size() <= kOverlongLine) {
    out += line;
    return;
  }
  while (line.size() > kLinePiece) {
    const std::size_t cut = PieceEnd(line);
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
