// The publications page's handlers: the grid, its entry and the reader
// buttons are filled in by the publications subsystem.
#include "ui/MainDemo/main_form.h"

namespace demodisc {

void MainForm::PreparePublications() {}

void MainForm::FreePublications() {}

void MainForm::BBtn_ReadDocClick() {}

void MainForm::BBtn_InstallAcrobatClick() {}

}  // namespace demodisc
