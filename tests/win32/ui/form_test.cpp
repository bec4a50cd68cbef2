// A form's messages run through the dispatch guard: an error that escapes a
// handler goes to the default error display and the program goes on. The
// modal loop disables the other windows while it runs.
#include <gtest/gtest.h>

#include <functional>

#include "base/errors.h"
#include "support/test_support.h"
#include "ui/error_display_win.h"
#include "ui/form.h"

namespace demodisc {
namespace {

using testing::DialogWatcher;

constexpr UINT kThrowIoError = WM_APP + 1;
constexpr UINT kThrowWithStop = WM_APP + 2;

class ThrowingForm final : public Form {
 public:
  ThrowingForm() {
    CreateForm({L"TThrowingForm"},
               {.bounds = {0, 0, 200, 100}, .text = "Throwing", .style = WS_OVERLAPPEDWINDOW});
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

}  // namespace
}  // namespace demodisc
