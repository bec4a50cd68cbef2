// The standard output and error of a console program: UTF-8 bytes into a
// file or a pipe, the characters themselves into a console window, so that
// any letters read right whatever the console's code page.
#pragma once

#include "base/text.h"

namespace demodisc {

enum class StandardStream { Output, Error };

void WriteStandard(StandardStream stream, const Text& text);

// True when the stream is a console's, not a file's or a pipe's.
bool IsConsole(StandardStream stream);

// True when the program's console window is its own, as for a program
// started from Explorer (or a folder dropped on it): no shell shares it,
// and it closes when the program ends. Input and output must be the
// window's. Asked at the start, before another program may attach to it.
bool OwnsItsConsole();

// Shows the prompt in the console and waits for a key to be pressed.
void WaitForKey(const Text& prompt);

}  // namespace demodisc
