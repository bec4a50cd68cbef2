#include "base/console_win.h"

#include <windows.h>

#include <algorithm>

#include "base/wide_win.h"

namespace demodisc {

namespace {

bool IsConsole(HANDLE handle) {
  DWORD mode;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

// Console writes are given in pieces: older consoles refuse one of more than
// 64 KB. A piece never ends between the two halves of a surrogate pair.
void WriteConsoleText(HANDLE console, const Text& text) {
  const std::wstring wide = Wide(text);
  constexpr std::size_t kPiece = 8192;
  for (std::size_t start = 0; start < wide.size();) {
    std::size_t count = std::min(kPiece, wide.size() - start);
    if (start + count < wide.size() && IS_HIGH_SURROGATE(wide[start + count - 1])) --count;
    DWORD written = 0;
    if (!WriteConsoleW(console, wide.data() + start, static_cast<DWORD>(count), &written,
                       nullptr) ||
        written == 0)
      return;
    start += written;
  }
}

void WriteBytes(HANDLE file, const Text& text) {
  for (std::size_t start = 0; start < text.size();) {
    DWORD written = 0;
    const DWORD count = static_cast<DWORD>(std::min<std::size_t>(text.size() - start, 1 << 20));
    if (!WriteFile(file, text.data() + start, count, &written, nullptr) || written == 0) return;
    start += written;
  }
}

HANDLE StandardHandle(StandardStream stream) {
  return GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

}  // namespace

bool IsConsole(StandardStream stream) { return IsConsole(StandardHandle(stream)); }

void WriteStandard(StandardStream stream, const Text& text) {
  if (text.empty()) return;
  const HANDLE handle = StandardHandle(stream);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  if (IsConsole(handle))
    WriteConsoleText(handle, text);
  else
    WriteBytes(handle, text);
}

bool OwnsItsConsole() {
  if (!IsConsole(GetStdHandle(STD_INPUT_HANDLE)) || !IsConsole(GetStdHandle(STD_OUTPUT_HANDLE)))
    return false;
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1;
}

void WaitForKey(const Text& prompt) {
  WriteStandard(StandardStream::Output, prompt);
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  FlushConsoleInputBuffer(input);
  for (;;) {
    INPUT_RECORD record;
    DWORD read = 0;
    if (!ReadConsoleInputW(input, &record, 1, &read)) return;
    if (read == 1 && record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) return;
  }
}

}  // namespace demodisc
