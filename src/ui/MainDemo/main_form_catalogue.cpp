// The catalogue's item actions: presentations, demo programs, video clips
// in the external player, and the notice window for items not on the disc.
// What each starts comes from the catalogue's table of content (ActionContent),
// which the disc check reads too.
#include <exception>

#include "launcher/run_and_wait_win.h"
#include "ui/MainDemo/main_form.h"
#include "ui/frmBlend/form_blenge.h"
#include "ui/message_dialogs_win.h"

namespace demodisc {

namespace {

// A presentation or demo batch file: one that cannot be started shows nothing.
void RunContent(const Text& rootDir, const DiscFile& program) {
  RunAndWait(DiscPath(rootDir, program), Text(), 1);
}

// The external player on a clip; a player that cannot be started, or an
// error on the way, shows the player's start-failure message.
void RunPlayer(const Text& rootDir, const DiscFile& player, const DiscFile& clip) {
  bool started = false;
  try {
    started = RunAndWait(DiscPath(rootDir, player), DiscPath(rootDir, clip), 1);
  } catch (const std::exception&) {
    started = false;
  }
  if (!started) ShowPlainMessage(kPlayerStartFailed);
}

}  // namespace

void MainForm::ExecuteAction(const CatalogueAction& action) {
  if (action.effect == Effect::Notice) return ShowNotice();
  const ActionContentFiles content = ActionContent(action);
  if (!content.program) return;
  if (content.clip)
    RunPlayer(folders_.RootDir, *content.program, *content.clip);
  else
    RunContent(folders_.RootDir, *content.program);
}

void MainForm::StartAllPresent(int index) {
  if (const std::optional<DiscFile> file = PresentationContent(index))
    RunContent(folders_.RootDir, *file);
}

void MainForm::PlayVideo(const Text& fileName) {
  RunPlayer(folders_.RootDir, kVideoPlayer, VideoClip(fileName));
}

void MainForm::Go_Vortan4() { RunContent(folders_.RootDir, kVortan4Program); }

void MainForm::Act_v1_5Execute() { RunContent(folders_.RootDir, kOstravilenkaProgram); }

void MainForm::ShowNotice() {
  if (FormBlenge* notice = Secondary().notice) notice->ShowModal();
}

}  // namespace demodisc
