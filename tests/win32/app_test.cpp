// The dispatch guard, the default error display, the modal loop and the
// order of the windows at start-up.
#include <gtest/gtest.h>

#include <functional>

#include "app/application_win.h"
#include "app/error_display_win.h"
#include "app/message_dialogs_win.h"
#include "base/errors.h"
#include "base/files_win.h"
#include "base/wide_win.h"
#include "support/main_window_fixture.h"
#include "support/test_support.h"
#include "ui/form.h"

namespace demodisc {
namespace {

using testing::DialogWatcher;

constexpr UINT kThrowIoError = WM_APP + 1;
constexpr UINT kThrowWithStop = WM_APP + 2;

class ThrowingForm final : public Form {
 public:
  ThrowingForm() {
    RegisterClass(L"TThrowingForm");
    CreateForm(L"TThrowingForm", "Throwing", WS_OVERLAPPEDWINDOW, 0, 200, 100, nullptr);
  }
  int handled = 0;
  std::function<void()> onApp3 = [] {};

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == kThrowIoError) throw InOutError(2);
    if (msg == kThrowWithStop) throw AppError("Stops here.");
    if (msg == WM_APP + 3) {
      onApp3();
      return ++handled;
    }
    return Form::HandleMessage(msg, wp, lp);
  }
};

TEST(DefaultErrorDisplay, ShowsAnErrorThatEscapesAHandlerAndGoesOn) {
  ThrowingForm form;
  form.Show();
  DialogWatcher watcher;
  SendMessageW(form.hwnd(), kThrowIoError, 0, 0);
  SendMessageW(form.hwnd(), kThrowWithStop, 0, 0);
  ASSERT_EQ(watcher.seen().size(), 2u);
  EXPECT_EQ(watcher.seen()[0].className, "#32770");
  EXPECT_EQ(watcher.seen()[0].caption, "win32_tests");
  EXPECT_EQ(watcher.seen()[0].text, "File not found.");
  EXPECT_EQ(watcher.seen()[1].text, "Stops here.");
  // The window goes on handling messages.
  EXPECT_EQ(SendMessageW(form.hwnd(), WM_APP + 3, 0, 0), 1);
}

TEST(DefaultErrorDisplay, TitleComesFromTheProgramName) { EXPECT_EQ(AppTitle(), "win32_tests"); }

TEST(ModalLoop, ReturnsCancelWhenClosedAndDisablesTheOtherWindows) {
  ThrowingForm owner;
  owner.Show();
  ThrowingForm modal;
  bool ownerEnabledWhileModal = true;
  modal.onApp3 = [&] { ownerEnabledWhileModal = IsWindowEnabled(owner.hwnd()) != FALSE; };
  // Both arrive through the modal loop: the probe, then the close request.
  PostMessageW(modal.hwnd(), WM_APP + 3, 0, 0);
  PostMessageW(modal.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(modal.ShowModal(), kModalCancel);
  EXPECT_EQ(modal.handled, 1);
  EXPECT_FALSE(ownerEnabledWhileModal);
  EXPECT_FALSE(modal.IsShown());
  EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
}

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

TEST(MessageDialogs, HaveTheRuntimeCaptionsAndAnswers) {
  DialogWatcher watcher(IDYES);
  EXPECT_TRUE(AskWarningYesNo("Question?"));
  watcher.set_answer(IDNO);
  EXPECT_FALSE(AskWarningYesNo("Question?"));
  watcher.set_answer(IDCANCEL);  // Escape answers No
  EXPECT_FALSE(AskWarningYesNo("Question?"));
  watcher.set_answer(IDOK);
  ShowPlainMessage("Plain");
  ShowErrorMessage("Broken");
  ASSERT_EQ(watcher.seen().size(), 5u);
  EXPECT_EQ(watcher.seen()[0].caption, "Warning");
  EXPECT_EQ(watcher.seen()[0].text, "Question?");
  EXPECT_EQ(watcher.seen()[3].caption, "win32_tests");
  EXPECT_EQ(watcher.seen()[3].text, "Plain");
  EXPECT_EQ(watcher.seen()[4].caption, "Error");
  EXPECT_EQ(watcher.seen()[4].text, "Broken");
}

}  // namespace
}  // namespace demodisc
