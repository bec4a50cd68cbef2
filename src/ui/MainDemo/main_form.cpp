#include "ui/MainDemo/main_form.h"

#include <array>

#include "base/files_win.h"
#include "base/startup_marks_win.h"
#include "ui/MainDemo/main_form_controls.h"
#include "ui/MainDemo/publication_grid.h"
#include "ui/NewVideo/new_video_form.h"
#include "ui/PicUnit/view_pic_form.h"
#include "ui/controls/fonts.h"
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
  CreateScaledForm({kClassName},
                   {.parent = applicationWindow,
                    .bounds = {0, 0, kClientWidth, kClientHeight},
                    .text = "Демонстрационный диск \"Вортан-технологии\". 2008 г.",
                    .font = ScaledFont(SansSerif(11), scale),
                    .style = kStyle,
                    .exStyle = kExStyle},
                   scale);
  StartupMark("main window: frame created");
  EnsureControls();
  FormCreate();
}

void MainForm::CreateControls() {
  ui_ = std::make_unique<Controls>();
  BuildLayout();
}

int MainForm::CurrentPage() const { return ui_ ? ui_->PgCtrl_disk.Current() : -1; }

struct MainForm::KeptState {
  // The memos, whose text the user may have changed or scrolled.
  static constexpr std::array kMemos = {&Controls::Mm_Hint, &Controls::Mm_artikel,
                                        &Controls::Mm_Demo, &Controls::Mm_Video, &Controls::Mm_use};
  // The button groups, whose keyboard item the user may have moved.
  static constexpr std::array kGroups = {&Controls::BGrp_present, &Controls::ButGrp_demo,
                                         &Controls::ButGrp_Video, &Controls::But_Grp_user};
  int page = kPresent;
  std::array<Memo::Content, kMemos.size()> memos;
  std::array<int, kGroups.size()> groupFocus{};
  StringGrid::Content publications;
};

void MainForm::KeepControlState() {
  kept_ = std::make_unique<KeptState>();
  kept_->page = CurrentPage();
  for (std::size_t i = 0; i < KeptState::kMemos.size(); ++i)
    kept_->memos[i] = ((*ui_).*KeptState::kMemos[i]).GetContent();
  for (std::size_t i = 0; i < KeptState::kGroups.size(); ++i)
    kept_->groupFocus[i] = ((*ui_).*KeptState::kGroups[i]).FocusIndex();
  kept_->publications = ui_->StrGrd_Bibl.GetContent();
}

std::shared_ptr<void> MainForm::ReleaseControls() { return std::move(ui_); }

void MainForm::RestoreControlState() {
  if (!kept_) return;
  const std::unique_ptr<KeptState> kept = std::move(kept_);
  ui_->PgCtrl_disk.SetCurrent(kept->page);
  for (std::size_t i = 0; i < KeptState::kMemos.size(); ++i)
    ((*ui_).*KeptState::kMemos[i]).SetContent(kept->memos[i]);
  for (std::size_t i = 0; i < KeptState::kGroups.size(); ++i)
    ((*ui_).*KeptState::kGroups[i]).SetFocusIndex(kept->groupFocus[i]);
  // The column widths are the new scale's; the rows are those loaded.
  if (activated_) PreparePublicationGrid(ui_->StrGrd_Bibl);
  ui_->StrGrd_Bibl.SetContent(kept->publications);
}

void MainForm::FormCreate() { folders_ = MakeDiscFolders(CurrentDirectory()); }

void MainForm::FormActivate() {
  if (activated_) return;
  activated_ = true;
  // An error in the publications leaves the window on the layout's page.
  PreparePublications();
  StartupMark("publication list loaded");
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
