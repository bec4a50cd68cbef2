// The photo window: while shown it stands in the disc's photo folder and
// steps through the folder's "*.jpg" files, showing nothing but its face.
#pragma once

#include "control_rules/ui_scale.h"
#include "photos/file_list_box_win.h"
#include "photos/photo_cycle.h"
#include "ui/controls/label.h"
#include "ui/form.h"

namespace demodisc {

class ViewPicForm : public Form, private PhotoTimer {
 public:
  void CreateWindowed(HWND mainWindow);

  const FileListBox& FileListBox1() const { return fileListBox1_; }
  std::int32_t PicIndex() const { return cycle_.PicIndex(); }

 protected:
  void FormActivate() override { cycle_.FormActivate(); }
  void FormClose() override { cycle_.FormClose(); }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void CreateControls() override;

 private:
  void SetTimerEnabled(bool enabled) override;

  FileListBox fileListBox1_;
  PhotoCycle cycle_{fileListBox1_, *this};
  Label labInfo_;
};

}  // namespace demodisc
