// The catalogue's item actions: presentations and demo programs run and
// waited for, clips in the external player, documents and web addresses
// opened without waiting, and the notice window for items not on the disc.
#include <windows.h>
#include <shellapi.h>

#include <exception>

#include "base/wide_win.h"
#include "launcher/run_and_wait_win.h"
#include "ui/MainDemo/main_form.h"
#include "ui/access/com_apartment_win.h"
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
void RunPlayerOn(const Text& player, const Text& clip) {
  bool started = false;
  try {
    started = RunAndWait(player, clip, 1);
  } catch (const std::exception&) {
    started = false;
  }
  if (!started) ShowPlainMessage(kPlayerStartFailed);
}

void RunPlayer(const Text& rootDir, const DiscFile& player, const DiscFile& clip) {
  RunPlayerOn(DiscPath(rootDir, player), DiscPath(rootDir, clip));
}

// A document or an address in the program Windows associates with it, not
// waited for; one that does not open says so in the program's own message.
void OpenInShell(HWND owner, const Text& target, const Text& folder) {
  const std::wstring file = Wide(target);
  const std::wstring directory = Wide(folder);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.lpDirectory = folder.empty() ? nullptr : directory.c_str();
  info.nShow = SW_SHOWNORMAL;
  // The shell's handlers may be COM objects.
  ComApartmentReady();
  if (!ShellExecuteExW(&info)) ShowPlainMessage("Не удалось открыть " + target);
}

}  // namespace

void MainForm::ExecuteItem(const DescribedItem& item) {
  const Text& root = folders_.RootDir;
  switch (item.action) {
    case ItemAction::Run:
      return void(RunAndWait(root + item.target, Text(), 1));
    case ItemAction::Play:
      return RunPlayerOn(root + description_.player, root + item.target);
    case ItemAction::Notice:
      return ShowNotice();
    case ItemAction::Open: {
      const Text path = root + item.target;
      return OpenInShell(hwnd(), path, path.substr(0, path.rfind('\\') + 1));
    }
    case ItemAction::Web:
      return OpenInShell(hwnd(), item.target, Text());
  }
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
