#include "ui/message_dialogs_win.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "base/wide_win.h"
#include "ui/error_display_win.h"
#include "ui/form.h"
#include "ui/look/fonts.h"
#include "ui/monitors_win.h"
#include "ui/screen_scale_win.h"

namespace demodisc {

namespace {

constexpr wchar_t kClassName[] = L"TMessageForm";

struct ButtonSpec {
  int id;
  const char* caption;
};

class MessageForm : public Form {
 public:
  MessageForm(const Text& caption, const Text& text, const wchar_t* icon,
              std::vector<ButtonSpec> buttons, int defaultId, int escapeId)
      : buttons_(std::move(buttons)), defaultId_(defaultId), escapeId_(escapeId) {
    // The window goes over the active one, on its monitor and at its scale.
    owner_ = GetActiveWindow();
    SetFixedScale(ScaleOf(owner_));
    font_ = UiFont(MessageFontForDpi(Scale().dpi()));
    Layout(caption, text, icon);
  }

  int Run() { return ShowModal(); }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED || lp == 0) {
          const int id = LOWORD(wp);
          EndModal(id == IDCANCEL ? escapeId_ : id);
        }
        return 0;
      case DM_GETDEFID:
        return MAKELRESULT(defaultId_, DC_HASDEFID);
      default:
        return Form::HandleMessage(msg, wp, lp);
    }
  }

 private:
  void Layout(const Text& caption, const Text& text, const wchar_t* icon) {
    // Sizes at 96 dpi, drawn at the owner's scale; the font is the system's own.
    const int margin = Px(8), buttonW = Px(75), buttonH = Px(25), gap = Px(8), iconSize = Px(32);
    const std::wstring wideText = Wide(text);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_);
    const RECT monitor = MonitorOfWindow(owner_).whole;
    RECT textRect{0, 0, (monitor.right - monitor.left) / 2, 0};
    DrawTextW(dc, wideText.c_str(), -1, &textRect,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);

    const int iconRoom = icon ? iconSize + margin * 2 : margin;
    const int textHeight = std::max(static_cast<int>(textRect.bottom), icon ? iconSize : 0);
    const int buttonsWidth =
        static_cast<int>(buttons_.size()) * buttonW + (static_cast<int>(buttons_.size()) - 1) * gap;
    const int width =
        std::max(iconRoom + static_cast<int>(textRect.right) + margin, buttonsWidth + 2 * margin);
    const int height = margin + textHeight + margin * 2 + buttonH + margin;

    CreateForm({kClassName}, {.parent = owner_,
                              .bounds = {0, 0, width, height},
                              .text = caption,
                              .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                              .exStyle = WS_EX_DLGMODALFRAME});
    if (icon) {
      icon_.CreateControl(L"STATIC", {.parent = hwnd(),
                                      .bounds = {margin, margin, iconSize, iconSize},
                                      .style = WS_VISIBLE | SS_ICON,
                                      .name = "Icon"});
      SendMessageW(icon_.hwnd(), STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, icon)),
                   0);
    }
    const int textTop =
        margin + (icon && textRect.bottom < iconSize ? (iconSize - textRect.bottom) / 2 : 0);
    text_.CreateControl(L"STATIC", {.parent = hwnd(),
                                    .bounds = {iconRoom, textTop, static_cast<int>(textRect.right),
                                               static_cast<int>(textRect.bottom)},
                                    .text = text,
                                    .font = font_,
                                    .style = WS_VISIBLE | SS_NOPREFIX,
                                    .name = "Text"});

    int x = (width - buttonsWidth) / 2;
    const int y = height - margin - buttonH;
    for (const ButtonSpec& b : buttons_) {
      const DWORD style =
          WS_VISIBLE | WS_TABSTOP | (b.id == defaultId_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      Window& button = *buttonWindows_.emplace_back(std::make_unique<Window>());
      button.CreateControl(L"BUTTON", {.parent = hwnd(),
                                       .bounds = {x, y, buttonW, buttonH},
                                       .text = b.caption,
                                       .font = font_,
                                       .style = style,
                                       .id = b.id});
      if (b.id == defaultId_) focus_ = button.hwnd();
      x += buttonW + gap;
    }
  }

  void FormActivate() override {
    if (focus_) SetFocus(focus_);
  }

  HWND owner_ = nullptr;
  std::vector<ButtonSpec> buttons_;
  int defaultId_;
  int escapeId_;
  HFONT font_ = nullptr;
  Window icon_;
  Window text_;
  std::vector<std::unique_ptr<Window>> buttonWindows_;
  HWND focus_ = nullptr;
};

}  // namespace

void ShowPlainMessage(const Text& text) {
  Whole<MessageForm>(AppTitle(), text, nullptr, {{IDOK, "OK"}}, IDOK, IDOK).Run();
}

bool AskWarningYesNo(const Text& question) {
  return Whole<MessageForm>("Warning", question, IDI_EXCLAMATION, {{IDYES, "&Yes"}, {IDNO, "&No"}},
                            IDYES, IDNO)
             .Run() == IDYES;
}

void ShowErrorMessage(const Text& text) {
  Whole<MessageForm>("Error", text, IDI_HAND, {{IDOK, "OK"}}, IDOK, IDOK).Run();
}

}  // namespace demodisc
