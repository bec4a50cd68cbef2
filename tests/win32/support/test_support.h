// Shared helpers of the Windows-side tests: temporary folders and files,
// message pumping, and reading and answering message boxes through a
// WH_CBT hook.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/text.h"

namespace demodisc::testing {

// A fresh folder under the temporary folder, removed with its contents at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, without a trailing backslash.
  const Text& path() const { return path_; }
  // path() + "\" + relative.
  Text operator/(const Text& relative) const { return path_ + "\\" + relative; }

 private:
  Text path_;
};

// Writes bytes to a file, creating its folders.
void WriteFileBytes(const Text& path, const std::string& bytes);
// UTF-8 text in cp1251, as the disc's text files hold it.
std::string Cp1251(std::string_view text);
// The bytes of a file; empty when it cannot be read.
std::string ReadFileBytes(const Text& path);
bool FileExists(const Text& path);
void MakeDirs(const Text& path);
// The lines of a file that test programs append to (record_args.exe writes
// UTF-16, batch files cp1251), without their line ends.
std::vector<Text> RecordedLines(const Text& path, bool wide);
// The folder of the running test program (where its helper programs lie).
Text TestProgramDir();

// Dispatches the waiting messages, for at most `ms` milliseconds of waiting
// for more, until `done` holds.
void PumpMessages(
    int ms, const std::function<bool()>& done = [] { return false; });

// Runs a message loop (`loop` returns its exit code) under a guard: should
// the loop not have ended after `ms`, a timer ends it with 99.
int RunLoopAtMost(int ms, const std::function<int()>& loop);

// The windows of this thread, top-level and child, and the process's GDI
// objects: what a closing must leave as it found.
int ThreadWindowCount();
int GdiObjectCount();

// A message box or dialog that came up while a watcher was installed.
struct SeenDialog {
  Text caption;
  Text text;       // the message text
  Text className;  // "#32770" for a system message box
};

// Watches the message boxes and the program's message dialogs that come up
// on this thread and answers each by pressing the button with `answer`
// (IDOK, IDYES, IDNO, ...).
class DialogWatcher {
 public:
  explicit DialogWatcher(int answer = IDOK);
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  const std::vector<SeenDialog>& seen() const { return seen_; }
  void set_answer(int answer) { answer_ = answer; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp);
  HHOOK hook_ = nullptr;
  int answer_;
  std::vector<SeenDialog> seen_;
  std::vector<HWND> answered_;
};

// The caption of a tab control's tab.
Text TabCaption(HWND tabs, int index);

}  // namespace demodisc::testing
