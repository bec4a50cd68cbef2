// The main window: the disc's catalogue on five pages, the control panel and
// the maker's contacts.
#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text_reader.h"
#include "launcher/catalogue.h"
#include "launcher/disc_description.h"
#include "launcher/disc_folders.h"
#include "publications/publication_list.h"
#include "ui/controls/button_group.h"
#include "ui/controls/label.h"
#include "ui/controls/memo.h"
#include "ui/controls/page_control.h"
#include "ui/controls/panel.h"
#include "ui/controls/panel_content.h"
#include "ui/controls/picture.h"
#include "ui/controls/picture_button.h"
#include "ui/controls/string_grid.h"
#include "ui/form.h"
#include "ui/look/image_list.h"

namespace demodisc {

class FormBlenge;
class NewVideoForm;
class ViewPicForm;

// The three secondary windows, created after the main window: at once, or,
// when `make` is given, by it at the first use of any of them, so that the
// program is ready for input without them.
struct SecondaryForms {
  ViewPicForm* photo = nullptr;
  NewVideoForm* video = nullptr;
  FormBlenge* notice = nullptr;
  std::function<void()> make;
};

class MainForm : public Form {
 public:
  static constexpr int kClientWidth = 656;
  static constexpr int kClientHeight = 545;

  // Pages of PgCtrl_disk, in tab order.
  enum PageIndex { kPresent = 0, kArtikel = 1, kDemo = 2, kVideo = 3, kGebitBenutzt = 4 };

  MainForm();
  ~MainForm() override;

  // Creates the window hidden with all its controls; computes the disc
  // folders from the current directory and reads the disc's description
  // file there, telling of its faults in one message.
  void CreateWindowed(HWND applicationWindow, UiScale scale);
  void SetSecondaryForms(SecondaryForms forms) { secondary_ = std::move(forms); }

  const DiscFolders& folders() const { return folders_; }
  // What the window shows: the disc's DemoDisc.ini, or the built-in catalogue.
  const DiscDescription& description() const { return description_; }

  int CurrentPage() const;

  // The catalogue's operations.
  void StartAllPresent(int index);
  void PlayVideo(const Text& fileName);
  void Go_Vortan4();
  void Act_v1_5Execute();
  // Act_v6_1, Act_HRV, Act_Vrtn_prof and Act_Cmpx_report: the notice window.
  void ShowNotice();

  // Reads the description of button `index` of the catalogue page at tab
  // `page` into the page's memo.
  void ShowHintText(int page, int index);

  // Shown by no control: the video and the photo windows, modally.
  void abcPicSpeedBtn1Click();
  void abcPicSpeedBtn2Click();

 protected:
  void FormCreate();
  // Reads DemoDisc.ini from the root, or keeps the built-in catalogue.
  void ReadDescription();
  void CreateControls() override;
  void KeepControlState() override;
  std::shared_ptr<void> ReleaseControls() override;
  void RestoreControlState() override;
  void FormActivate() override;
  bool FormCloseQuery() override;
  bool IsMainForm() const override { return true; }

 private:
  // Layout.
  void BuildLayout();
  void BuildPages();
  // A catalogue page with its buttons and memo; the publications page.
  struct CatalogueControls;
  void BuildCataloguePage(int index);
  std::vector<ButtonGroup::Item> CatalogueButtons(const DescribedPage& page);
  void BuildPublicationsPage(Panel& page);
  void BuildControlPanel();
  // The contact panel's boxes, each with its controls, from ContactBoxes.
  struct ContactBox;
  std::vector<ContactBox> ContactBoxes();
  void BuildContactPanel();

  // The secondary windows, made first if they are not yet.
  const SecondaryForms& Secondary();

  // Catalogue.
  void ExecuteItem(const DescribedItem& item);
  Memo* HintMemo(int page);
  // The hot handlers of the built-in pages' groups, and of a page by rule.
  void CatalogueHotButton(int page, int index);
  int PageOfLayout(int layout) const;
  void BGrp_presentHotButton(int index);
  void ButGrp_demoHotButton(int index);
  void ButGrp_VideoHotButton(int index);
  void But_Grp_userHotButton(int index);

  // Control panel and contacts.
  void BBtn_CloseClick();
  void BBtn_PrintContactClick();

  // Publications.
  void PreparePublications();
  void FreePublications();
  void StrGrd_BiblDrawCell(const GridCellPaint& paint);
  bool StrGrd_BiblSelectCell(int col, int row);
  void BBtn_ReadDocClick();
  void BBtn_InstallAcrobatClick();

  DiscFolders folders_;
  DiscDescription description_;
  Text descriptionFaults_;  // the message at start, or empty
  Text publicationList_;    // the list file's name in PublicationDir
  SecondaryForms secondary_;
  TextReader reader_;                // the window's one text-file reader
  Text ReaderExePath;                // set by every successful look-up of the PDF reader
  PublicationRecords publications_;  // the records hung on StrGrd_Bibl's rows
  bool activated_ = false;

  // The controls, made anew when the window is laid out at another scale.
  struct Controls;
  std::unique_ptr<Controls> ui_;
  // What the user sees in them while they are made again.
  struct KeptState;
  std::unique_ptr<KeptState> kept_;
};

}  // namespace demodisc
