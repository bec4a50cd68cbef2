// The publications page: the grid filled from the disc's list, the entry of
// the selected row, and the two reader buttons.
#include "ui/MainDemo/main_form.h"
#include "ui/MainDemo/publication_grid.h"
#include "ui/MainDemo/read_publication.h"

namespace demodisc {

void MainForm::PreparePublications() {
  PreparePublicationGrid(StrGrd_Bibl);
  LoadPublicationList(folders_.PublicationDir, reader_, StrGrd_Bibl, publications_);
}

void MainForm::FreePublications() { publications_.FreeAll(); }

void MainForm::StrGrd_BiblDrawCell(const GridCellPaint& paint) {
  DrawPublicationCell(StrGrd_Bibl, publications_, paint);
}

bool MainForm::StrGrd_BiblSelectCell(int, int row) {
  ShowPublicationEntry(StrGrd_Bibl, row, Mm_artikel);
  return true;
}

void MainForm::BBtn_ReadDocClick() {
  ReadPublication(folders_, ReaderExePath, publications_.At(StrGrd_Bibl.Row()));
}

void MainForm::BBtn_InstallAcrobatClick() { InstallAcrobatReader(folders_); }

}  // namespace demodisc
