// The main window's layout: the page control with the five pages, the
// control panel on the right and the contact panel at the bottom. Controls
// are created in tab order; their places come from their alignment.
#include "publications/publication_grid_win.h"
#include "resource_ids.h"
#include "ui/MainDemo/main_form.h"
#include "ui/controls/alignment.h"
#include "ui/controls/colours.h"
#include "ui/controls/fonts.h"

namespace demodisc {

namespace {

constexpr int kContactHeight = 115;
constexpr int kControlWidth = 102;
constexpr int kPageWidth = 546;

HFONT WindowFont() { return UiFont({L"MS Sans Serif", 11}); }
HFONT TabFont() { return UiFont(Arial(11, true)); }
HFONT MemoFont() { return UiFont(Arial(11, false, true)); }

}  // namespace

void MainForm::BuildLayout() {
  SetControlFont(hwnd(), WindowFont());
  ImgLst_Demo.Load(IDB_CATALOGUE, kCatalogueImageSize, kCatalogueImageSize);

  // The page control first: the keyboard starts on its tab row.
  PgCtrl_disk.Create(hwnd(), {0, 0, kClientWidth - kControlWidth, kClientHeight - kContactHeight},
                     TabFont());
  Name("PgCtrl_disk", PgCtrl_disk.hwnd());
  BuildPages();
  BuildControlPanel();
  BuildContactPanel();

  PlaceAligned(hwnd(), 0,
               {{Pan_About.hwnd(), AlignBottom(kContactHeight)},
                {Pan_Ctrl.hwnd(), AlignRight(kControlWidth)},
                {PgCtrl_disk.hwnd(), AlignFill()}});
  PgCtrl_disk.SetCurrent(kDemo);
}

void MainForm::BuildCataloguePage(Panel& page, ButtonGroup& group, Category category, Memo& memo,
                                  void (MainForm::*hotHandler)(int)) {
  std::vector<ButtonGroup::Item> items;
  for (const CatalogueItem& item : CatalogueItems(category)) {
    const CatalogueAction* action = FindAction(item.action);
    ButtonGroup::Item button;
    button.caption = ShownCaption(item);
    if (action) {
      button.imageIndex = action->imageIndex;
      button.onClick = [this, action] { ExecuteAction(*action); };
    }
    items.push_back(std::move(button));
  }
  group.Create(page.hwnd(), {}, TabFont(), &ImgLst_Demo, std::move(items));
  group.onHotButton = [this, hotHandler](int index) { (this->*hotHandler)(index); };
  memo.Create(page.hwnd(), {}, MemoFont());
}

void MainForm::BuildPages() {
  Present = &PgCtrl_disk.AddPage("Презентации", 0);
  Artikel = &PgCtrl_disk.AddPage("Публикации", 1);
  Demo = &PgCtrl_disk.AddPage("Демо-версии", 2);
  Video = &PgCtrl_disk.AddPage("Видео", 3);
  Gebit_Benutzt = &PgCtrl_disk.AddPage("Применения", 4);
  Name("Present", Present->hwnd());
  Name("Artikel", Artikel->hwnd());
  Name("Demo", Demo->hwnd());
  Name("Video", Video->hwnd());
  Name("Gebit_Benutzt", Gebit_Benutzt->hwnd());

  BuildCataloguePage(*Present, BGrp_present, Category::Present, Mm_Hint,
                     &MainForm::BGrp_presentHotButton);
  Name("BGrp_present", BGrp_present.hwnd());
  Name("Mm_Hint", Mm_Hint.hwnd());
  Present->AlignControls({{Mm_Hint.hwnd(), AlignBottom(94)}, {BGrp_present.hwnd(), AlignFill(3)}});

  StrGrd_Bibl.Create(Artikel->hwnd(), 0, 0, 0, 0, PublicationGridLayout());
  StrGrd_Bibl.OnDrawCell([this](const GridCellPaint& paint) { StrGrd_BiblDrawCell(paint); });
  StrGrd_Bibl.OnSelectCell([this](int col, int row) { return StrGrd_BiblSelectCell(col, row); });
  Name("StrGrd_Bibl", StrGrd_Bibl.hwnd());
  PanelLook publ;
  Pan_Publ.Create(Artikel->hwnd(), {}, publ);
  Mm_artikel.Create(Pan_Publ.hwnd(), {}, MemoFont());
  PictureButtonLook read;
  read.pictureId = IDB_READ_DOC;
  read.pictureWidth = read.pictureHeight = 32;
  read.side = PictureSide::Above;
  read.font = TabFont();
  BBtn_ReadDoc.Create(Pan_Publ.hwnd(), {}, "Читать ", read);
  BBtn_ReadDoc.onClick = [this] { BBtn_ReadDocClick(); };
  Name("Pan_Publ", Pan_Publ.hwnd());
  Name("Mm_artikel", Mm_artikel.hwnd());
  Name("BBtn_ReadDoc", BBtn_ReadDoc.hwnd());
  Artikel->AlignControls({{Pan_Publ.hwnd(), AlignBottom(94)}, {StrGrd_Bibl.hwnd(), AlignFill(3)}});
  Pan_Publ.AlignControls(
      {{BBtn_ReadDoc.hwnd(), AlignRight(44)}, {Mm_artikel.hwnd(), AlignFill(3)}});

  LabelLook attention;
  attention.wordWrap = true;
  attention.font = UiFont(Arial(12, true, true));
  attention.textColour = kRed;
  attention.colour = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
  Lab_AttentDemo.Create(
      Demo->hwnd(), {},
      "Внимание! В некотрых конфигурациях ОС Windows XP отдельные демострационные программы могут "
      "не запускаться вследствие того, что являются DOS-приложениями и управляют графикой на "
      "\"низком\" уровне.",
      attention);
  Name("Lab_AttentDemo", Lab_AttentDemo.hwnd());
  BuildCataloguePage(*Demo, ButGrp_demo, Category::Demo, Mm_Demo, &MainForm::ButGrp_demoHotButton);
  Name("ButGrp_demo", ButGrp_demo.hwnd());
  Name("Mm_Demo", Mm_Demo.hwnd());
  Demo->AlignControls({{Lab_AttentDemo.hwnd(), AlignTop(45)},
                       {Mm_Demo.hwnd(), AlignBottom(110)},
                       {ButGrp_demo.hwnd(), AlignFill(3)}});

  BuildCataloguePage(*Video, ButGrp_Video, Category::Video, Mm_Video,
                     &MainForm::ButGrp_VideoHotButton);
  Name("ButGrp_Video", ButGrp_Video.hwnd());
  Name("Mm_Video", Mm_Video.hwnd());
  Video->AlignControls({{Mm_Video.hwnd(), AlignBottom(110)}, {ButGrp_Video.hwnd(), AlignFill()}});

  BuildCataloguePage(*Gebit_Benutzt, But_Grp_user, Category::User, Mm_use,
                     &MainForm::But_Grp_userHotButton);
  Name("But_Grp_user", But_Grp_user.hwnd());
  Name("Mm_use", Mm_use.hwnd());
  Gebit_Benutzt->AlignControls(
      {{Mm_use.hwnd(), AlignBottom(118)}, {But_Grp_user.hwnd(), AlignFill()}});
  static_assert(kPageWidth == kClientWidth - kControlWidth - 2 * PageControl::kSideMargin);
}

void MainForm::BuildControlPanel() {
  Pan_Ctrl.Create(hwnd(), {}, PanelLook{});
  Name("Pan_Ctrl", Pan_Ctrl.hwnd());

  PictureButtonLook close;
  close.pictureId = IDB_CLOSE;
  close.pictureWidth = close.pictureHeight = 22;
  close.side = PictureSide::Left;
  close.font = TabFont();
  BBtn_Close.Create(Pan_Ctrl.hwnd(), {}, "Закрыть", close);
  BBtn_Close.onClick = [this] { BBtn_CloseClick(); };
  Name("BBtn_Close", BBtn_Close.hwnd());

  LabelLook install;
  install.align = TextAlign::Centre;
  install.wordWrap = true;
  install.font = WindowFont();
  install.colour = kMoneyGreen;
  Lab_HInstall.Create(Pan_Ctrl.hwnd(), {},
                      "Инсталляция программ необходимых для правильной работы Demo-диска", install);
  Name("Lab_HInstall", Lab_HInstall.hwnd());

  PictureButtonLook acrobat;
  acrobat.pictureId = IDB_READER;
  acrobat.pictureWidth = acrobat.pictureHeight = 48;
  acrobat.side = PictureSide::Above;
  acrobat.font = TabFont();
  BBtn_InstallAcrobat.Create(Pan_Ctrl.hwnd(), {}, "Acrobat Reader", acrobat);
  BBtn_InstallAcrobat.onClick = [this] { BBtn_InstallAcrobatClick(); };
  Name("BBtn_InstallAcrobat", BBtn_InstallAcrobat.hwnd());

  Pan_Ctrl.AlignControls({{BBtn_Close.hwnd(), AlignTop(40, 5)},
                          {BBtn_InstallAcrobat.hwnd(), AlignBottom(71, 3)},
                          {Lab_HInstall.hwnd(), AlignBottom(65)}});
}

}  // namespace demodisc
