// FileListBox1 of the photo window: the "*.jpg" files of ListDir, which is
// always the process's current directory. It is never shown, so it keeps its
// entries without a window of its own.
#pragma once

#include <vector>

#include "photos/photo_cycle.h"

namespace demodisc {

class FileListBox final : public PhotoFileList {
 public:
  // Takes the current directory as ListDir and reads its entries.
  void ReadCurrentDirectory();

  const Text& ListDir() const { return listDir_; }

  void ChangeListDir(const Text& relative) override;
  std::int32_t Count() const override { return static_cast<std::int32_t>(entries_.size()); }
  const Text& Entry(std::int32_t index) const override { return entries_.at(index); }
  bool FileExists(const Text& name) const override;

 private:
  void ReadEntries();

  Text listDir_;
  std::vector<Text> entries_;
};

}  // namespace demodisc
