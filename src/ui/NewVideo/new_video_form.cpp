#include "ui/NewVideo/new_video_form.h"

#include "base/files_win.h"
#include "launcher/disc_folders.h"

namespace demodisc {

namespace {
constexpr wchar_t kClassName[] = L"TNewVideoForm";
}

void NewVideoForm::CreateWindowed(HWND mainWindow) {
  RegisterClass(kClassName);
  CreateForm(kClassName, "Видео-ролик"_t, WS_OVERLAPPEDWINDOW, 0, 348, 352, mainWindow);
  FormCreate();
}

void NewVideoForm::FormCreate() { rootDir_ = RootDirOf(CurrentDirectory()); }

}  // namespace demodisc
