#include "ui/MainDemo/main_form.h"

#include "base/files_win.h"
#include "base/startup_marks_win.h"
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

void MainForm::CreateWindowed(HWND applicationWindow) {
  CreateForm({kClassName}, {.parent = applicationWindow,
                            .bounds = Px(Bounds{0, 0, kClientWidth, kClientHeight}),
                            .text = "Демонстрационный диск \"Вортан-технологии\". 2008 г.",
                            .font = ScaledFont(SansSerif(11)),
                            .style = kStyle,
                            .exStyle = kExStyle});
  StartupMark("main window: frame created");
  BuildLayout();
  FormCreate();
}

void MainForm::FormCreate() { folders_ = MakeDiscFolders(CurrentDirectory()); }

void MainForm::FormActivate() {
  if (activated_) return;
  activated_ = true;
  // An error in the publications leaves the window on the layout's page.
  PreparePublications();
  StartupMark("publication list loaded");
  PgCtrl_disk.SetCurrent(kPresent);
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
