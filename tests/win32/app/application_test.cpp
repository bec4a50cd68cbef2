// The application object: the order of the windows at start-up, and its own
// window, the program's one taskbar entry.
#include <gtest/gtest.h>

#include "app/application_win.h"
#include "base/files_win.h"
#include "base/wide_win.h"
#include "support/current_directory.h"
#include "support/main_window_fixture.h"
#include "support/test_support.h"
#include "ui/error_display_win.h"

namespace demodisc {
namespace {

std::vector<std::wstring> gCreated;

LRESULT CALLBACK RecordCreation(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) {
    auto* cs = reinterpret_cast<CBT_CREATEWNDW*>(lp)->lpcs;
    if (!(cs->style & WS_CHILD) && !IS_INTRESOURCE(cs->lpszClass))
      gCreated.push_back(cs->lpszClass);
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

TEST(Application, CreatesTheFourWindowsInOrderAndTakesTheFoldersFromTheCurrentDirectory) {
  testing::TempDir dir;
  wchar_t old[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, old);
  SetCurrentDirectoryW(Wide(dir.path()).c_str());
  {
    Application app;
    gCreated.clear();
    HHOOK hook = SetWindowsHookExW(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
    app.CreateForms();
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(app.mainForm().folders().RootDir, dir.path() + "\\");
    EXPECT_EQ(app.mainForm().folders().HintsDir, dir.path() + "\\Hints\\");
    EXPECT_EQ(app.videoForm().RootDir(), dir.path() + "\\");
    std::vector<std::wstring> order;
    for (const auto& name : gCreated)
      if (name == L"TMainForm" || name == L"TViewPicForm" || name == L"TNewVideoForm" ||
          name == L"TFormBlenge")
        order.push_back(name);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"TMainForm", L"TViewPicForm", L"TNewVideoForm",
                                                L"TFormBlenge"}));
    EXPECT_FALSE(app.photoForm().IsShown());
    EXPECT_FALSE(app.videoForm().IsShown());
    EXPECT_FALSE(app.noticeForm().IsShown());
    // Client area 656 x 545.
    RECT rc;
    GetClientRect(app.mainForm().hwnd(), &rc);
    EXPECT_EQ(rc.right, 656);
    EXPECT_EQ(rc.bottom, 545);
  }
  SetCurrentDirectoryW(old);
}

std::vector<std::wstring> SecondaryWindowsCreated() {
  std::vector<std::wstring> made;
  for (const auto& name : gCreated)
    if (name == L"TViewPicForm" || name == L"TNewVideoForm" || name == L"TFormBlenge")
      made.push_back(name);
  return made;
}

// The program's own run: the main window is up before the three hidden
// windows are made; the first use of any makes all three in their order,
// from the folder the program started in.
TEST(Application, StartMakesTheHiddenWindowsInTheirOrderAtTheFirstUseOfAny) {
  testing::TempDir dir;
  const testing::CurrentDirectoryScope cwd(dir.path());
  Application app;
  gCreated.clear();
  HHOOK hook = SetWindowsHookExW(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
  bool shownFirst = false;
  std::vector<std::wstring> beforeUse, afterUse;
  testing::TimedSteps steps({
      [&] {
        shownFirst = app.mainForm().IsShown();
        beforeUse = SecondaryWindowsCreated();
        app.mainForm().ShowNotice();
        afterUse = SecondaryWindowsCreated();
        app.mainForm().ShowNotice();
        PostMessageW(app.mainForm().hwnd(), WM_CLOSE, 0, 0);
      },
      [&] { PostMessageW(app.noticeForm().hwnd(), WM_CLOSE, 0, 0); },
      [&] { PostMessageW(app.noticeForm().hwnd(), WM_CLOSE, 0, 0); },
  });
  // Should the steps not close it, the guard ends the loop with 99.
  EXPECT_EQ(testing::RunLoopAtMost(10000, [&] { return app.Start(); }), 0);
  UnhookWindowsHookEx(hook);
  EXPECT_TRUE(shownFirst);
  EXPECT_TRUE(beforeUse.empty());
  EXPECT_EQ(afterUse,
            (std::vector<std::wstring>{L"TViewPicForm", L"TNewVideoForm", L"TFormBlenge"}));
  // Made once: the second use made nothing more.
  EXPECT_EQ(SecondaryWindowsCreated(), afterUse);
  EXPECT_EQ(app.videoForm().RootDir(), dir.path() + "\\");
}

// The windows the taskbar shows an entry for: visible, with no owner and not
// tool windows, or marked as application windows.
BOOL CALLBACK AddTaskbarEntry(HWND w, LPARAM entries) {
  const LONG_PTR ex = GetWindowLongPtrW(w, GWL_EXSTYLE);
  if (IsWindowVisible(w) &&
      ((!GetWindow(w, GW_OWNER) && !(ex & WS_EX_TOOLWINDOW)) || (ex & WS_EX_APPWINDOW)))
    reinterpret_cast<std::vector<HWND>*>(entries)->push_back(w);
  return TRUE;
}

std::vector<HWND> TaskbarEntries() {
  std::vector<HWND> entries;
  EnumThreadWindows(GetCurrentThreadId(), AddTaskbarEntry, reinterpret_cast<LPARAM>(&entries));
  return entries;
}

using ApplicationWindowTest = testing::MainWindowTest;

TEST_F(ApplicationWindowTest, IsTheOneTaskbarEntryWithTheTitleAndOwnsTheMainWindow) {
  const auto entries = TaskbarEntries();
  ASSERT_EQ(entries.size(), 1u);
  const HWND entry = entries[0];
  EXPECT_EQ(WindowTextUtf8(entry), AppTitle());
  EXPECT_EQ(GetWindow(main().hwnd(), GW_OWNER), entry);
  EXPECT_NE(GetClassLongPtrW(entry, GCLP_HICON), 0);
  RECT r;
  GetWindowRect(entry, &r);
  EXPECT_EQ(r.right - r.left, 0);
  EXPECT_EQ(r.bottom - r.top, 0);
  // The main window keeps its own caption.
  EXPECT_EQ(WindowTextUtf8(main().hwnd()), "Демонстрационный диск \"Вортан-технологии\". 2008 г.");
}

TEST_F(ApplicationWindowTest, HandsItsActivationToTheMainWindowAndItsCloseToo) {
  const HWND entry = GetWindow(main().hwnd(), GW_OWNER);
  ASSERT_NE(entry, nullptr);
  // What a click on the taskbar entry does.
  SetActiveWindow(entry);
  testing::PumpMessages(1000, [&] { return GetActiveWindow() == main().hwnd(); });
  EXPECT_EQ(GetActiveWindow(), main().hwnd());
  // Closing the entry closes the main window, which ends the program's loop.
  PostMessageW(entry, WM_CLOSE, 0, 0);
  testing::PumpMessages(1000, [&] { return !main().IsShown(); });
  EXPECT_FALSE(main().IsShown());
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Closing the program, whatever it shows, leaves no window and no GDI object
// behind. Counted after a first run, which made what the process keeps for
// its life (the fonts, the measuring DC), and again after a second.
TEST_F(ApplicationWindowTest, ClosingLeavesNoWindowAndNoGdiObjectBehind) {
  testing::DialogWatcher watcher;
  const auto showEverything = [&] {
    for (int page = MainForm::kGebitBenutzt; page >= MainForm::kPresent; --page) {
      ShowPage(page);
      RedrawWindow(main().hwnd(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    app_->noticeForm().Show();
    app_->photoForm().Show();
    app_->videoForm().Show();
    testing::PumpMessages(300);
  };
  showEverything();
  app_.reset();
  testing::PumpMessages(50);
  const int windows = testing::ThreadWindowCount();
  const int objects = testing::GdiObjectCount();
  StartProgram();
  showEverything();
  EXPECT_GT(testing::ThreadWindowCount(), windows);
  app_.reset();
  testing::PumpMessages(50);
  EXPECT_EQ(testing::ThreadWindowCount(), windows);
  EXPECT_EQ(testing::GdiObjectCount(), objects);
}

}  // namespace
}  // namespace demodisc
