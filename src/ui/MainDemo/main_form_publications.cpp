// The publications page: the grid filled from the disc's list, the entry of
// the selected row, and the two reader buttons.
#include "ui/MainDemo/main_form.h"
#include "ui/MainDemo/main_form_controls.h"
#include "ui/MainDemo/publication_grid.h"
#include "ui/MainDemo/read_publication.h"

namespace demodisc {

void MainForm::PreparePublications() {
  PreparePublicationGrid(ui_->StrGrd_Bibl);
  reader_.SetUtf8(false);
  LoadPublicationList(folders_.PublicationDir, reader_, ui_->StrGrd_Bibl, publications_,
                      publicationList_);
}

void MainForm::FreePublications() { publications_.FreeAll(); }

void MainForm::StrGrd_BiblDrawCell(const GridCellPaint& paint) {
  DrawPublicationCell(ui_->StrGrd_Bibl, publications_, paint);
}

bool MainForm::StrGrd_BiblSelectCell(int, int row) {
  ShowPublicationEntry(ui_->StrGrd_Bibl, row, ui_->Mm_artikel);
  return true;
}

void MainForm::BBtn_ReadDocClick() {
  ReadPublication(folders_, ReaderExePath, publications_.At(ui_->StrGrd_Bibl.Row()),
                  description_.readerInstaller);
}

void MainForm::BBtn_InstallAcrobatClick() {
  InstallAcrobatReader(folders_, description_.readerInstaller);
}

}  // namespace demodisc
