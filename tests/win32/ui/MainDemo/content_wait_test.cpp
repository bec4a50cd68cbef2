// The main window while a started program runs: it paints and answers other
// programs, the system never takes it as hung, and the user's input waits in
// the queue until the program has ended.
#include <gtest/gtest.h>

#include <map>

#include "base/wide_win.h"
#include "control_rules/button_group_rules.h"
#include "launcher/hint_texts.h"
#include "support/input.h"
#include "support/main_window_fixture.h"

namespace demodisc {
namespace {

using testing::MainWindowTest;
using testing::PumpMessages;
using testing::RecordedLines;
using testing::WriteFileBytes;

class ContentWaitTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    record_ = Disc("record.txt");
    for (const auto& f : HintFiles(hpPresent)) WriteHint(Text(f), "");
  }
  static Text Handle(HWND h) { return std::to_string(reinterpret_cast<UINT_PTR>(h)); }

  Text record_;
};

TEST_F(ContentWaitTest, WindowPaintsAndAnswersWhileAPresentationRunsAndInputWaits) {
  HWND group = Named("BGrp_present");
  HWND memo = Named("Mm_Hint");
  WriteHint("about.txt", "first");
  WriteHint("base_mod.txt", "second");
  Hover(group, 0);
  ASSERT_EQ(WindowTextUtf8(memo), "first");
  // The presentation is the watcher: it posts a pointer move onto the second
  // button while the program waits for it.
  const int y = kButtonGroupItemHeight + kButtonGroupItemHeight / 2;
  WriteFileBytes(Disc("Presentation\\play_about.bat"),
                 "@echo off\r\n\"" + testing::TestProgramDir() + "\\watch_window.exe\" " +
                     Handle(main().hwnd()) + " " + Handle(group) + " 100 " + std::to_string(y) +
                     " " + Handle(memo) + "\r\n");
  SetEnvironmentVariableW(L"DEMODISC_RECORD", Wide(record_).c_str());
  const DWORD start = GetTickCount();
  Click(group, 0);
  SetEnvironmentVariableW(L"DEMODISC_RECORD", nullptr);
  EXPECT_GE(GetTickCount() - start, 5500u) << "the click returned before the content ended";

  std::map<Text, Text> seen;
  for (const Text& line : RecordedLines(record_, true))
    seen[line.substr(0, line.find(' '))] = line.substr(line.find(' ') + 1);
  ASSERT_EQ(seen.size(), 4u);
  const Text answered = seen["answered"];
  EXPECT_EQ(answered.substr(0, 1), "1");
  EXPECT_LT(std::stoi(answered.substr(2)), 1000);
  EXPECT_EQ(seen["painted"], "1");
  EXPECT_EQ(seen["memo"], "first") << "the pointer move was handled during the wait";
  EXPECT_EQ(seen["hung"], "0");
  // Afterwards the waiting pointer move is handled.
  PumpMessages(200, [&] { return WindowTextUtf8(memo) == "second"; });
  EXPECT_EQ(WindowTextUtf8(memo), "second");
}

TEST_F(ContentWaitTest, RealDoubleClickRunsTheItemTwiceOneAfterTheOther) {
  WriteFileBytes(Disc("Presentation\\play_bm.bat"),
                 "@echo off\r\necho start>> \"" + record_ +
                     "\"\r\nping -n 2 127.0.0.1 >nul\r\necho end>> \"" + record_ + "\"\r\n");
  HWND group = Named("BGrp_present");
  testing::BringToFront(main().hwnd());
  const POINT second{100, kButtonGroupItemHeight + kButtonGroupItemHeight / 2};
  testing::MovePointerTo(group, second);
  PumpMessages(100);
  testing::ClickAt(group, second);
  testing::ClickAt(group, second);
  testing::FlushInput();
  PumpMessages(6000, [&] { return RecordedLines(record_, false).size() >= 4; });
  std::vector<Text> lines = RecordedLines(record_, false);
  for (Text& l : lines)
    while (!l.empty() && l.back() == ' ') l.pop_back();
  EXPECT_EQ(lines, (std::vector<Text>{"start", "end", "start", "end"}));
}

}  // namespace
}  // namespace demodisc
