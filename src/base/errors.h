// The program's errors: exceptions carrying the runtime's texts.
#pragma once

#include <exception>
#include <string>

#include "base/text.h"

namespace demodisc {

// Any error that reaches the default error display; its text is UTF-8.
class AppError : public std::exception {
 public:
  explicit AppError(Text text) : text_(std::move(text)) {}
  const Text& text() const noexcept { return text_; }
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  Text text_;
};

// An input/output error named by a Windows error code.
class InOutError : public AppError {
 public:
  explicit InOutError(unsigned long code);
  unsigned long code() const noexcept { return code_; }

 private:
  unsigned long code_;
};

// The runtime's text for an input/output error code.
Text InOutErrorText(unsigned long code);

// The text as the default error display shows it: a full stop is added when
// the last character sorts after ".".
Text WithFullStop(Text text);

}  // namespace demodisc
