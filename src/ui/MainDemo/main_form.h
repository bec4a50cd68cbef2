// The main window: the disc's catalogue, the publications, the control panel
// and the maker's contacts.
#pragma once

#include "launcher/disc_folders.h"
#include "ui/form.h"

namespace demodisc {

class FormBlenge;
class NewVideoForm;
class ViewPicForm;

// The three secondary windows, created after the main window.
struct SecondaryForms {
  ViewPicForm* photo = nullptr;
  NewVideoForm* video = nullptr;
  FormBlenge* notice = nullptr;
};

class MainForm : public Form {
 public:
  static constexpr int kClientWidth = 656;
  static constexpr int kClientHeight = 545;

  // Creates the window hidden; computes the disc folders from the current directory.
  void CreateWindowed();
  void SetSecondaryForms(const SecondaryForms& forms) { secondary_ = forms; }

  const DiscFolders& folders() const { return folders_; }

  // Shown by no control: the video and the photo windows, modally.
  void abcPicSpeedBtn1Click();
  void abcPicSpeedBtn2Click();

 protected:
  void FormCreate();
  void FormActivate() override;
  bool FormCloseQuery() override;
  bool IsMainForm() const override { return true; }

 private:
  DiscFolders folders_;
  SecondaryForms secondary_;
  bool activated_ = false;
};

}  // namespace demodisc
