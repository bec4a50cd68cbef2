// A floor that pays Wine's cost of the main window's specified window tree:
// floor_cc6 (the manifest and common controls 6) plus its 46 child windows,
// of the same kinds, sizes and fonts, laid out and painted by trivial code of
// their own: a tab control with 5 sheets (4 hidden), 4 button groups, 5
// memos, a grid, 8 panels, 17 text labels and a picture, 4 owner-drawn
// buttons, all at the screen's scale (150 % at 144 dpi) as DemoDisc makes
// them. DemoDisc draws the labels and the picture in their panels instead
// of making windows of them; what it takes beyond this floor is its own work.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

namespace {

HINSTANCE gInstance;
// The screen's resolution: the floor, DPI aware by DemoDisc's manifest, makes
// its windows and fonts at the program's scale, as the program does.
int gDpi = 96;
int S(int v) { return MulDiv(v, gDpi, 96); }
HFONT gSansSerif, gArialBold, gArial, gArialBoldItalic;

// The own classes (sheet, panel, button group, grid): filled, the groups with
// six framed rows of text as the catalogue draws them.
LRESULT CALLBACK OwnProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
      wchar_t cls[16];
      GetClassNameW(hwnd, cls, 16);
      if (cls[0] == L'G' && cls[1] == L'r' && cls[2] == L'o') {
        const HGDIOBJ old = SelectObject(dc, gArialBold);
        SetBkMode(dc, TRANSPARENT);
        for (int i = 0; i < 6; ++i) {
          RECT b{S(2), S(i * 36 + 1), r.right - S(2), S(i * 36 + 35)};
          FrameRect(dc, &b, GetSysColorBrush(COLOR_BTNSHADOW));
          DrawTextW(dc, L"Item caption text", -1, &b, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        SelectObject(dc, old);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      RECT r = item->rcItem;
      FillRect(item->hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
      if (item->CtlType == ODT_BUTTON) {
        DrawFrameControl(item->hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
        wchar_t text[64];
        GetWindowTextW(item->hwndItem, text, 64);
        SetBkMode(item->hDC, TRANSPARENT);
        DrawTextW(item->hDC, text, -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
      }
      return TRUE;
    }
    case WM_DESTROY:
      if (!GetParent(hwnd)) PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

HWND Make(const wchar_t* cls, const wchar_t* text, DWORD style, DWORD exStyle, HWND parent, int x,
          int y, int w, int h, HFONT font) {
  const HWND child = CreateWindowExW(exStyle, cls, text, style | WS_CHILD | WS_VISIBLE, S(x), S(y),
                                     S(w), S(h), parent, nullptr, gInstance, nullptr);
  if (font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

HWND Panel(HWND parent, const wchar_t* cls, int x, int y, int w, int h) {
  return Make(cls, L"", WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, parent, x, y, w, h,
              nullptr);
}

void Label(HWND parent, int x, int y, int w, const wchar_t* text, HFONT font) {
  Make(L"STATIC", text, SS_LEFT | SS_NOPREFIX, 0, parent, x, y, w, 14, font);
}

void MakeChildren(HWND top) {
  const HWND tab =
      Make(WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPSIBLINGS | TCS_BUTTONS | TCS_FLATBUTTONS, 0,
           top, 0, 0, 554, 430, gArialBold);
  HWND sheets[5];
  const wchar_t* names[5] = {L"Presentations", L"Publications", L"Demos", L"Video", L"Uses"};
  for (int i = 0; i < 5; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(names[i]);
    SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    sheets[i] = Panel(top, L"Sheet", 4, 28, 546, 398);
    if (i != 0) ShowWindow(sheets[i], SW_HIDE);
  }
  for (int page : {0, 2, 3, 4}) {
    Make(L"Group", L"", WS_TABSTOP, WS_EX_CLIENTEDGE, sheets[page], 3, 48, 540, 240, nullptr);
    Make(L"EDIT", L"", WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE, sheets[page],
         0, 290, 546, 108, gArial);
  }
  Make(L"STATIC", L"Attention! Some demonstration programs may not start on some systems.",
       SS_LEFT | SS_NOPREFIX, 0, sheets[2], 0, 0, 546, 45, gArialBoldItalic);
  Make(L"Grid", L"", WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS, WS_EX_CLIENTEDGE, sheets[1], 3, 3,
       540, 298, nullptr);
  const HWND publ = Panel(sheets[1], L"Panel", 0, 304, 546, 94);
  Make(L"EDIT", L"", WS_TABSTOP | ES_MULTILINE, WS_EX_CLIENTEDGE, publ, 3, 3, 496, 88, gArial);
  Make(L"BUTTON", L"Read", WS_TABSTOP | BS_OWNERDRAW, 0, publ, 502, 0, 44, 94, gArialBold);

  const HWND control = Panel(top, L"Panel", 554, 0, 102, 430);
  Make(L"BUTTON", L"Close", WS_TABSTOP | BS_OWNERDRAW, 0, control, 5, 5, 92, 40, gArialBold);
  Make(L"STATIC", L"Installing the programs needed for the disc", SS_CENTER | SS_NOPREFIX, 0,
       control, 0, 290, 102, 65, gSansSerif);
  Make(L"BUTTON", L"Acrobat Reader", WS_TABSTOP | BS_OWNERDRAW, 0, control, 3, 356, 96, 71,
       gArialBold);

  const HWND about = Panel(top, L"Panel", 0, 430, 656, 115);
  const HWND address = Panel(about, L"Panel", 3, 3, 213, 87);
  const HWND internet = Panel(about, L"Panel", 219, 3, 122, 87);
  const HWND phone = Panel(about, L"Panel", 344, 3, 122, 87);
  const HWND person = Panel(about, L"Panel", 469, 3, 184, 87);
  Panel(about, L"Panel", 0, 93, 656, 22);
  Make(L"STATIC", L"", SS_OWNERDRAW, 0, address, 7, 29, 36, 36, nullptr);
  Label(address, 0, 0, 213, L"Example-Medtech Ltd", gArialBold);
  Label(address, 45, 35, 121, L"Fictional st. 0, Nowhere", gArial);
  Label(address, 0, 74, 213, L"For letters: 000000, box 0", gSansSerif);
  const wchar_t* internetLines[6] = {L"Internet:",       L"www.example.ru", L"E-mail:",
                                     L"info@example.ru", L"old@example.ru", L"demo@example.ru"};
  for (int i = 0; i < 6; ++i) Label(internet, 0, i * 14, 122, internetLines[i], gArial);
  const wchar_t* phoneLines[3] = {L"Telephones:", L"(000) 000-00-01", L"(000) 000-00-02"};
  for (int i = 0; i < 3; ++i) Label(phone, 0, i * 14, 122, phoneLines[i], gArial);
  const wchar_t* personLines[3] = {L"Director:", L"Ivanov Ivan", L"+7 000 000-00-00"};
  for (int i = 0; i < 3; ++i) Label(person, 0, i * 14, 184, personLines[i], gArialBold);
  Make(L"BUTTON", L"Print contact", WS_TABSTOP | BS_OWNERDRAW, 0, person, 3, 48, 178, 36,
       gArialBold);
}

HFONT Font(const wchar_t* face, int height, int weight, BOOL italic) {
  return CreateFontW(-S(height), 0, 0, 0, weight, italic, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                     face);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  gInstance = instance;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  {
    const HDC screen = GetDC(nullptr);
    gDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  gSansSerif = Font(L"MS Sans Serif", 11, FW_NORMAL, FALSE);
  gArialBold = Font(L"Arial", 11, FW_BOLD, FALSE);
  gArial = Font(L"Arial", 11, FW_NORMAL, FALSE);
  gArialBoldItalic = Font(L"Arial", 12, FW_BOLD, TRUE);
  for (const wchar_t* name : {L"FloorWindow", L"Sheet", L"Panel", L"Group", L"Grid"}) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = OwnProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
  }
  RECT r{0, 0, S(656), S(545)};
  AdjustWindowRectEx(&r, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
  const HWND hwnd = CreateWindowExW(
      WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, L"FloorWindow", L"Floor",
      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
      r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
  MakeChildren(hwnd);
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(hwnd, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
