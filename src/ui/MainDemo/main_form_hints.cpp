// The descriptions: the hot button of a page's group shows its file in the
// page's memo.
#include "base/files_win.h"
#include "launcher/hint_texts.h"
#include "ui/MainDemo/main_form.h"
#include "ui/MainDemo/main_form_controls.h"

namespace demodisc {

Memo* MainForm::HintMemo(int page) {
  if (page < 0 || page >= static_cast<int>(ui_->catalogue.size())) return nullptr;
  CatalogueControls* controls = ui_->catalogue[static_cast<std::size_t>(page)].get();
  return controls ? &controls->memo : nullptr;
}

void MainForm::ShowHintText(int page, int index) {
  Memo* memo = HintMemo(page);
  if (!memo || index < 0) return;
  const auto& items = description_.pages[static_cast<std::size_t>(page)].items;
  if (index >= static_cast<int>(items.size())) return;
  const Text& description = items[static_cast<std::size_t>(index)].description;
  memo->Clear();
  if (description.empty()) return;
  // The whole text is built first and set in one go: a long description
  // appears at once instead of line by line.
  Text text;
  reader_.SetUtf8(description_.texts == TextsEncoding::Utf8);
  try {
    ReadHintText(reader_, OpenFileForReading(folders_.RootDir + description), text);
  } catch (...) {
    memo->SetText(text);  // what was read before the error stays
    throw;
  }
  memo->SetText(text);
  memo->ScrollToTop();
}

// A page with a built-in layout keeps that page's handler wherever it stands.
int MainForm::PageOfLayout(int layout) const {
  for (std::size_t i = 0; i < description_.pages.size(); ++i)
    if (description_.pages[i].layout == layout) return static_cast<int>(i);
  return -1;
}

void MainForm::CatalogueHotButton(int page, int index) { ShowHintText(page, index); }
void MainForm::BGrp_presentHotButton(int index) { ShowHintText(PageOfLayout(0), index); }
void MainForm::ButGrp_demoHotButton(int index) { ShowHintText(PageOfLayout(1), index); }
void MainForm::ButGrp_VideoHotButton(int index) { ShowHintText(PageOfLayout(2), index); }
void MainForm::But_Grp_userHotButton(int index) { ShowHintText(PageOfLayout(3), index); }

}  // namespace demodisc
