// The program's own message dialogs: modal, centred on the screen, with the
// runtime's English captions and button texts.
#pragma once

#include "base/text.h"

namespace demodisc {

// The application title as caption, no icon, one "OK" button.
void ShowPlainMessage(const Text& text);

// "Warning", the exclamation icon, "&Yes" (the default) and "&No"; Escape
// answers No. True when the answer is Yes.
bool AskWarningYesNo(const Text& question);

// "Error", the stop icon, one "OK" button.
void ShowErrorMessage(const Text& text);

}  // namespace demodisc
