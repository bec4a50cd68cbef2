#include "base/text_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "base/cp1251.h"
#include "base/errors.h"

namespace demodisc {

namespace {
constexpr char kEndOfFile = 0x1A;
}  // namespace

void TextReader::Open(std::unique_ptr<ByteSource> source) {
  source_ = std::move(source);
  if (!buffer_) buffer_ = std::make_unique_for_overwrite<char[]>(bufferSize_);
  pos_ = end_ = 0;
  ended_ = false;
  atStart_ = true;
}

void TextReader::Close() {
  source_.reset();
  pos_ = end_ = 0;
  ended_ = false;
}

int TextReader::Peek() {
  if (ended_ || !source_) return -1;
  if (pos_ == end_) {
    pos_ = 0;
    end_ = source_->Read(buffer_.get(), bufferSize_);
    if (end_ == 0) {
      ended_ = true;
      return -1;
    }
  }
  if (buffer_[pos_] == kEndOfFile) {
    ended_ = true;
    return -1;
  }
  return static_cast<unsigned char>(buffer_[pos_]);
}

bool TextReader::Eof() { return Peek() < 0; }

Text TextReader::ReadLine() {
  Text line;
  while (Peek() >= 0) {
    // Take the run of ordinary bytes up to the next CR, LF or 0x1A at once.
    const char* start = buffer_.get() + pos_;
    const char* stop = buffer_.get() + end_;
    const char* special =
        std::find_if(start, stop, [](char c) { return c == '\r' || c == '\n' || c == kEndOfFile; });
    const std::string_view run(start, static_cast<std::size_t>(special - start));
    if (utf8_)
      line += run;
    else
      AppendCp1251(run, line);
    pos_ += static_cast<std::size_t>(special - start);
    if (special == stop || *special == kEndOfFile) continue;
    ++pos_;
    if (*special == '\n') break;
    // CR: it ends the line when an LF follows, and is dropped otherwise.
    if (Peek() == '\n') {
      ++pos_;
      break;
    }
  }
  if (std::exchange(atStart_, false) && utf8_ && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
  return line;
}

void ReadUpTo(ByteSource& source, std::size_t most, std::string& out) {
  char buffer[16 * 1024];
  while (out.size() < most) {
    const std::size_t got = source.Read(buffer, std::min(sizeof buffer, most - out.size()));
    if (got == 0) return;
    out.append(buffer, got);
  }
}

}  // namespace demodisc
