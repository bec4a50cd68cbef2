// The program's windows on a temporary disc: the current directory is the
// disc's root while the windows are created, the main window is shown and
// its activation has run.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/application_win.h"
#include "support/test_support.h"
#include "ui/controls/string_grid.h"
#include "ui/screen_scale_win.h"

namespace demodisc::testing {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Creates the program's windows on the disc and shows the main window, as
  // SetUp does; after app_.reset() it starts the program again.
  void StartProgram();

  // The disc's files that must be there when the main window first shows;
  // the default writes a publication list of one line.
  virtual void PrepareDisc();
  // True once the first activation has run; the default waits for the page
  // it ends on.
  virtual bool Activated() { return main().CurrentPage() == MainForm::kPresent; }
  // The scale the main window is first drawn at: 96 dpi, whatever the prefix's.
  virtual UiScale StartScale() const { return UiScale(); }

  MainForm& main() { return app_->mainForm(); }
  FormBlenge& notice() { return app_->noticeForm(); }
  // A control of the main window by its name, and its object.
  HWND Named(std::string_view name) const;
  template <class W>
  W& Control(std::string_view name) const {
    W* control = app_->mainForm().Named<W>(name);
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }
  // The publication grid's object.
  StringGrid& Grid() const;

  // A file of the disc, relative to its root.
  Text Disc(const Text& relative) const { return root_ + "\\" + relative; }
  // A description file: the text given in UTF-8, written in cp1251; or its bytes as they are.
  void WriteHint(const Text& name, std::string_view text) { WriteHintBytes(name, Cp1251(text)); }
  void WriteHintBytes(const Text& name, const std::string& bytes) {
    WriteFileBytes(Disc("Hints\\" + name), bytes);
  }

  // Real pointer input on a child window: the cursor goes there, and the
  // mouse message is posted and handled.
  void MoveMouse(HWND window, int x, int y);
  void Post(HWND window, UINT msg, WPARAM wp, int x, int y);
  // Selects a page of the page control as a click on its tab does.
  void ShowPage(int page);
  // The height of the middle of a catalogue button, at the main window's scale.
  int ButtonMiddle(int button) const;
  // The pointer onto a catalogue button; a left click on it.
  void Hover(HWND group, int button);
  void Click(HWND group, int button);
  // A left click at a height in the group, 100 pixels from its left.
  void ClickAtHeight(HWND group, int y);
  // Runs the program's own message loop (dialog keys included) for a while.
  void RunMessages(int ms);
  // The same until `done` says so, at most for `ms`.
  void RunMessages(int ms, const std::function<bool()>& done);

  TempDir disc_;
  // The disc's root: the temporary folder unless a test's constructor sets
  // another one (a folder inside it, a drive root).
  Text root_;
  std::unique_ptr<Application> app_;

 private:
  std::wstring oldDir_;
};

// The resolutions the windows are tested at: 100 %, 125 %, 150 % and 200 %.
inline constexpr int kTestedDpis[] = {96, 120, 144, 192};

// A fixture of the program with its windows drawn at the parameter's
// resolution, as where the process is per-monitor aware on a screen of that
// resolution.
template <class Base>
class AtScale : public Base, public ::testing::WithParamInterface<int> {
 protected:
  UiScale StartScale() const override { return Scale(); }
  // The parameter's scale, to compute what the window should show.
  UiScale Scale() const { return UiScale(this->GetParam()); }
};
using ScaledMainWindowTest = AtScale<MainWindowTest>;

// The name of a resolution's case: "Dpi144".
inline std::string DpiName(const ::testing::TestParamInfo<int>& info) {
  return "Dpi" + std::to_string(info.param);
}

// Runs `steps`, one every `intervalMs`, from a timer of this thread, also
// while a modal window or message loop is running.
class TimedSteps {
 public:
  TimedSteps(std::vector<std::function<void()>> steps, int intervalMs = 150);
  ~TimedSteps();
  bool done() const { return next_ >= steps_.size(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  std::vector<std::function<void()>> steps_;
  std::size_t next_ = 0;
  UINT_PTR timer_ = 0;
};

}  // namespace demodisc::testing
