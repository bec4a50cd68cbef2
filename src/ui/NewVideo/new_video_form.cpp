#include "ui/NewVideo/new_video_form.h"

#include "base/files_win.h"
#include "launcher/disc_folders.h"
#include "resource_ids.h"
#include "ui/dispatch.h"
#include "ui/look/fonts.h"
#include "ui/look/high_contrast_win.h"
#include "ui/message_dialogs_win.h"
#include "ui/screen_scale_win.h"

namespace demodisc {

namespace {

constexpr wchar_t kClassName[] = L"TNewVideoForm";
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 1000;

// Layout at 96 dpi.
constexpr int kClientWidth = 348;
constexpr int kClientHeight = 352;
constexpr int kToolBarHeight = 27;
constexpr int kEdge = 2;  // each of the toolbar's edge lines, top and bottom
constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 22;
constexpr int kTimeLeft = 69;
constexpr int kTimeWidth = 108;
constexpr int kFontHeight = 11;
constexpr int kImageSize = 16;

}  // namespace

void NewVideoForm::CreateWindowed(HWND mainWindow) {
  SetFixedScale(UiScale(ScreenDpi()));
  timeBrush_.reset(CreateSolidBrush(RGB(0, 0, 0)));
  CreateForm({kClassName}, {.parent = mainWindow,
                            .bounds = {0, 0, Px(kClientWidth), Px(kClientHeight)},
                            .text = "Видео-ролик",
                            .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN});
  // The devices' completion notices come to this window, and nothing reacts to them.
  mediaPlayer1_.SetNotifyWindow(hwnd());
  FormCreate();
}

void NewVideoForm::FormCreate() { rootDir_ = RootDirOf(CurrentDirectory()); }

void NewVideoForm::CreateControls() {
  const HFONT font = UiFont(SansSerif(Px(kFontHeight)));
  panel1_.CreateControl(L"STATIC",
                        {.parent = hwnd(), .style = WS_VISIBLE | SS_SUNKEN, .name = "Panel1"});
  mediaPlayer1_.SetDisplay(panel1_.hwnd());
  CreateToolBar(font);
  panTime_.CreateControl(L"STATIC",
                         {.parent = toolBar1_.hwnd(),
                          .bounds = {Px(kTimeLeft), 0, Px(kTimeWidth), Px(kButtonHeight)},
                          .text = "PanTime",
                          .font = font,
                          .style = WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN,
                          .name = "PanTime"});
  ArrangeControls();
}

void NewVideoForm::CreateToolBar(HFONT font) {
  toolBar1_.CreateControl(
      TOOLBARCLASSNAMEW,
      {.parent = hwnd(),
       .style = WS_VISIBLE | WS_CLIPCHILDREN | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
       .name = "ToolBar1"});
  const HWND bar = toolBar1_.hwnd();
  SetWindowSubclass(bar, ToolBarProc, 1, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(bar, TB_SETINDENT, 0, 0);
  SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(kImageSize, kImageSize));
  // The three 16 x 16 pictures from their strip, transparent where the strip
  // has the colour of its lower-left pixel. Without the strip the buttons
  // stay blank.
  imageList1_.Load(IDB_VIDEO_TOOLBAR, kImageSize, kImageSize);
  SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imageList1_.handle()));
  TBBUTTON buttons[3] = {};
  const int ids[3] = {kIdPlay, kIdPause, kIdStop};
  for (int i = 0; i < 3; ++i) {
    buttons[i].iBitmap = i;
    buttons[i].idCommand = ids[i];
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].fsStyle = BTNS_CHECKGROUP;
    buttons[i].iString = -1;
  }
  SendMessageW(bar, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));
  SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(Px(kButtonWidth), Px(kButtonHeight)));
}

// Panel1 fills the client area above the toolbar; the toolbar keeps its
// height along the bottom, between its two edge lines.
void NewVideoForm::ArrangeControls() {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int width = client.right;
  const int barHeight = Px(kToolBarHeight);
  const int barTop = client.bottom - barHeight;
  MoveWindow(panel1_.hwnd(), 0, 0, width, barTop > 0 ? barTop : 0, TRUE);
  MoveWindow(toolBar1_.hwnd(), 0, barTop + kEdge, width, barHeight - 2 * kEdge, TRUE);
  RECT edges{0, barTop, width, client.bottom};
  InvalidateRect(hwnd(), &edges, TRUE);
}

void NewVideoForm::Paint(HDC dc, const RECT& dirty) {
  Form::Paint(dc, dirty);
  RECT client;
  GetClientRect(hwnd(), &client);
  RECT bar{0, client.bottom - Px(kToolBarHeight), client.right, client.bottom};
  DrawEdge(dc, &bar, EDGE_ETCHED, BF_TOP | BF_BOTTOM);
}

void NewVideoForm::FormActivate() { playback_.FormActivate(rootDir_); }

void NewVideoForm::FormClose() { playback_.FormClose(); }

LRESULT NewVideoForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (toolBar1_.hwnd()) ArrangeControls();
      return 0;
    case WM_TIMER:
      if (wp == kTimer1) playback_.Timer1Timer();
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) == toolBar1_.hwnd()) {
        switch (LOWORD(wp)) {
          case kIdPlay:
            playback_.ActionPlayExecute();
            return 0;
          case kIdPause:
            playback_.ActionPauseExecute();
            return 0;
          case kIdStop:
            playback_.ActionStopExecute();
            return 0;
          default:
            break;
        }
      }
      break;
    case WM_DESTROY:
      KillTimer(hwnd(), kTimer1);
      mediaPlayer1_.Close();
      break;
    default:
      break;
  }
  return Form::HandleMessage(msg, wp, lp);
}

// The time panel inside the toolbar: white text on black.
LRESULT CALLBACK NewVideoForm::ToolBarProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                           DWORD_PTR self) {
  if (msg == WM_CTLCOLORSTATIC) {
    auto* form = reinterpret_cast<NewVideoForm*>(self);
    if (reinterpret_cast<HWND>(lp) == form->panTime_.hwnd()) {
      const auto dc = reinterpret_cast<HDC>(wp);
      const COLORREF back = ShownBack(RGB(0, 0, 0));
      SetTextColor(dc, ShownText(RGB(255, 255, 255), back));
      SetBkColor(dc, back);
      return reinterpret_cast<LRESULT>(ShownBackBrush(form->timeBrush_.get()));
    }
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, ToolBarProc, 1);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void NewVideoForm::SetButtonDown(VideoButton button) {
  EnsureControls();
  const int id = button == VideoButton::kPlay    ? kIdPlay
                 : button == VideoButton::kPause ? kIdPause
                                                 : kIdStop;
  SendMessageW(toolBar1_.hwnd(), TB_CHECKBUTTON, id, MAKELPARAM(TRUE, 0));
}

void NewVideoForm::SetTimerEnabled(bool enabled) {
  if (enabled)
    SetTimer(hwnd(), kTimer1, kTimer1Interval, nullptr);
  else
    KillTimer(hwnd(), kTimer1);
}

void NewVideoForm::SetTimeText(const Text& text) {
  EnsureControls();
  SetWindowTextUtf8(panTime_.hwnd(), text);
}

void NewVideoForm::ShowErrorMessage(const Text& text) { demodisc::ShowErrorMessage(text); }

}  // namespace demodisc
