// The program's own message dialogs: their captions, texts and answers.
#include <gtest/gtest.h>

#include "support/test_support.h"
#include "ui/message_dialogs_win.h"

namespace demodisc {
namespace {

using testing::DialogWatcher;

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
