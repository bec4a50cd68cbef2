#include "ui/PicUnit/view_pic_form.h"

namespace demodisc {

namespace {
constexpr wchar_t kClassName[] = L"TViewPicForm";
}

void ViewPicForm::CreateWindowed(HWND mainWindow) {
  RegisterClass(kClassName, 0, CreateSolidBrush(RGB(0, 0, 128)));
  CreateForm(kClassName, "Просмотр рекламных фото"_t, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
             WS_EX_DLGMODALFRAME, 341, 279, mainWindow);
}

}  // namespace demodisc
