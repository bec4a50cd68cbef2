// The photo window: cycles through the "*.jpg" files of the disc's photo folder.
#pragma once

#include "ui/form.h"

namespace demodisc {

class ViewPicForm : public Form {
 public:
  void CreateWindowed(HWND mainWindow);
};

}  // namespace demodisc
