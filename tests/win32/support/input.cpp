#include "support/input.h"

#include <vector>

#include "support/test_support.h"

namespace demodisc::testing {

namespace {
void SendOne(INPUT in) { SendInput(1, &in, sizeof in); }

INPUT MouseInput(DWORD flags, POINT screen) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  in.mi.dx = static_cast<LONG>((screen.x * 65536 + w / 2) / w);
  in.mi.dy = static_cast<LONG>((screen.y * 65536 + h / 2) / h);
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  return in;
}

INPUT KeyInput(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, 0));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
      break;
    default:
      break;
  }
  return in;
}

POINT ToScreen(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}
}  // namespace

void BringToFront(HWND topLevel) {
  ShowWindow(topLevel, SW_SHOW);
  SetForegroundWindow(topLevel);
  SetActiveWindow(topLevel);
  // Wine hands the foreground over through the X server, slowly on a loaded machine.
  PumpMessages(2000, [&] { return GetForegroundWindow() == topLevel; });
  PumpMessages(50);
}

void FlushInput() {
  // Injected input reaches the queue a little later: pump until none waits.
  const DWORD end = GetTickCount() + 1000;
  PumpMessages(50);
  while (HIWORD(GetQueueStatus(QS_INPUT)) != 0 && static_cast<LONG>(end - GetTickCount()) > 0)
    PumpMessages(20);
  PumpMessages(20);
}

void MovePointerTo(HWND window, POINT client) {
  SendOne(MouseInput(0, ToScreen(window, client)));
  FlushInput();
}

void ClickAt(HWND window, POINT client) {
  const POINT p = ToScreen(window, client);
  SendOne(MouseInput(0, p));
  SendOne(MouseInput(MOUSEEVENTF_LEFTDOWN, p));
  SendOne(MouseInput(MOUSEEVENTF_LEFTUP, p));
  FlushInput();
}

void PressLeftButton(HWND window, POINT client) {
  SendOne(MouseInput(MOUSEEVENTF_LEFTDOWN, ToScreen(window, client)));
  FlushInput();
}

void ReleaseLeftButton(HWND window, POINT client) {
  SendOne(MouseInput(MOUSEEVENTF_LEFTUP, ToScreen(window, client)));
  FlushInput();
}

void DragFromTo(HWND window, POINT from, POINT to) {
  // Each step is seen by the window before the next is sent: on a loaded
  // machine a press that arrives late has been seen to end the drag early.
  const POINT a = ToScreen(window, from), b = ToScreen(window, to);
  const POINT middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
  const auto moveTo = [](POINT p) {
    SendOne(MouseInput(0, p));
    FlushInput();
    PumpMessages(1000, [&] {
      POINT at;
      return GetCursorPos(&at) && at.x == p.x && at.y == p.y;
    });
  };
  moveTo(a);
  SendOne(MouseInput(MOUSEEVENTF_LEFTDOWN, a));
  FlushInput();
  PumpMessages(1000, [] { return (GetKeyState(VK_LBUTTON) & 0x8000) != 0; });
  moveTo(middle);
  moveTo(b);
  SendOne(MouseInput(MOUSEEVENTF_LEFTUP, b));
  FlushInput();
  PumpMessages(1000, [] { return (GetKeyState(VK_LBUTTON) & 0x8000) == 0; });
}

void InjectKey(WORD key) {
  INPUT inputs[] = {KeyInput(key, false), KeyInput(key, true)};
  SendInput(2, inputs, sizeof(INPUT));
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
  std::vector<INPUT> inputs;
  for (WORD m : modifiers) inputs.push_back(KeyInput(m, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  for (auto it = modifiers.end(); it != modifiers.begin();) inputs.push_back(KeyInput(*--it, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  FlushInput();
}

}  // namespace demodisc::testing
