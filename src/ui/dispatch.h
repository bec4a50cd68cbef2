// Every window procedure and callback runs its handler through Guarded: an
// error that escapes a handler goes to the default error display and the
// program goes on. No exception ever crosses a system frame.
#pragma once

#include <exception>

namespace demodisc {

// Shows the exception being handled in the default error display.
void ReportCurrentException() noexcept;

template <class Result, class F>
Result Guarded(F&& handler, Result fallback) noexcept {
  try {
    return handler();
  } catch (...) {
    ReportCurrentException();
    return fallback;
  }
}

template <class F>
void Guarded(F&& handler) noexcept {
  try {
    handler();
  } catch (...) {
    ReportCurrentException();
  }
}

}  // namespace demodisc
