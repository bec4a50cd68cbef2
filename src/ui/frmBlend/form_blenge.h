// The notice window: the chosen item is not available on this disc.
#pragma once

#include <memory>

#include "launcher/disc_description.h"
#include "ui/controls/panel.h"
#include "ui/controls/picture.h"
#include "ui/controls/picture_button.h"
#include "ui/form.h"

namespace demodisc {

class FormBlenge : public Form {
 public:
  static constexpr int kClientWidth = 273;
  static constexpr int kClientHeight = 352;

  // Created hidden with the disc's texts; its first showing centres it over
  // the main window.
  void CreateWindowed(HWND mainWindow, const DiscTexts& texts = BuiltInDescription().uiTexts);

 protected:
  void CreateControls() override;
  std::shared_ptr<void> ReleaseControls() override;
  void PlaceAtFirstShowing() override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void BBtn_ExitClick();
  void AlignControls();

  HWND mainWindow_ = nullptr;
  DiscTexts texts_;
  // Made anew when the window is laid out at another scale.
  struct Controls {
    Panel Pan_Up;
    Picture Img_Werker;
    Panel Pan_Btn;
    PictureButton BBtn_Exit;
  };
  std::unique_ptr<Controls> ui_;
};

}  // namespace demodisc
