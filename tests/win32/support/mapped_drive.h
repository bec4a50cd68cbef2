// A drive letter mapped onto a folder for the life of the object, so that a
// test can put a disc at a drive root. Under Wine it goes through the mount
// manager the way winecfg maps drives (DefineDosDevice maps nothing there);
// on Windows through DefineDosDevice, as subst does.
#pragma once

#include "base/text.h"

namespace demodisc::testing {

class MappedDrive {
 public:
  // Maps the first free letter from D: on, as a CD-ROM drive under Wine.
  explicit MappedDrive(const Text& folder);
  ~MappedDrive();
  MappedDrive(const MappedDrive&) = delete;
  MappedDrive& operator=(const MappedDrive&) = delete;

  // "R:" when mapped; empty when no letter could be mapped (error() says why).
  const Text& drive() const { return drive_; }
  const Text& error() const { return error_; }

 private:
  Text drive_;
  Text error_;
  wchar_t letter_ = 0;  // the letter mapped, to be unmapped at the end
  bool wine_ = false;
};

}  // namespace demodisc::testing
