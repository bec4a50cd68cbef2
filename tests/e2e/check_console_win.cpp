// check_console.exe: DemoDiscCheck.exe in a console window, as a disc maker
// meets it.
//   check_console.exe <DemoDiscCheck.exe> <disc folder>
// Started as Explorer starts it, in a console window of its own (without a
// folder, as a double click; with the folder, as when one is dropped on it),
// it writes the report into the window with its letters, Russian ones
// included, whatever the window's code page, and then waits for a key; a
// key ends it. Started by a program in that program's console, it ends by
// itself. One line per case on the standard output; exit code 0 when all
// hold.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

int failures = 0;

void Say(bool ok, const char* what) {
  std::printf("%s %s\n", ok ? "ok" : "FAIL", what);
  if (!ok) ++failures;
}

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

// The text of a console screen buffer, its lines joined by line breaks
// (their blanks at the end taken away); nothing when it cannot be read. The
// handle was opened while this process was attached and is read without
// attaching again: a process attached when the check asks whose window it is
// would make the window a shared one.
std::wstring ConsoleText(HANDLE screen) {
  std::wstring text;
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(screen, &info)) return text;
  std::wstring line(info.dwSize.X, L' ');
  for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, line.data(), info.dwSize.X, COORD{0, y}, &read);
    std::wstring shown = line.substr(0, read);
    shown.erase(shown.find_last_not_of(L' ') + 1);
    text += shown + L"\n";
  }
  return text;
}

// Presses and lets go of a key through a console's input handle.
void PressKey(HANDLE input) {
  INPUT_RECORD keys[2] = {};
  for (int i = 0; i < 2; ++i) {
    keys[i].EventType = KEY_EVENT;
    keys[i].Event.KeyEvent.bKeyDown = i == 0;
    keys[i].Event.KeyEvent.wRepeatCount = 1;
    keys[i].Event.KeyEvent.wVirtualKeyCode = VK_SPACE;
    keys[i].Event.KeyEvent.uChar.UnicodeChar = L' ';
  }
  DWORD written = 0;
  WriteConsoleInputW(input, keys, 2, &written);
}

// Starts the check, suspended, with this process's console as its input and
// output.
PROCESS_INFORMATION Start(const std::wstring& exe, const std::wstring& arguments,
                          const std::wstring& folder) {
  std::wstring line = L"\"" + exe + L"\"" + arguments;
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  const HANDLE in =
      CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  &inherited, OPEN_EXISTING, 0, nullptr);
  const HANDLE out =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  &inherited, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = startup.hStdError = out;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                      folder.c_str(), &startup, &process))
    std::printf("cannot start the check: error %lu\n", GetLastError());
  CloseHandle(in);
  CloseHandle(out);
  return process;
}

// As Explorer starts it: in a console window that is its alone, made here
// (its screen buffer large enough for the whole report) and left before the
// check runs. The report in the window, a wait, a key ends it. The window is
// read and the key pressed through handles kept from before it was left.
void InOwnWindow(const std::wstring& exe, const std::wstring& disc, const std::wstring& arguments,
                 const char* how) {
  FreeConsole();
  AllocConsole();
  const HANDLE screen =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  const HANDLE input =
      CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  SetConsoleScreenBufferSize(screen, COORD{300, 2000});
  // A code page without Cyrillic letters: characters written as such show
  // right all the same.
  SetConsoleOutputCP(437);
  SetConsoleCP(437);
  const PROCESS_INFORMATION process = Start(exe, arguments, disc);
  FreeConsole();
  if (!process.hProcess) {
    Say(false, how);
    CloseHandle(screen);
    CloseHandle(input);
    return;
  }
  ResumeThread(process.hThread);
  std::wstring text;
  for (int i = 0; i < 300 && text.find(L"Press a key") == std::wstring::npos; ++i) {
    const bool ended = WaitForSingleObject(process.hProcess, 200) == WAIT_OBJECT_0;
    text = ConsoleText(screen);
    if (ended) break;
  }
  DWORD status = STILL_ACTIVE;
  GetExitCodeProcess(process.hProcess, &status);
  if (status != STILL_ACTIVE) std::printf("%s: it ended with %lu\n", how, status);
  std::printf("%s: the window shows:\n%s\n", how, Utf8(text).c_str());
  Say(text.find(L"Disc check of " + disc + L"\n") == 0, "the report's first line names the folder");
  Say(text.find(L"\nПрезентации\n") != std::wstring::npos &&
          text.find(L"Публикации") != std::wstring::npos,
      "the Russian captions read right");
  Say(text.find(L"Press a key") != std::wstring::npos, "it asks for a key");
  Say(WaitForSingleObject(process.hProcess, 1000) == WAIT_TIMEOUT, "it waits for the key");
  PressKey(input);
  const bool ended = WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0;
  Say(ended, "a key ends it");
  if (!ended) TerminateProcess(process.hProcess, 3);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CloseHandle(screen);
  CloseHandle(input);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fputs("usage: check_console.exe <DemoDiscCheck.exe> <disc folder>\n", stderr);
    return 2;
  }
  const std::wstring exe = argv[1], disc = argv[2];
  InOwnWindow(exe, disc, L"", "started without a folder");
  InOwnWindow(exe, disc, L" \"" + disc + L"\"", "the folder dropped on it");

  // In a console shared with the program that started it (a shell's), it
  // ends without a key.
  FreeConsole();
  AllocConsole();
  const PROCESS_INFORMATION process = Start(exe, L" \"" + disc + L"\"", disc);
  if (process.hThread) ResumeThread(process.hThread);
  const bool ended =
      process.hProcess && WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
  Say(ended, "in a shared console it ends by itself");
  if (process.hProcess) {
    if (!ended) TerminateProcess(process.hProcess, 3);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  FreeConsole();
  return failures == 0 ? 0 : 1;
}
