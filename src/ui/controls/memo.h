// A memo: a multi-line EDIT with word wrap and no scroll bars, editable.
#pragma once

#include "ui/window.h"

namespace demodisc {

class Memo final : public Window {
 public:
  void Create(const CreateArgs& args);
  // Replaces the whole text in one go.
  void SetText(const Text& text);
  Text GetText() const;
  void Clear() { SetText(Text()); }
  // Shows the first line.
  void ScrollToTop();

  // The text as it stands and its first shown line, to show again in a memo
  // made anew (at another scale).
  struct Content {
    Text text;
    int firstLine = 0;
  };
  Content GetContent() const;
  void SetContent(const Content& content);
};

}  // namespace demodisc
