// The catalogue's item actions: presentations, demo programs, video clips
// in the external player, and the notice window for items not on the disc.
#include <exception>

#include "launcher/run_and_wait_win.h"
#include "ui/MainDemo/main_form.h"
#include "ui/frmBlend/form_blenge.h"
#include "ui/message_dialogs_win.h"

namespace demodisc {

void MainForm::ExecuteAction(const CatalogueAction& action) {
  switch (action.effect) {
    case Effect::Presentation:
      StartAllPresent(action.presentation);
      break;
    case Effect::Ostravilenka:
      Act_v1_5Execute();
      break;
    case Effect::Vortan4:
      Go_Vortan4();
      break;
    case Effect::Notice:
      ShowNotice();
      break;
    case Effect::Video:
      PlayVideo(Text(action.clip));
      break;
  }
}

void MainForm::StartAllPresent(int index) {
  const std::optional<Text> file = PresentationFile(index);
  if (!file) return;
  // A presentation that cannot be started shows nothing.
  RunAndWait(folders_.PresentationDir + *file, Text(), 1);
}

void MainForm::PlayVideo(const Text& fileName) {
  bool started = false;
  try {
    started = RunAndWait(folders_.LA20KDir + "LA.exe", folders_.VideoDir + fileName, 1);
  } catch (const std::exception&) {
    started = false;
  }
  if (!started) ShowPlainMessage("Ошибка запуска медиа-плейера ...");
}

void MainForm::Go_Vortan4() { RunAndWait(folders_.Vortan4Dir + "1.bat", Text(), 1); }

void MainForm::Act_v1_5Execute() {
  RunAndWait(folders_.Ostravilenka15Dir + "Rolik.bat", Text(), 1);
}

void MainForm::ShowNotice() {
  if (secondary_.notice) secondary_.notice->ShowModal();
}

}  // namespace demodisc
