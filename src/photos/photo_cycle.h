// The photo window's behaviour over its hidden file list: entering the photo
// folder, stepping an index through the folder's files, leaving the folder.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace demodisc {

// A list of the file names of one folder that is also the process's current
// directory.
class PhotoFileList {
 public:
  virtual ~PhotoFileList() = default;
  // Makes the folder named relative to the current directory current and
  // reads its entries anew; raises InOutError, changing nothing, when the
  // folder cannot be entered.
  virtual void ChangeListDir(const Text& relative) = 0;
  virtual std::int32_t Count() const = 0;
  virtual const Text& Entry(std::int32_t index) const = 0;
  // True when a file (not a folder) of that name is in the current directory.
  virtual bool FileExists(const Text& name) const = 0;
};

class PhotoTimer {
 public:
  virtual ~PhotoTimer() = default;
  virtual void SetTimerEnabled(bool enabled) = 0;
};

class PhotoCycle {
 public:
  PhotoCycle(PhotoFileList& list, PhotoTimer& timer) : list_(list), timer_(timer) {}

  // Each showing: enter the photo folder, start at entry 0, start the timer.
  // A folder that cannot be entered raises, and the rest does not run.
  void FormActivate();
  // Each tick: one step on while the current entry's file exists, back to 0
  // after the last. An empty list or a vanished file stops the index.
  void Timer1Timer();
  // Stops the timer and goes back up, only when the showing entered the folder.
  void FormClose();

  std::int32_t PicIndex() const { return picIndex_; }

 private:
  PhotoFileList& list_;
  PhotoTimer& timer_;
  std::int32_t picIndex_ = 0;
  bool inFolder_ = false;
};

}  // namespace demodisc
