// The main window's layout: the page control with the five pages, the
// control panel on the right and the contact panel at the bottom. Controls
// are created in tab order; their places come from their alignment.
#include "base/startup_marks_win.h"
#include <algorithm>
#include <string>

#include "launcher/hint_memos.h"
#include "resource_ids.h"
#include "ui/MainDemo/main_form.h"
#include "ui/MainDemo/main_form_controls.h"
#include "ui/MainDemo/publication_grid.h"
#include "ui/alignment.h"
#include "ui/look/colours.h"
#include "ui/look/disc_picture.h"
#include "ui/look/fonts.h"

namespace demodisc {

namespace {

constexpr int kContactHeight = kContactPanelHeight;
constexpr int kControlWidth = 102;
constexpr int kPageWidth = kCataloguePageWidth;

HFONT WindowFont(const UiScale& scale) { return ScaledFont(SansSerif(11), scale); }
HFONT TabFont(const UiScale& scale) { return ScaledFont(SpecOf(kCaptionFont), scale); }
HFONT MemoFont(const UiScale& scale) {
  return ScaledFont(Arial(kHintMemoFontHeight, false, true), scale);
}

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
  // The third page, as the built-in demo page; the last of fewer.
  ui_->PgCtrl_disk.SetCurrent(std::min<int>(kDemo, static_cast<int>(ui_->pages.size()) - 1));
}

std::vector<ButtonGroup::Item> MainForm::CatalogueButtons(const DescribedPage& page) {
  std::vector<ButtonGroup::Item> buttons;
  for (const DescribedItem& item : page.items) {
    ButtonGroup::Item button;
    button.caption = item.caption;
    button.imageIndex = item.pictureFile.empty()
                            ? item.image
                            : AddDiscPicture(ui_->ImgLst_Demo, folders_.RootDir + item.pictureFile);
    button.onClick = [this, &item] { ExecuteItem(item); };
    buttons.push_back(std::move(button));
  }
  return buttons;
}

void MainForm::BuildCataloguePage(int index) {
  const DescribedPage& page = description_.pages[static_cast<std::size_t>(index)];
  Panel& panel = *ui_->pages[static_cast<std::size_t>(index)];
  CatalogueControls& controls = *ui_->catalogue[static_cast<std::size_t>(index)];
  const PageLayout layout = LayoutOf(page);
  const std::string place = std::to_string(index + 1);
  const auto named = [&](std::string_view name, const char* byPlace) {
    return name.empty() ? byPlace + place : Text(name);
  };
  const Text groupName = named(layout.groupName, "BGrp_page");
  const Text memoName = named(layout.memoName, "Mm_page");
  const Text warningName = named(layout.warningName, "Lab_Attent");

  std::vector<PanelControl> above;
  if (layout.warningHeight > 0) {
    LabelLook attention;
    attention.wordWrap = true;
    attention.textColour = kRed;
    attention.colour = NamedSystemColour(COLOR_INACTIVECAPTIONTEXT);
    above.push_back({.label = &controls.warning,
                     .args = {.text = page.warning,
                              .font = ScaledFont(Arial(12, true, true), Scale()),
                              .name = warningName},
                     .labelLook = attention,
                     .alignment = AlignTop(layout.warningHeight)});
  }
  std::vector<PlacedChild> aligned = CreatePanelContent(panel, above);
  controls.group.Create({.parent = panel.hwnd(), .font = TabFont(Scale()), .name = groupName},
                        &ui_->ImgLst_Demo, CatalogueButtons(page));
  // The built-in pages' groups call their own handlers; a page by rule the
  // one of its place.
  static constexpr void (MainForm::*kHandlers[])(int) = {
      &MainForm::BGrp_presentHotButton, &MainForm::ButGrp_demoHotButton,
      &MainForm::ButGrp_VideoHotButton, &MainForm::But_Grp_userHotButton};
  if (page.layout >= 0)
    controls.group.onHotButton = [this, hot = kHandlers[page.layout]](int i) { (this->*hot)(i); };
  else
    controls.group.onHotButton = [this, index](int i) { CatalogueHotButton(index, i); };
  controls.memo.Create({.parent = panel.hwnd(), .font = MemoFont(Scale()), .name = memoName});
  aligned.emplace_back(controls.memo.hwnd(), AlignBottom(MemoHeightOf(page)));
  aligned.emplace_back(controls.group.hwnd(), AlignFill(layout.groupMargin));
  panel.AlignControls(std::move(aligned));
}

void MainForm::BuildPages() {
  const auto& pages = description_.pages;
  for (std::size_t index = 0; index < pages.size(); ++index) {
    const DescribedPage& page = pages[index];
    ui_->pages.push_back(
        &ui_->PgCtrl_disk.AddPage(page.caption, static_cast<int>(index), page.name));
    ui_->catalogue.push_back(page.IsPublications() ? nullptr
                                                   : std::make_unique<CatalogueControls>());
  }
  for (std::size_t index = 0; index < pages.size(); ++index)
    if (ui_->catalogue[index]) BuildCataloguePage(static_cast<int>(index));
  for (std::size_t index = 0; index < pages.size(); ++index)
    if (pages[index].IsPublications()) BuildPublicationsPage(*ui_->pages[index]);
  static_assert(kPageWidth == kClientWidth - kControlWidth - 2 * PageControl::kSideMargin);
}

void MainForm::BuildPublicationsPage(Panel& page) {
  ui_->Artikel = &page;
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
                            .text = description_.uiTexts.readButton,
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
       .text = description_.uiTexts.closeButton,
       .font = TabFont(Scale()),
       .name = "BBtn_Close"},
      {.pictureId = IDB_CLOSE, .pictureWidth = 22, .pictureHeight = 22, .side = PictureSide::Left});
  ui_->BBtn_Close.onClick = [this] { BBtn_CloseClick(); };

  LabelLook install;
  install.align = TextAlign::Centre;
  install.wordWrap = true;
  install.colour = kMoneyGreen;
  ui_->Lab_HInstall.Create({.parent = ui_->Pan_Ctrl.hwnd(),
                            .text = description_.uiTexts.installLabel,
                            .font = WindowFont(Scale()),
                            .name = "Lab_HInstall"},
                           install);

  ui_->BBtn_InstallAcrobat.Create({.parent = ui_->Pan_Ctrl.hwnd(),
                                   .text = description_.uiTexts.installButton,
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
