#include "photos/photo_cycle.h"

#include "launcher/disc_folders.h"

namespace demodisc {

void PhotoCycle::FormActivate() {
  // The disc's photo folder, below the current directory.
  list_.ChangeListDir(Text(DiscFolderName(DiscFolder::PicRec)) + "\\");
  inFolder_ = true;
  picIndex_ = 0;
  timer_.SetTimerEnabled(true);
}

void PhotoCycle::Timer1Timer() {
  const std::int32_t count = list_.Count();
  if (picIndex_ < 0 || picIndex_ >= count) return;
  if (!list_.FileExists(list_.Entry(picIndex_))) return;
  picIndex_ = picIndex_ < count - 1 ? picIndex_ + 1 : 0;
}

void PhotoCycle::FormClose() {
  timer_.SetTimerEnabled(false);
  if (!inFolder_) return;
  inFolder_ = false;
  list_.ChangeListDir("..");
}

}  // namespace demodisc
