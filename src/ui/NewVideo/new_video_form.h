// The video window: plays the disc's clip in Panel1, with play, pause and
// stop buttons and the running time in a toolbar along its bottom.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "control_rules/ui_scale.h"
#include "media/mci_player_win.h"
#include "media/video_playback.h"
#include "ui/form.h"
#include "ui/look/gdi.h"
#include "ui/look/image_list.h"

namespace demodisc {

class NewVideoForm : public Form, private VideoView {
 public:
  // Command identifiers of the three tool buttons.
  enum : int { kIdPlay = 101, kIdPause = 102, kIdStop = 103 };

  void CreateWindowed(HWND mainWindow);

  const Text& RootDir() const { return rootDir_; }
  MciPlayer& MediaPlayer1() { return mediaPlayer1_; }
  const VideoPlayback& Behaviour() const { return playback_; }

  // Handlers of the seek bar (no control of the layout invokes them).
  void RxSlider1MouseDown() { playback_.RxSlider1MouseDown(); }
  void RxSlider1MouseUp() { playback_.RxSlider1MouseUp(); }

 protected:
  void FormCreate();
  void FormActivate() override;
  void FormClose() override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void CreateControls() override;
  // The toolbar's two edge lines.
  void Paint(HDC dc, const RECT& dirty) override;

 private:
  void CreateToolBar(HFONT font);
  void ArrangeControls();

  // VideoView
  void SetButtonDown(VideoButton button) override;
  void SetTimerEnabled(bool enabled) override;
  void SetTimeText(const Text& text) override;
  void ShowErrorMessage(const Text& text) override;

  static LRESULT CALLBACK ToolBarProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                      DWORD_PTR self);

  Text rootDir_;
  MciPlayer mediaPlayer1_;
  VideoPlayback playback_{mediaPlayer1_, *this};

  OwnedBrush timeBrush_;
  ImageList imageList1_;
  Window panel1_;
  Window toolBar1_;
  Window panTime_;
};

}  // namespace demodisc
