// The video window: plays the disc's clip in its client area.
#pragma once

#include "ui/form.h"

namespace demodisc {

class NewVideoForm : public Form {
 public:
  void CreateWindowed(HWND mainWindow);

  const Text& RootDir() const { return rootDir_; }

 protected:
  void FormCreate();

 private:
  Text rootDir_;
};

}  // namespace demodisc
