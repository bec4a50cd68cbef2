#include "ui/frmBlend/form_blenge.h"

#include "resource_ids.h"
#include "ui/alignment.h"
#include "ui/look/colours.h"
#include "ui/look/fonts.h"
#include "ui/screen_scale_win.h"

namespace demodisc {

namespace {
constexpr wchar_t kClassName[] = L"TFormBlenge";
constexpr int kBandHeight = 41;
}  // namespace

void FormBlenge::CreateWindowed(HWND mainWindow, const DiscTexts& texts) {
  mainWindow_ = mainWindow;
  texts_ = texts;
  const UiScale scale = ScaleOf(mainWindow);
  CreateScaledForm({kClassName},
                   {.parent = mainWindow,
                    .bounds = {0, 0, kClientWidth, kClientHeight},
                    .text = texts_.noticeCaption,
                    .font = ScaledFont({L"Tahoma", 11}, scale),
                    .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                             WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
                    .exStyle = WS_EX_CONTROLPARENT},
                   scale);
}

void FormBlenge::CreateControls() {
  ui_ = std::make_unique<Controls>();
  PanelLook up;
  up.colour = kMoneyGreen;
  up.textColour = kRed;
  ui_->Pan_Up.Create({.parent = hwnd(),
                      .bounds = Px(Bounds{0, 0, kClientWidth, kBandHeight}),
                      .text = texts_.noticeBand,
                      .font = ScaledFont({L"Arial", 21, true, true, ANSI_CHARSET}, Scale()),
                      .name = "Pan_Up"},
                     up);

  ui_->Img_Werker.Create({.parent = hwnd(),
                          .bounds = Px(Bounds{0, kBandHeight, kClientWidth, 270}),
                          .name = "Img_Werker"},
                         IDB_WORKER, false);

  ui_->Pan_Btn.Create(
      {.parent = hwnd(),
       .bounds = Px(Bounds{0, kClientHeight - kBandHeight, kClientWidth, kBandHeight}),
       .name = "Pan_Btn"},
      PanelLook{});

  ui_->BBtn_Exit.Create({.parent = ui_->Pan_Btn.hwnd(),
                         .bounds = Px(Bounds{1, 1, kClientWidth - 2, kBandHeight - 2}),
                         .text = texts_.noticeButton,
                         .font = ScaledFont(Arial(16, true), Scale()),
                         .id = IDOK,
                         .name = "BBtn_Exit"},
                        {.pictureId = IDB_ARROW_LEFT,
                         .pictureWidth = 32,
                         .pictureHeight = 32,
                         .side = PictureSide::Left});
  ui_->BBtn_Exit.onClick = [this] { BBtn_ExitClick(); };
  ui_->Pan_Btn.AlignControls({{ui_->BBtn_Exit.hwnd(), AlignFill()}});
  AlignControls();
}

std::shared_ptr<void> FormBlenge::ReleaseControls() { return std::move(ui_); }

void FormBlenge::AlignControls() {
  PlaceAligned(hwnd(), 0,
               {{ui_->Pan_Up.hwnd(), AlignTop(kBandHeight)},
                {ui_->Pan_Btn.hwnd(), AlignBottom(kBandHeight)},
                {ui_->Img_Werker, AlignFill()}});
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void FormBlenge::PlaceAtFirstShowing() {
  RECT main{};
  GetWindowRect(mainWindow_, &main);
  PlaceCentredOver(main, ScaleOf(mainWindow_));
}

void FormBlenge::BBtn_ExitClick() { EndModal(kModalCancel); }

LRESULT FormBlenge::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      // Enter arrives as the default button's command; Escape (IDCANCEL) does nothing.
      if (LOWORD(wp) == IDOK && lp == 0) {
        BBtn_ExitClick();
        return 0;
      }
      if (LOWORD(wp) == IDCANCEL && lp == 0) return 0;
      break;
    case WM_SIZE:
      if (ui_ && ui_->Pan_Btn.hwnd()) AlignControls();
      break;
    default:
      break;
  }
  return Form::HandleMessage(msg, wp, lp);
}

}  // namespace demodisc
