#include "app/application_window_win.h"

#include "resource_ids.h"
#include "ui/error_display_win.h"
#include "ui/form.h"

namespace demodisc {

namespace {
constexpr wchar_t kClassName[] = L"TApplication";
// Posted by the activation, so that handing it on runs outside it.
constexpr UINT kActivateLastPopup = WM_APP + 0x102;
}  // namespace

void ApplicationWindow::CreateWindowed() {
  const auto icon =
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP),
                                    IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  // No size, in the middle of the screen: nothing of it shows but its
  // taskbar entry.
  Create({kClassName, 0, nullptr, icon},
         {.bounds = {GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0},
          .text = AppTitle(),
          .style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX});
}

void ApplicationWindow::ShowTaskbarEntry() { ShowWindow(hwnd(), SW_SHOWNOACTIVATE); }

void ApplicationWindow::ActivateLastPopup() {
  HWND target = GetLastActivePopup(hwnd());
  if (target == hwnd() && mainForm_) target = mainForm_->hwnd();
  if (target && target != hwnd() && IsWindowVisible(target) && IsWindowEnabled(target))
    SetActiveWindow(target);
}

LRESULT ApplicationWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE && !HIWORD(wp)) PostMessageW(hwnd(), kActivateLastPopup, 0, 0);
      return 0;
    case kActivateLastPopup:
      if (GetActiveWindow() == hwnd()) ActivateLastPopup();
      return 0;
    case WM_CLOSE:
      // Closing the taskbar entry is closing the main window.
      if (mainForm_) mainForm_->Close();
      return 0;
    default:
      return Window::HandleMessage(msg, wp, lp);
  }
}

}  // namespace demodisc
