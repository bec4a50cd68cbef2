// Real input for the Windows-side tests: pointer clicks and key presses go
// through SendInput, so they reach windows as the user's would (the window
// must be in front).
#pragma once

#include <windows.h>

#include <initializer_list>

namespace demodisc::testing {

// Brings a top-level window to the front and gives it the activation.
void BringToFront(HWND topLevel);

// Moves the pointer to a point of a window's client area.
void MovePointerTo(HWND window, POINT client);
// Presses and releases the left button at a point of a window's client area.
void ClickAt(HWND window, POINT client);
// The two halves of a click, for drags that pause.
void PressLeftButton(HWND window, POINT client);
void ReleaseLeftButton(HWND window, POINT client);
// Presses the left button at one point, drags to another and releases it.
void DragFromTo(HWND window, POINT from, POINT to);

// Presses and releases a key while holding the modifier keys (VK_SHIFT,
// VK_CONTROL) given.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

// Presses and releases a key without handling it here: for the keys that the
// program's own loop must see (Enter, Escape, Tab go to the dialog manager).
void InjectKey(WORD key);

// Dispatches messages until the input sent so far has been handled.
void FlushInput();

}  // namespace demodisc::testing
