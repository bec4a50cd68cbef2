// The descriptions: the hot button of a page's group shows its file from the
// Hints folder in the page's memo.
#include "base/files_win.h"
#include "launcher/hint_texts.h"
#include "ui/MainDemo/main_form.h"
#include "ui/MainDemo/main_form_controls.h"

namespace demodisc {

Memo* MainForm::HintMemo(int page) {
  switch (page) {
    case hpDemo:
      return &ui_->Mm_Demo;
    case hpPresent:
      return &ui_->Mm_Hint;
    case hpUser:
      return &ui_->Mm_use;
    case hpVideo:
      return &ui_->Mm_Video;
    default:
      return nullptr;
  }
}

void MainForm::ShowHintText(int page, int index) {
  Memo* memo = HintMemo(page);
  const std::optional<Text> path = HintFilePath(folders_.HintsDir, page, index);
  if (!memo || !path) return;
  memo->Clear();
  // The whole text is built first and set in one go: a long description
  // appears at once instead of line by line.
  Text text;
  try {
    ReadHintText(reader_, OpenFileForReading(*path), text);
  } catch (...) {
    memo->SetText(text);  // what was read before the error stays
    throw;
  }
  memo->SetText(text);
  memo->ScrollToTop();
}

void MainForm::BGrp_presentHotButton(int index) { ShowHintText(hpPresent, index); }
void MainForm::ButGrp_demoHotButton(int index) { ShowHintText(hpDemo, index); }
void MainForm::ButGrp_VideoHotButton(int index) { ShowHintText(hpVideo, index); }
void MainForm::But_Grp_userHotButton(int index) { ShowHintText(hpUser, index); }

}  // namespace demodisc
