// Closing the main window: "Закрыть", the close box, Alt+F4 and the system
// menu all make the one close request (WM_CLOSE), which ends the program.
#include "ui/MainDemo/main_form.h"

namespace demodisc {

void MainForm::BBtn_CloseClick() { Close(); }

bool MainForm::FormCloseQuery() {
  FreePublications();
  return true;
}

}  // namespace demodisc
