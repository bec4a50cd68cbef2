// The line reader on arbitrary bytes, handed out in arbitrary chunks: it must
// neither crash nor lose or invent a byte. Every byte before the first 0x1A
// other than CR and LF comes out decoded, in order, in the lines.
// The reader's buffer is of 64 bytes here, and the source hands out 1 to 17
// bytes at a time or as many as asked, so that inputs of a few KB cross the
// edges of both many times, as 64 KB inputs would with the program's buffer.
// fuzz-max-len: 4096
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "base/cp1251.h"
#include "base/text_reader.h"

namespace {

class ChunkedSource final : public demodisc::ByteSource {
 public:
  ChunkedSource(const uint8_t* data, size_t size, size_t chunk)
      : data_(data), size_(size), chunk_(chunk) {}
  size_t Read(char* buffer, size_t size) override {
    size_t n = size < chunk_ ? size : chunk_;
    if (n > size_ - pos_) n = size_ - pos_;
    std::memcpy(buffer, data_ + pos_, n);
    pos_ += n;
    return n;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t chunk_;
  size_t pos_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t pick = data[0] % 18;
  const size_t chunk = pick < 17 ? pick + 1 : SIZE_MAX;
  ++data, --size;
  // One reader for every run, as the program keeps one: each opening starts afresh.
  static demodisc::TextReader reader(64);
  reader.Open(std::make_unique<ChunkedSource>(data, size, chunk));
  std::string joined;
  size_t lines = 0;
  while (!reader.Eof()) {
    joined += reader.ReadLine();
    if (++lines > size + 1) std::abort();  // more lines than bytes: a loop
  }
  std::string expected;
  for (size_t i = 0; i < size && data[i] != 0x1A; ++i)
    if (data[i] != '\r' && data[i] != '\n')
      demodisc::AppendCp1251(std::string_view(reinterpret_cast<const char*>(data + i), 1),
                             expected);
  if (joined != expected) std::abort();
  reader.Close();
  return 0;
}
