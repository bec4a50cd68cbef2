// Counts the memory DCs and bitmaps the program makes while a counter lives:
// the test program's import table entries of gdi32's CreateCompatibleDC,
// CreateCompatibleBitmap, CreateBitmap and CreateDIBSection lead through
// counting stand-ins meanwhile. What the system's own DLLs make is not counted.
#pragma once

#include <windows.h>

namespace demodisc::testing {

class GdiMakingCounter {
 public:
  // One counter at a time.
  GdiMakingCounter();
  ~GdiMakingCounter();
  GdiMakingCounter(const GdiMakingCounter&) = delete;
  GdiMakingCounter& operator=(const GdiMakingCounter&) = delete;

  // False when the import table lacks CreateCompatibleDC or
  // CreateCompatibleBitmap: they are not counted.
  bool hooked() const { return hooked_; }
  int dcs() const;
  int bitmaps() const;
  void Reset();

 private:
  bool hooked_ = false;
};

}  // namespace demodisc::testing
