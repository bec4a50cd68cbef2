#include "disc_check/text_file_rules.h"

#include <algorithm>
#include <cstring>

#include "base/cp1251.h"
#include "base/errors.h"

namespace demodisc {

namespace {

constexpr char kEndOfFile = 0x1A;
constexpr char kUnusedByte = static_cast<char>(0x98);

// The Windows error codes of a missing file, a missing folder, and a
// folder opened as a file.
constexpr unsigned long kFileNotFound = 2;
constexpr unsigned long kPathNotFound = 3;
constexpr unsigned long kAccessDenied = 5;
constexpr std::size_t kPreviewChars = 24;

// The start of the bytes as the program shows them, decoded as cp1251.
Text Cp1251Preview(std::string_view bytes) {
  Text shown;
  AppendCp1251(bytes.substr(0, bytes.find_first_of("\r\n")), shown);
  const std::string_view cut = FirstChars(shown, kPreviewChars);
  return Text(cut) + (cut.size() < shown.size() ? "..." : "");
}

}  // namespace

Text OpenFailureMessage(const Lookup& lookup) {
  const unsigned long code = lookup.found || !lookup.unreadableFolder.empty()  ? kAccessDenied
                             : lookup.outside || !lookup.missingFolder.empty() ? kPathNotFound
                                                                               : kFileNotFound;
  return WithFullStop(InOutErrorText(code));
}

bool LooksLikeUtf8(std::string_view bytes) {
  bool beyondAscii = false;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t at = i;
    const char32_t c = NextChar(bytes, i);
    if (c == kReplacementChar && i == at + 1) return false;  // no well-formed sequence
    beyondAscii = beyondAscii || c >= 0x80;
  }
  return beyondAscii;
}

void CheckCp1251Bytes(std::string_view bytes, const Text& path, std::vector<Finding>& findings,
                      bool utf8) {
  const std::size_t end = bytes.find(kEndOfFile);
  const std::string_view read = bytes.substr(0, end);
  if (read.find('\0') != std::string_view::npos)
    findings.push_back({Rule::ZeroBytes, path,
                        "holds zero bytes (is it UTF-16?): each line shows only up to its first "
                        "zero byte"});
  else if (!utf8 && LooksLikeUtf8(read))
    findings.push_back(
        {Rule::Utf8, path,
         "looks like UTF-8, not cp1251: the program shows \"" + Cp1251Preview(read) + "\""});
  else if (!utf8 && read.find(kUnusedByte) != std::string_view::npos)
    findings.push_back({Rule::UnusedByte, path,
                        "is not cp1251 text: it holds the byte 0x98, which cp1251 leaves unused"});
  const std::size_t cr = read.find('\r');
  for (std::size_t at = cr; at != std::string_view::npos; at = read.find('\r', at + 1))
    if (at + 1 < read.size() && read[at + 1] != '\n') {
      findings.push_back({Rule::BareCr, path,
                          "ends lines with a carriage return alone (at offset " +
                              std::to_string(at) +
                              "): the program drops it and runs those lines together"});
      break;
    }
  if (end != std::string_view::npos && end + 1 < bytes.size())
    findings.push_back({Rule::EarlyEnd, path,
                        "has a byte 0x1A at offset " + std::to_string(end) +
                            ": the text ends there, " + std::to_string(bytes.size() - end - 1) +
                            " bytes after it are not shown"});
}

std::size_t BytesSource::Read(char* buffer, std::size_t size) {
  const std::size_t n = std::min(size, bytes_.size() - pos_);
  std::memcpy(buffer, bytes_.data() + pos_, n);
  pos_ += n;
  return n;
}

std::vector<Text> ReadDiscLines(std::string bytes) {
  TextReader reader;
  reader.Open(std::make_unique<BytesSource>(std::move(bytes)));
  std::vector<Text> lines;
  while (!reader.Eof()) lines.push_back(reader.ReadLine());
  return lines;
}

}  // namespace demodisc
