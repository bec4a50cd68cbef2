#include "ui/NewVideo/new_video_form.h"

#include "app/dispatch.h"
#include "app/message_dialogs_win.h"
#include "base/files_win.h"
#include "launcher/disc_folders.h"
#include "resource_ids.h"
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

// The three 16 x 16 pictures from their strip, transparent where the strip
// has the colour of its lower-left pixel. Without the strip the buttons
// stay blank.
HIMAGELIST LoadToolBarImages() {
  const HIMAGELIST images = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, 3, 0);
  const auto strip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                     MAKEINTRESOURCEW(IDB_VIDEO_TOOLBAR),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!images || !strip) {
    if (strip) DeleteObject(strip);
    return images;
  }
  BITMAP info{};
  GetObjectW(strip, sizeof info, &info);
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, strip);
  const COLORREF transparent = GetPixel(dc, 0, info.bmHeight > 0 ? info.bmHeight - 1 : 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  ImageList_AddMasked(images, strip, transparent);
  DeleteObject(strip);
  return images;
}

}  // namespace

NewVideoForm::~NewVideoForm() {
  mediaPlayer1_.Close();
  Destroy();
  if (imageList1_) ImageList_Destroy(imageList1_);
  if (timeBrush_) DeleteObject(timeBrush_);
  if (font_) DeleteObject(font_);
}

void NewVideoForm::CreateWindowed(HWND mainWindow) {
  dpi_ = ScreenDpi();
  font_ = CreateSansSerifFont(ScaledTo(dpi_, kFontHeight));
  timeBrush_ = CreateSolidBrush(RGB(0, 0, 0));
  RegisterClass(kClassName);
  CreateForm(kClassName, "Видео-ролик", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
             ScaledTo(dpi_, kClientWidth), ScaledTo(dpi_, kClientHeight), mainWindow);
  CreateControls();
  FormCreate();
}

void NewVideoForm::FormCreate() { rootDir_ = RootDirOf(CurrentDirectory()); }

void NewVideoForm::CreateControls() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  panel1_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_SUNKEN, 0, 0, 0, 0,
                            hwnd(), nullptr, instance, nullptr);
  mediaPlayer1_.SetDisplay(panel1_);
  CreateToolBar();
  panTime_ = CreateWindowExW(0, L"STATIC", L"PanTime",
                             WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN,
                             ScaledTo(dpi_, kTimeLeft), 0, ScaledTo(dpi_, kTimeWidth),
                             ScaledTo(dpi_, kButtonHeight), toolBar1_, nullptr, instance, nullptr);
  SendMessageW(panTime_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  ArrangeControls();
}

void NewVideoForm::CreateToolBar() {
  toolBar1_ = CreateWindowExW(
      0, TOOLBARCLASSNAMEW, L"",
      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN, 0,
      0, 0, 0, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowSubclass(toolBar1_, ToolBarProc, 1, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(toolBar1_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolBar1_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SendMessageW(toolBar1_, TB_SETINDENT, 0, 0);
  SendMessageW(toolBar1_, TB_SETBITMAPSIZE, 0, MAKELPARAM(kImageSize, kImageSize));
  imageList1_ = LoadToolBarImages();
  SendMessageW(toolBar1_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imageList1_));
  TBBUTTON buttons[3] = {};
  const int ids[3] = {kIdPlay, kIdPause, kIdStop};
  for (int i = 0; i < 3; ++i) {
    buttons[i].iBitmap = i;
    buttons[i].idCommand = ids[i];
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].fsStyle = BTNS_CHECKGROUP;
    buttons[i].iString = -1;
  }
  SendMessageW(toolBar1_, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));
  SendMessageW(toolBar1_, TB_SETBUTTONSIZE, 0,
               MAKELPARAM(ScaledTo(dpi_, kButtonWidth), ScaledTo(dpi_, kButtonHeight)));
}

// Panel1 fills the client area above the toolbar; the toolbar keeps its
// height along the bottom, between its two edge lines.
void NewVideoForm::ArrangeControls() {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int width = client.right;
  const int barHeight = ScaledTo(dpi_, kToolBarHeight);
  const int barTop = client.bottom - barHeight;
  MoveWindow(panel1_, 0, 0, width, barTop > 0 ? barTop : 0, TRUE);
  MoveWindow(toolBar1_, 0, barTop + kEdge, width, barHeight - 2 * kEdge, TRUE);
  RECT edges{0, barTop, width, client.bottom};
  InvalidateRect(hwnd(), &edges, TRUE);
}

void NewVideoForm::PaintToolBarEdges() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd(), &ps);
  RECT client;
  GetClientRect(hwnd(), &client);
  RECT bar{0, client.bottom - ScaledTo(dpi_, kToolBarHeight), client.right, client.bottom};
  DrawEdge(dc, &bar, EDGE_ETCHED, BF_TOP | BF_BOTTOM);
  EndPaint(hwnd(), &ps);
}

void NewVideoForm::FormActivate() { playback_.FormActivate(rootDir_); }

void NewVideoForm::FormClose() { playback_.FormClose(); }

LRESULT NewVideoForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      ArrangeControls();
      return 0;
    case WM_PAINT:
      PaintToolBarEdges();
      return 0;
    case WM_TIMER:
      if (wp == kTimer1) playback_.Timer1Timer();
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) == toolBar1_) {
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
    if (reinterpret_cast<HWND>(lp) == form->panTime_) {
      const auto dc = reinterpret_cast<HDC>(wp);
      SetTextColor(dc, RGB(255, 255, 255));
      SetBkColor(dc, RGB(0, 0, 0));
      return reinterpret_cast<LRESULT>(form->timeBrush_);
    }
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, ToolBarProc, 1);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void NewVideoForm::SetButtonDown(VideoButton button) {
  const int id = button == VideoButton::kPlay    ? kIdPlay
                 : button == VideoButton::kPause ? kIdPause
                                                 : kIdStop;
  SendMessageW(toolBar1_, TB_CHECKBUTTON, id, MAKELPARAM(TRUE, 0));
}

void NewVideoForm::SetTimerEnabled(bool enabled) {
  if (enabled)
    SetTimer(hwnd(), kTimer1, kTimer1Interval, nullptr);
  else
    KillTimer(hwnd(), kTimer1);
}

void NewVideoForm::SetTimeText(const Text& text) { SetWindowTextUtf8(panTime_, text); }

void NewVideoForm::ShowErrorMessage(const Text& text) { demodisc::ShowErrorMessage(text); }

}  // namespace demodisc
