#include "ui/PicUnit/view_pic_form.h"

#include "ui/screen_scale_win.h"

namespace demodisc {

namespace {

constexpr wchar_t kClassName[] = L"TViewPicForm";
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 2000;

// Layout at 96 dpi.
constexpr int kClientWidth = 341;
constexpr int kClientHeight = 279;
constexpr int kLabelHeight = 13;
constexpr int kFontHeight = 11;

}  // namespace

ViewPicForm::~ViewPicForm() {
  Destroy();
  if (font_) DeleteObject(font_);
}

void ViewPicForm::CreateWindowed(HWND mainWindow) {
  const int dpi = ScreenDpi();
  font_ = CreateSansSerifFont(ScaledTo(dpi, kFontHeight));
  RegisterClass(kClassName, 0, CreateSolidBrush(RGB(0, 0, 128)));
  CreateForm(kClassName, "Просмотр рекламных фото", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
             WS_EX_DLGMODALFRAME, ScaledTo(dpi, kClientWidth), ScaledTo(dpi, kClientHeight),
             mainWindow);
  SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  labInfo_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0,
                             ScaledTo(dpi, kClientWidth), ScaledTo(dpi, kLabelHeight), hwnd(),
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(labInfo_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  fileListBox1_.ReadCurrentDirectory();
}

LRESULT ViewPicForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      if (wp == kTimer1) cycle_.Timer1Timer();
      return 0;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lp) == labInfo_) {
        SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_SIZE: {
      if (!labInfo_) break;
      RECT client;
      GetClientRect(hwnd(), &client);
      RECT label;
      GetWindowRect(labInfo_, &label);
      MoveWindow(labInfo_, 0, 0, client.right, label.bottom - label.top, TRUE);
      return 0;
    }
    default:
      break;
  }
  return Form::HandleMessage(msg, wp, lp);
}

void ViewPicForm::SetTimerEnabled(bool enabled) {
  if (enabled)
    SetTimer(hwnd(), kTimer1, kTimer1Interval, nullptr);
  else
    KillTimer(hwnd(), kTimer1);
}

}  // namespace demodisc
