// The main window's controls, in the order of their creation.
#pragma once

#include <memory>
#include <vector>

#include "ui/MainDemo/main_form.h"

namespace demodisc {

// A catalogue page's controls: the warning over the buttons (the demo
// page's Lab_AttentDemo), the button group (BGrp_present, ButGrp_demo, ...)
// and the description memo (Mm_Hint, Mm_Demo, ...).
struct MainForm::CatalogueControls {
  Label warning;
  ButtonGroup group;
  Memo memo;
};

struct MainForm::Controls {
  ImageList ImgLst_Demo;

  PageControl PgCtrl_disk;
  // The pages in tab order, and for each catalogue page its controls (none
  // for the publication page).
  std::vector<Panel*> pages;
  std::vector<std::unique_ptr<CatalogueControls>> catalogue;

  Panel* Artikel = nullptr;  // the publication page, when the disc has one
  StringGrid StrGrd_Bibl;
  Panel Pan_Publ;
  Memo Mm_artikel;
  PictureButton BBtn_ReadDoc;

  Panel Pan_Ctrl;
  PictureButton BBtn_Close;
  Label Lab_HInstall;
  PictureButton BBtn_InstallAcrobat;

  Panel Pan_About;
  Panel Pan_AboutAdress;
  Label Lab_HMaker;
  Picture Image1;
  Label Lab_adress;
  Label Lab_koresp;
  Panel Pan_AboutInter;
  Label Lab_HInter;
  Label Lab_www;
  Label Lab_HEmails;
  Label Lab_email_1;
  Label Lab_email_2;
  Label Lab_email_3;
  Panel Pan_AboutPhone;
  Label Lab_HTel;
  Label Lab_tel_1;
  Label Lab_tel_2;
  Panel Pan_AboutPers;
  Label Lab_HPers;
  Label Lab_Director;
  Label Lab_hendy;
  PictureButton BBtn_PrintContact;
  Panel Pan_Slogan10;
};

}  // namespace demodisc
