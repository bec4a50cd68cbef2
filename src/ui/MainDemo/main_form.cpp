#include "ui/MainDemo/main_form.h"

#include <array>

#include "base/errors.h"
#include "base/files_win.h"
#include "base/startup_marks_win.h"
#include "launcher/disc_description_file.h"
#include "ui/MainDemo/main_form_controls.h"
#include "ui/MainDemo/publication_grid.h"
#include "ui/NewVideo/new_video_form.h"
#include "ui/PicUnit/view_pic_form.h"
#include "ui/look/fonts.h"
#include "ui/message_dialogs_win.h"
#include "ui/screen_scale_win.h"

namespace demodisc {

namespace {
constexpr wchar_t kClassName[] = L"TMainForm";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
}  // namespace

MainForm::MainForm() = default;
MainForm::~MainForm() = default;

void MainForm::CreateWindowed(HWND applicationWindow, UiScale scale) {
  FormCreate();
  CreateScaledForm({kClassName},
                   {.parent = applicationWindow,
                    .bounds = {0, 0, kClientWidth, kClientHeight},
                    .text = description_.title,
                    .font = ScaledFont(SansSerif(11), scale),
                    .style = kStyle,
                    .exStyle = kExStyle},
                   scale);
  StartupMark("main window: frame created");
  EnsureControls();
  if (!descriptionFaults_.empty()) ShowErrorMessage(descriptionFaults_);
}

void MainForm::CreateControls() {
  ui_ = std::make_unique<Controls>();
  BuildLayout();
}

int MainForm::CurrentPage() const { return ui_ ? ui_->PgCtrl_disk.Current() : -1; }

struct MainForm::KeptState {
  int page = kPresent;
  // By catalogue page: the memo, whose text the user may have changed or
  // scrolled, and the group's keyboard item, which the user may have moved.
  std::vector<Memo::Content> memos;
  std::vector<int> groupFocus;
  Memo::Content entry;  // Mm_artikel
  StringGrid::Content publications;
};

void MainForm::KeepControlState() {
  kept_ = std::make_unique<KeptState>();
  kept_->page = CurrentPage();
  for (const auto& page : ui_->catalogue) {
    kept_->memos.push_back(page ? page->memo.GetContent() : Memo::Content{});
    kept_->groupFocus.push_back(page ? page->group.FocusIndex() : -1);
  }
  kept_->entry = ui_->Mm_artikel.GetContent();
  kept_->publications = ui_->StrGrd_Bibl.GetContent();
}

std::shared_ptr<void> MainForm::ReleaseControls() { return std::move(ui_); }

void MainForm::RestoreControlState() {
  if (!kept_) return;
  const std::unique_ptr<KeptState> kept = std::move(kept_);
  ui_->PgCtrl_disk.SetCurrent(kept->page);
  for (std::size_t i = 0; i < ui_->catalogue.size() && i < kept->memos.size(); ++i) {
    if (!ui_->catalogue[i]) continue;
    ui_->catalogue[i]->memo.SetContent(kept->memos[i]);
    ui_->catalogue[i]->group.SetFocusIndex(kept->groupFocus[i]);
  }
  ui_->Mm_artikel.SetContent(kept->entry);
  // The column widths are the new scale's; the rows are those loaded.
  if (activated_) PreparePublicationGrid(ui_->StrGrd_Bibl);
  ui_->StrGrd_Bibl.SetContent(kept->publications);
}

void MainForm::FormCreate() {
  folders_ = MakeDiscFolders(CurrentDirectory());
  ReadDescription();
}

void MainForm::ReadDescription() {
  description_ = BuiltInDescription();
  descriptionFaults_.clear();
  std::string bytes;
  Text readError;
  bool present = true;
  try {
    std::unique_ptr<ByteSource> file = OpenFileForReading(folders_.RootDir + kDescriptionFileName);
    ReadUpTo(*file, kMaxDescriptionBytes + 1, bytes);
  } catch (const InOutError& e) {
    // No file, or no such folder: the built-in catalogue.
    present =
        !bytes.empty() || (e.code() != ERROR_FILE_NOT_FOUND && e.code() != ERROR_PATH_NOT_FOUND);
    if (present) readError = e.text();
  }
  if (present) {
    DescriptionReading reading = ReadDiscDescription(bytes);
    if (!readError.empty()) reading.faults.insert(reading.faults.begin(), {0, readError});
    reading.faultCount += readError.empty() ? 0 : 1;
    description_ = std::move(reading.description);
    if (reading.faultCount > 0) descriptionFaults_ = DescriptionFaultMessage(reading);
  }
  // The publications' documents lie beside their list.
  for (const DescribedPage& page : description_.pages) {
    if (!page.IsPublications()) continue;
    const std::size_t name = page.publications.rfind('\\') + 1;  // 0 without a folder
    folders_.PublicationDir = folders_.RootDir + page.publications.substr(0, name);
    publicationList_ = page.publications.substr(name);
  }
}

void MainForm::FormActivate() {
  if (activated_) return;
  activated_ = true;
  // An error in the publications leaves the window on the layout's page.
  if (ui_->Artikel) {
    PreparePublications();
    StartupMark("publication list loaded");
  }
  ui_->PgCtrl_disk.SetCurrent(kPresent);
}

const SecondaryForms& MainForm::Secondary() {
  if (secondary_.make) std::exchange(secondary_.make, nullptr)();
  return secondary_;
}

void MainForm::abcPicSpeedBtn1Click() {
  if (NewVideoForm* video = Secondary().video) video->ShowModal();
}

void MainForm::abcPicSpeedBtn2Click() {
  if (ViewPicForm* photo = Secondary().photo) photo->ShowModal();
}

}  // namespace demodisc
