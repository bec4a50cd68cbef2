// The main window's controls, in the order of their creation.
#pragma once

#include "ui/MainDemo/main_form.h"

namespace demodisc {

struct MainForm::Controls {
  ImageList ImgLst_Demo;

  PageControl PgCtrl_disk;
  Panel* Present = nullptr;
  Panel* Artikel = nullptr;
  Panel* Demo = nullptr;
  Panel* Video = nullptr;
  Panel* Gebit_Benutzt = nullptr;

  ButtonGroup BGrp_present;
  Memo Mm_Hint;
  StringGrid StrGrd_Bibl;
  Panel Pan_Publ;
  Memo Mm_artikel;
  PictureButton BBtn_ReadDoc;
  Label Lab_AttentDemo;
  ButtonGroup ButGrp_demo;
  Memo Mm_Demo;
  ButtonGroup ButGrp_Video;
  Memo Mm_Video;
  ButtonGroup But_Grp_user;
  Memo Mm_use;

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
