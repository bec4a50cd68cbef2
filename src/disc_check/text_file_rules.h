// The disc's own text files, descriptions and the publication list, are
// cp1251 by their format. These rules find what the program's reading
// would show otherwise than meant: a text in UTF-8, zero bytes (a UTF-16
// file), the one byte cp1251 leaves unused, a 0x1A byte that ends the text
// early. All of them are warnings: the program shows the file.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/text_reader.h"
#include "disc_check/disc_names.h"
#include "disc_check/disc_report.h"

namespace demodisc {

// What the program's error display shows for a text file it cannot open:
// one that is missing, one whose folder is missing, a folder.
Text OpenFailureMessage(const Lookup& lookup);

// Adds a warning, on `path`, for those faults of the file's bytes.
// With `utf8`, for a description of a disc whose texts are UTF-8, what only
// cp1251 would mind (UTF-8 itself, the byte 0x98) is no warning.
void CheckCp1251Bytes(std::string_view bytes, const Text& path, std::vector<Finding>& findings,
                      bool utf8 = false);

// True for bytes that are well-formed UTF-8 holding at least one character
// outside ASCII: no cp1251 Russian text is.
bool LooksLikeUtf8(std::string_view bytes);

// A byte source over bytes in memory, for the program's own reader.
class BytesSource final : public ByteSource {
 public:
  explicit BytesSource(std::string bytes) : bytes_(std::move(bytes)) {}
  std::size_t Read(char* buffer, std::size_t size) override;

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
};

// The file's lines as the program reads them (TextReader).
std::vector<Text> ReadDiscLines(std::string bytes);

}  // namespace demodisc
