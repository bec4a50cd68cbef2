#include "ui/frmBlend/form_blenge.h"

namespace demodisc {

namespace {
constexpr wchar_t kClassName[] = L"TFormBlenge";
}

void FormBlenge::CreateWindowed(HWND mainWindow) {
  RegisterClass(kClassName);
  CreateForm(kClassName, "Предупреждение !"_t,
             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 273, 352,
             mainWindow);
}

}  // namespace demodisc
