#include "ui/controls/memo.h"

#include "base/wide_win.h"
#include "control_rules/memo_text.h"

namespace demodisc {

void Memo::Create(const CreateArgs& args) {
  CreateArgs memo = args;
  memo.style |= WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_LEFT;
  memo.exStyle |= WS_EX_CLIENTEDGE;
  CreateControl(L"EDIT", memo);
  // The default limit (about 30000 characters) would cut long descriptions.
  SendMessageW(hwnd(), EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
}

void Memo::SetText(const Text& text) {
  const std::wstring wide = Wide(MemoDisplayText(text));
  SendMessageW(hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

Text Memo::GetText() const { return WindowTextUtf8(hwnd()); }

Memo::Content Memo::GetContent() const {
  return {GetText(), static_cast<int>(SendMessageW(hwnd(), EM_GETFIRSTVISIBLELINE, 0, 0))};
}

void Memo::SetContent(const Content& content) {
  SetWindowTextUtf8(hwnd(), content.text);
  ScrollToTop();
  if (content.firstLine > 0) SendMessageW(hwnd(), EM_LINESCROLL, 0, content.firstLine);
}

void Memo::ScrollToTop() { SendMessageW(hwnd(), WM_VSCROLL, SB_TOP, 0); }

}  // namespace demodisc
