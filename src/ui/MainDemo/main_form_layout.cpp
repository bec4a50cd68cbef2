// The main window's layout: the page control with the five pages, the
// control panel on the right and the contact panel at the bottom. Controls
// are created in tab order; their places come from their alignment.
#include "base/startup_marks_win.h"
#include "launcher/hint_memos.h"
#include "launcher/hint_texts.h"
#include "resource_ids.h"
#include "ui/MainDemo/main_form.h"
#include "ui/MainDemo/main_form_controls.h"
#include "ui/MainDemo/publication_grid.h"
#include "ui/controls/alignment.h"
#include "ui/controls/colours.h"
#include "ui/controls/fonts.h"

namespace demodisc {

namespace {

constexpr int kContactHeight = 115;
constexpr int kControlWidth = 102;
constexpr int kPageWidth = kCataloguePageWidth;

HFONT WindowFont(const UiScale& scale) { return ScaledFont(SansSerif(11), scale); }
HFONT TabFont(const UiScale& scale) { return ScaledFont(Arial(11, true), scale); }
HFONT MemoFont(const UiScale& scale) {
  return ScaledFont(Arial(kHintMemoFontHeight, false, true), scale);
}
// A catalogue page's description memo.
int MemoHeight(Category category) { return HintMemoHeight(HintPageOf(category)); }

}  // namespace

void MainForm::BuildLayout() {
  ui_->ImgLst_Demo.Load(IDB_CATALOGUE, kCatalogueImageSize, kCatalogueImageSize, Scale());
  StartupMark("main window: catalogue pictures loaded");

  // The page control first: the keyboard starts on its tab row.
  ui_->PgCtrl_disk.Create(
      {.parent = hwnd(),
       .bounds = Px(Bounds{0, 0, kClientWidth - kControlWidth, kClientHeight - kContactHeight}),
       .font = TabFont(Scale()),
       .name = "PgCtrl_disk"});
  StartupMark("main window: tab row created");
  BuildPages();
  StartupMark("main window: pages built");
  BuildControlPanel();
  StartupMark("main window: control panel built");
  BuildContactPanel();
  StartupMark("main window: contacts built");

  PlaceAligned(hwnd(), 0,
               {{ui_->Pan_About.hwnd(), AlignBottom(kContactHeight)},
                {ui_->Pan_Ctrl.hwnd(), AlignRight(kControlWidth)},
                {ui_->PgCtrl_disk.hwnd(), AlignFill()}});
  // The window's client area may differ from its size at the scale (a
  // monitor's suggested rectangle): the pages take the page control's place.
  ui_->PgCtrl_disk.FitToPlace();
  ui_->PgCtrl_disk.SetCurrent(kDemo);
}

struct MainForm::CataloguePage {
  Panel& page;
  std::vector<PanelControl> above;  // over the buttons
  ButtonGroup& group;
  std::string_view groupName;
  Category category;
  Memo& memo;  // under the buttons
  std::string_view memoName;
  void (MainForm::*hotHandler)(int);
  int groupMargin;
};

std::vector<MainForm::CataloguePage> MainForm::CataloguePages() {
  LabelLook attention;
  attention.wordWrap = true;
  attention.textColour = kRed;
  attention.colour = NamedSystemColour(COLOR_INACTIVECAPTIONTEXT);
  return {
      {*ui_->Present,
       {},
       ui_->BGrp_present,
       "BGrp_present",
       Category::Present,
       ui_->Mm_Hint,
       "Mm_Hint",
       &MainForm::BGrp_presentHotButton,
       3},
      {*ui_->Demo,
       {{.label = &ui_->Lab_AttentDemo,
         .args = {.text = "Внимание! В некотрых конфигурациях ОС Windows XP отдельные "
                          "демострационные программы могут не запускаться вследствие того, что "
                          "являются DOS-приложениями и управляют графикой на \"низком\" уровне.",
                  .font = ScaledFont(Arial(12, true, true), Scale()),
                  .name = "Lab_AttentDemo"},
         .labelLook = attention,
         .alignment = AlignTop(45)}},
       ui_->ButGrp_demo,
       "ButGrp_demo",
       Category::Demo,
       ui_->Mm_Demo,
       "Mm_Demo",
       &MainForm::ButGrp_demoHotButton,
       3},
      {*ui_->Video,
       {},
       ui_->ButGrp_Video,
       "ButGrp_Video",
       Category::Video,
       ui_->Mm_Video,
       "Mm_Video",
       &MainForm::ButGrp_VideoHotButton,
       0},
      {*ui_->Gebit_Benutzt,
       {},
       ui_->But_Grp_user,
       "But_Grp_user",
       Category::User,
       ui_->Mm_use,
       "Mm_use",
       &MainForm::But_Grp_userHotButton,
       0},
  };
}

void MainForm::BuildCataloguePage(const CataloguePage& spec) {
  std::vector<PlacedChild> aligned = CreatePanelContent(spec.page, spec.above);
  std::vector<ButtonGroup::Item> items;
  for (const CatalogueItem& item : CatalogueItems(spec.category)) {
    const CatalogueAction* action = FindAction(item.action);
    ButtonGroup::Item button;
    button.caption = ShownCaption(item);
    if (action) {
      button.imageIndex = action->imageIndex;
      button.onClick = [this, action] { ExecuteAction(*action); };
    }
    items.push_back(std::move(button));
  }
  spec.group.Create({.parent = spec.page.hwnd(), .font = TabFont(Scale()), .name = spec.groupName},
                    &ui_->ImgLst_Demo, std::move(items));
  spec.group.onHotButton = [this, hot = spec.hotHandler](int index) { (this->*hot)(index); };
  spec.memo.Create({.parent = spec.page.hwnd(), .font = MemoFont(Scale()), .name = spec.memoName});
  aligned.emplace_back(spec.memo.hwnd(), AlignBottom(MemoHeight(spec.category)));
  aligned.emplace_back(spec.group.hwnd(), AlignFill(spec.groupMargin));
  spec.page.AlignControls(std::move(aligned));
}

void MainForm::BuildPages() {
  // In the order of PageIndex.
  Panel** const pages[] = {&ui_->Present, &ui_->Artikel, &ui_->Demo, &ui_->Video,
                           &ui_->Gebit_Benutzt};
  const auto discPages = DiscPages();
  for (int index = kPresent; index <= kGebitBenutzt; ++index) {
    const DiscPage& page = discPages[static_cast<std::size_t>(index)];
    *pages[index] = &ui_->PgCtrl_disk.AddPage(Text(page.caption), index, page.name);
  }
  for (const CataloguePage& page : CataloguePages()) BuildCataloguePage(page);
  BuildPublicationsPage();
  static_assert(kPageWidth == kClientWidth - kControlWidth - 2 * PageControl::kSideMargin);
}

void MainForm::BuildPublicationsPage() {
  ui_->StrGrd_Bibl.Create(
      {.parent = ui_->Artikel->hwnd(), .font = PublicationGridFont(Scale()), .name = "StrGrd_Bibl"},
      PublicationGridLayout(Scale()));
  ui_->StrGrd_Bibl.onDrawCell = [this](const GridCellPaint& paint) { StrGrd_BiblDrawCell(paint); };
  ui_->StrGrd_Bibl.onSelectCell = [this](int col, int row) {
    return StrGrd_BiblSelectCell(col, row);
  };
  ui_->Pan_Publ.Create({.parent = ui_->Artikel->hwnd(), .name = "Pan_Publ"}, PanelLook{});
  ui_->Mm_artikel.Create(
      {.parent = ui_->Pan_Publ.hwnd(), .font = MemoFont(Scale()), .name = "Mm_artikel"});
  ui_->BBtn_ReadDoc.Create({.parent = ui_->Pan_Publ.hwnd(),
                            .text = "Читать ",
                            .font = TabFont(Scale()),
                            .name = "BBtn_ReadDoc"},
                           {.pictureId = IDB_READ_DOC,
                            .pictureWidth = 32,
                            .pictureHeight = 32,
                            .side = PictureSide::Above});
  ui_->BBtn_ReadDoc.onClick = [this] { BBtn_ReadDocClick(); };
  ui_->Artikel->AlignControls(
      {{ui_->Pan_Publ.hwnd(), AlignBottom(94)}, {ui_->StrGrd_Bibl.hwnd(), AlignFill(3)}});
  ui_->Pan_Publ.AlignControls(
      {{ui_->BBtn_ReadDoc.hwnd(), AlignRight(44)}, {ui_->Mm_artikel.hwnd(), AlignFill(3)}});
}

void MainForm::BuildControlPanel() {
  ui_->Pan_Ctrl.Create({.parent = hwnd(), .name = "Pan_Ctrl"}, PanelLook{});

  ui_->BBtn_Close.Create(
      {.parent = ui_->Pan_Ctrl.hwnd(),
       .text = "Закрыть",
       .font = TabFont(Scale()),
       .name = "BBtn_Close"},
      {.pictureId = IDB_CLOSE, .pictureWidth = 22, .pictureHeight = 22, .side = PictureSide::Left});
  ui_->BBtn_Close.onClick = [this] { BBtn_CloseClick(); };

  LabelLook install;
  install.align = TextAlign::Centre;
  install.wordWrap = true;
  install.colour = kMoneyGreen;
  ui_->Lab_HInstall.Create(
      {.parent = ui_->Pan_Ctrl.hwnd(),
       .text = "Инсталляция программ необходимых для правильной работы Demo-диска",
       .font = WindowFont(Scale()),
       .name = "Lab_HInstall"},
      install);

  ui_->BBtn_InstallAcrobat.Create({.parent = ui_->Pan_Ctrl.hwnd(),
                                   .text = "Acrobat Reader",
                                   .font = TabFont(Scale()),
                                   .name = "BBtn_InstallAcrobat"},
                                  {.pictureId = IDB_READER,
                                   .pictureWidth = 48,
                                   .pictureHeight = 48,
                                   .side = PictureSide::Above});
  ui_->BBtn_InstallAcrobat.onClick = [this] { BBtn_InstallAcrobatClick(); };

  ui_->Pan_Ctrl.AlignControls({{ui_->BBtn_Close.hwnd(), AlignTop(40, 5)},
                               {ui_->BBtn_InstallAcrobat.hwnd(), AlignBottom(71, 3)},
                               {ui_->Lab_HInstall, AlignBottom(65)}});
}

}  // namespace demodisc
