// A byte source over a string for the reader's tests, optionally handing out
// a few bytes per read and failing after a given number of bytes.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "base/errors.h"
#include "base/text_reader.h"

namespace demodisc::testing {

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string bytes, std::size_t chunk = 1 << 20,
                        std::size_t failAfter = std::string::npos, unsigned long failCode = 23)
      : bytes_(std::move(bytes)), chunk_(chunk), failAfter_(failAfter), failCode_(failCode) {}

  std::size_t Read(char* buffer, std::size_t size) override {
    if (pos_ >= failAfter_) throw InOutError(failCode_);
    std::size_t n = std::min({size, chunk_, bytes_.size() - pos_});
    if (failAfter_ != std::string::npos) n = std::min(n, failAfter_ - pos_);
    std::memcpy(buffer, bytes_.data() + pos_, n);
    pos_ += n;
    return n;
  }

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
  std::size_t chunk_;
  std::size_t failAfter_;
  unsigned long failCode_;
};

}  // namespace demodisc::testing
