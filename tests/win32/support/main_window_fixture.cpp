#include "support/main_window_fixture.h"

#include <windows.h>
#include <commctrl.h>

#include <map>

#include "base/wide_win.h"
#include "control_rules/button_group_rules.h"
#include "support/named_control.h"
#include "ui/controls/button_group.h"
#include "ui/controls/string_grid.h"
#include "ui/message_loop_win.h"
#include "ui/screen_scale_win.h"

namespace demodisc::testing {

void MainWindowTest::SetUp() {
  wchar_t old[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, old);
  oldDir_ = old;
  // The pointer stays off the windows until a test moves it: a button
  // under it would become hot and read a description the test has not
  // written yet.
  SetCursorPos(0, 0);
  if (root_.empty()) root_ = disc_.path();
  MakeDirs(Disc("Hints"));
  PrepareDisc();
  StartProgram();
}

void MainWindowTest::StartProgram() {
  // With the trailing backslash "D:" means the drive's root, not its
  // current directory.
  SetCurrentDirectoryW(Wide(root_ + "\\").c_str());
  app_ = std::make_unique<Application>(StartScale());
  app_->CreateForms();
  SetCurrentDirectoryW(oldDir_.c_str());
  main().Show();
  PumpMessages(2000, [&] { return Activated(); });
  PumpMessages(100);
}

HWND MainWindowTest::Named(std::string_view name) const {
  return NamedControl(app_->mainForm(), name);
}

StringGrid& MainWindowTest::Grid() const { return Control<StringGrid>("StrGrd_Bibl"); }

void MainWindowTest::PrepareDisc() {
  WriteFileBytes(Disc("Publication\\vortan_lit.txt"), "eng#paper01.pdf#1.  A sample paper.\r\n");
}

void MainWindowTest::TearDown() {
  SetCursorPos(0, 0);
  app_.reset();
  PumpMessages(50);
}

void MainWindowTest::MoveMouse(HWND window, int x, int y) {
  // The system's pointer goes onto the group's empty part below its last
  // button and rests there, so that the system sees it over the group (and
  // sends no mouse-leave notice) while the posted moves pick the buttons:
  // under Wine the system's own moves after a jump arrive late and in steps.
  auto* group = dynamic_cast<ButtonGroup*>(Window::FromHwnd(window));
  POINT cursor;
  GetCursorPos(&cursor);
  if (group && WindowFromPoint(cursor) != window) {
    POINT rest{10, group->Count() * group->Px(kButtonGroupItemHeight) + 2};
    ClientToScreen(window, &rest);
    SetCursorPos(rest.x, rest.y);
    PumpMessages(600);
  }
  Post(window, WM_MOUSEMOVE, 0, x, y);
}

void MainWindowTest::Post(HWND window, UINT msg, WPARAM wp, int x, int y) {
  PostMessageW(window, msg, wp, MAKELPARAM(x, y));
  PumpMessages(60);
}

void MainWindowTest::ShowPage(int page) {
  SendMessageW(Named("PgCtrl_disk"), TCM_SETCURSEL, page, 0);
  NMHDR n{Named("PgCtrl_disk"), 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(main().hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
  PumpMessages(50);
}

int MainWindowTest::ButtonMiddle(int button) const {
  return app_->mainForm().Px(button * kButtonGroupItemHeight + kButtonGroupItemHeight / 2);
}

void MainWindowTest::Hover(HWND group, int button) { MoveMouse(group, 100, ButtonMiddle(button)); }

void MainWindowTest::Click(HWND group, int button) { ClickAtHeight(group, ButtonMiddle(button)); }

void MainWindowTest::ClickAtHeight(HWND group, int y) {
  MoveMouse(group, 100, y);
  Post(group, WM_LBUTTONDOWN, MK_LBUTTON, 100, y);
  Post(group, WM_LBUTTONUP, 0, 100, y);
}

void MainWindowTest::RunMessages(int ms) {
  RunMessages(ms, [] { return false; });
}

void MainWindowTest::RunMessages(int ms, const std::function<bool()>& done) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  // The timer wakes the loop to look at the clock and at `done`.
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, nullptr);
  RunMessagesUntil([&] { return done() || static_cast<LONG>(end - GetTickCount()) <= 0; });
  KillTimer(nullptr, timer);
}

namespace {
std::map<UINT_PTR, TimedSteps*> gSteps;
}

TimedSteps::TimedSteps(std::vector<std::function<void()>> steps, int intervalMs)
    : steps_(std::move(steps)) {
  timer_ = SetTimer(nullptr, 0, static_cast<UINT>(intervalMs), Tick);
  gSteps[timer_] = this;
}

TimedSteps::~TimedSteps() {
  KillTimer(nullptr, timer_);
  gSteps.erase(timer_);
}

void CALLBACK TimedSteps::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = gSteps.find(id);
  if (it == gSteps.end() || it->second->done()) return;
  TimedSteps* self = it->second;
  self->steps_[self->next_++]();
}

}  // namespace demodisc::testing
