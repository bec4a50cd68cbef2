// The notice window: the chosen item is not available on this disc.
#pragma once

#include "ui/form.h"

namespace demodisc {

class FormBlenge : public Form {
 public:
  void CreateWindowed(HWND mainWindow);
};

}  // namespace demodisc
