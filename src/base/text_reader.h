// Line-by-line reading of a cp1251 text file over any byte source; lines come
// out decoded as UTF-8.
#pragma once

#include <cstddef>
#include <memory>

#include "base/text.h"

namespace demodisc {

// Where the reader's bytes come from. Read returns 0 at the end and raises
// InOutError on failure.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

// CR LF or LF ends a line; a CR that no LF follows is dropped; a 0x1A byte
// ends the file; lines may be of any length; no byte-order mark is recognised.
class TextReader {
 public:
  static constexpr std::size_t kBufferSize = 64 * 1024;
  // Reads the source `bufferSize` bytes at a time at most. The fuzz targets
  // take a few bytes, so that their short inputs cross the buffer's edges.
  explicit TextReader(std::size_t bufferSize = kBufferSize) : bufferSize_(bufferSize) {}

  void Open(std::unique_ptr<ByteSource> source);
  // UTF-8 files: their bytes are taken as they are, and a byte-order mark
  // that starts the file is dropped. cp1251 otherwise, from the next Open.
  void SetUtf8(bool utf8) { utf8_ = utf8; }
  void Close();
  bool IsOpen() const { return source_ != nullptr; }

  // True at the end of the source or in front of a 0x1A byte.
  bool Eof();
  // The next line without its end, decoded. At the end of the file: an empty line.
  Text ReadLine();

 private:
  // The next byte without taking it, or -1 at the end.
  int Peek();

  std::unique_ptr<ByteSource> source_;
  // Made at the first opening and kept for the next ones; never cleared, as
  // only what the source filled is read.
  std::unique_ptr<char[]> buffer_;
  std::size_t bufferSize_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool ended_ = false;  // a 0x1A was met, or the source ran dry
  bool utf8_ = false;
  bool atStart_ = false;  // nothing read since Open
};

// Reads the source to its end, or to `most` bytes, appending to `out`. An
// error goes on as the source raises it, with what came before it in `out`.
void ReadUpTo(ByteSource& source, std::size_t most, std::string& out);

}  // namespace demodisc
