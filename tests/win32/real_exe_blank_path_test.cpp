// The real program, DemoDisc.exe in a process of its own, started from a
// disc folder with a blank in its path and driven from outside with posted
// input: the player and the reader it starts (recorders) get the clip's and
// the document's path, "my paper.pdf", each as one argument.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "base/wide_win.h"
#include "control_rules/button_group_rules.h"
#include "launcher/hint_texts.h"
#include "support/child_process.h"
#include "support/reader_registration.h"
#include "support/recorder.h"
#include "support/test_support.h"

namespace demodisc {
namespace {

using testing::ArgumentsOf;

struct Wanted {
  const wchar_t* className;
  const wchar_t* text;  // null: any
  HWND found = nullptr;
};

BOOL CALLBACK FindVisible(HWND child, LPARAM param) {
  auto* wanted = reinterpret_cast<Wanted*>(param);
  wchar_t text[64];
  GetClassNameW(child, text, 64);
  if (lstrcmpW(text, wanted->className) || !IsWindowVisible(child)) return TRUE;
  GetWindowTextW(child, text, 64);
  if (wanted->text && lstrcmpW(text, wanted->text)) return TRUE;
  wanted->found = child;
  return FALSE;
}

// A visible child window of the program's main window, by class and text.
HWND VisibleChild(HWND main, const wchar_t* className, const wchar_t* text = nullptr) {
  Wanted wanted{className, text};
  EnumChildWindows(main, FindVisible, reinterpret_cast<LPARAM>(&wanted));
  return wanted.found;
}

bool WaitFor(int ms, const std::function<bool()>& done) {
  for (int waited = 0; waited < ms; waited += 50) {
    if (done()) return true;
    Sleep(50);
  }
  return done();
}

// A left click at a point of another program's window, as posted messages;
// the system's pointer rests there too, so that no mouse-leave notice comes.
void PostClick(HWND window, int x, int y) {
  POINT screen{x, y};
  ClientToScreen(window, &screen);
  SetCursorPos(screen.x, screen.y);
  const LPARAM at = MAKELPARAM(x, y);
  PostMessageW(window, WM_MOUSEMOVE, 0, at);
  Sleep(200);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(window, WM_LBUTTONUP, 0, at);
}

// The centre of a tab of another program's page control, read through
// memory allocated in that program.
POINT TabCentre(HWND tabs, int index) {
  DWORD pid = 0;
  GetWindowThreadProcessId(tabs, &pid);
  POINT centre{-1, -1};
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return centre;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  RECT r{};
  SIZE_T read = 0;
  if (remote && SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote)) &&
      ReadProcessMemory(process, remote, &r, sizeof r, &read))
    centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return centre;
}

// A click on a page's tab; true once the page control shows that page.
bool ShowPage(HWND tabs, int page) {
  const POINT centre = TabCentre(tabs, page);
  if (centre.x < 0) return false;
  PostClick(tabs, centre.x, centre.y);
  return WaitFor(5000, [&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == page; });
}

TEST(RealExeInAFolderWithABlank, ThePlayerAndTheReaderGetTheirPathAsOneArgument) {
  testing::TempDir machine;
  const Text disc = machine / "Demo Disc";
  for (const int page : {hpDemo, hpPresent, hpUser, hpVideo})
    for (const auto& hint : HintFiles(page))
      testing::WriteFileBytes(disc + "\\Hints\\" + Text(hint), "");
  testing::WriteFileBytes(disc + "\\Publication\\vortan_lit.txt",
                          "eng#my paper.pdf#1.  A paper.\r\n");
  ASSERT_TRUE(CopyFileW(Wide(testing::TestProgramDir() + "\\DemoDisc.exe").c_str(),
                        Wide(disc + "\\DemoDisc.exe").c_str(), FALSE));
  const Text player = testing::PlaceRecorder(disc + "\\LA20K\\LA.exe");
  const Text reader = testing::PlaceRecorder(machine / "Reader\\AcroRd32.exe");
  testing::ReaderRegistration key;
  key.SetString("\"" + reader + "\" \"%1\"");
  testing::RecorderFile recorder(machine / "record.txt");  // the program passes it on

  testing::ChildProcess program(disc + "\\DemoDisc.exe", "", disc);
  const HWND main = program.WaitForWindow(L"TMainForm", 30000);
  ASSERT_NE(main, nullptr);
  // The first activation ends on the presentations page.
  HWND tabs = nullptr;
  ASSERT_TRUE(WaitFor(10000, [&] {
    tabs = VisibleChild(main, L"SysTabControl32");
    return tabs && VisibleChild(main, L"TButtonGroup") &&
           SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == 0;
  }));
  Sleep(300);

  // The videos page, its second item: the player on its clip.
  ASSERT_TRUE(ShowPage(tabs, 3));
  HWND videos = nullptr;
  ASSERT_TRUE(WaitFor(5000, [&] { return (videos = VisibleChild(main, L"TButtonGroup")); }));
  PostClick(videos, 100, kButtonGroupItemHeight + kButtonGroupItemHeight / 2);
  ASSERT_TRUE(WaitFor(10000, [&] { return recorder.Runs().size() >= 1; }));

  // The publications page, its first row, the read button: the reader on the document.
  ASSERT_TRUE(ShowPage(tabs, 1));
  HWND grid = nullptr, read = nullptr;
  ASSERT_TRUE(WaitFor(5000, [&] {
    grid = VisibleChild(main, L"TStringGrid");
    read = VisibleChild(main, L"Button", L"Читать ");
    return grid && read;
  }));
  PostClick(grid, 24 + 36 + 60, 18 + 9);
  Sleep(300);
  PostMessageW(read, BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor(10000, [&] { return recorder.Runs().size() >= 2; }));

  const auto runs = recorder.Runs();
  ASSERT_EQ(runs.size(), 2u);
  const Text clip = disc + "\\Video\\SpaceMini_mjpeg.avi";
  EXPECT_EQ(runs[0].commandLine, "\"" + player + "\" \"" + clip + "\"");
  EXPECT_EQ(ArgumentsOf(runs[0].commandLine), (std::vector<Text>{player, clip}));
  EXPECT_EQ(runs[0].workingDir, disc + "\\LA20K");
  const Text document = disc + "\\Publication\\my paper.pdf";
  EXPECT_EQ(runs[1].commandLine, "\"" + reader + "\" \"" + document + "\"");
  EXPECT_EQ(ArgumentsOf(runs[1].commandLine), (std::vector<Text>{reader, document}));

  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(10000), 0u);
}

}  // namespace
}  // namespace demodisc
