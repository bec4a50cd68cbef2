#include "ui/PicUnit/view_pic_form.h"

#include "ui/look/colours.h"
#include "ui/look/fonts.h"
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

void ViewPicForm::CreateWindowed(HWND mainWindow) {
  SetFixedScale(UiScale(ScreenDpi()));
  // The class's navy background brush lasts as long as the program.
  static const HBRUSH navy = CreateSolidBrush(RGB(0, 0, 128));
  CreateForm({kClassName, 0, navy}, {.parent = mainWindow,
                                     .bounds = {0, 0, Px(kClientWidth), Px(kClientHeight)},
                                     .text = "Просмотр рекламных фото",
                                     .font = UiFont(SansSerif(Px(kFontHeight))),
                                     .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                     .exStyle = WS_EX_DLGMODALFRAME});
  fileListBox1_.ReadCurrentDirectory();
}

void ViewPicForm::CreateControls() {
  RECT client;
  GetClientRect(hwnd(), &client);
  LabelLook look;
  look.align = TextAlign::Centre;
  look.colour = NamedSystemColour(COLOR_BTNFACE);
  labInfo_.Create({.parent = hwnd(),
                   .bounds = {0, 0, static_cast<int>(client.right), Px(kLabelHeight)},
                   .font = font(),
                   .name = "LabInfo"},
                  look);
}

LRESULT ViewPicForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      if (wp == kTimer1) cycle_.Timer1Timer();
      return 0;
    case WM_SIZE: {
      if (!labInfo_.parent()) break;
      RECT client;
      GetClientRect(hwnd(), &client);
      labInfo_.SetBounds({0, 0, static_cast<int>(client.right), labInfo_.bounds().height});
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
