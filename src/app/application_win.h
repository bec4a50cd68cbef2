// The application object: creates its own window and the four windows in
// their order, runs the message loop until the main window closes, and
// destroys them at the end.
#pragma once

#include "app/application_window_win.h"
#include "ui/MainDemo/main_form.h"
#include "ui/NewVideo/new_video_form.h"
#include "ui/PicUnit/view_pic_form.h"
#include "ui/frmBlend/form_blenge.h"
#include "ui/screen_scale_win.h"

namespace demodisc {

class Application {
 public:
  // The main window is drawn at `scale` at first, and the notice window at
  // the main window's: by default, where the system would stretch them to
  // the screen's resolution, at that resolution instead.
  explicit Application(UiScale scale = UiScale(AwareDpi()));
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Creates the windows: the application's own, then main, photo, video, notice.
  void CreateForms();
  // Shows the main window, then the application's taskbar entry, and runs
  // messages until the main window has closed.
  int Run();
  // The program's run: the application's window and the main window, shown
  // as soon as it is made; the three hidden ones are made in their order at
  // the first use of any; the messages until the main window has closed.
  int Start();

  MainForm& mainForm() { return main_; }
  ViewPicForm& photoForm() { return photo_; }
  NewVideoForm& videoForm() { return video_; }
  FormBlenge& noticeForm() { return notice_; }

 private:
  void CreateMainForms();
  void CreateSecondaryForms();

  // Declared in the order of creation, so that the windows go in the reverse
  // order, each while its whole object stands.
  UiScale scale_;
  Whole<ApplicationWindow> window_;
  Whole<MainForm> main_;
  Whole<ViewPicForm> photo_;
  Whole<NewVideoForm> video_;
  Whole<FormBlenge> notice_;
};

}  // namespace demodisc
