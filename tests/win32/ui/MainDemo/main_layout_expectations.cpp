#include "ui/MainDemo/main_layout_expectations.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "support/named_control.h"
#include "ui/controls/button_group.h"
#include "ui/controls/label.h"
#include "ui/controls/panel.h"
#include "ui/controls/picture.h"
#include "ui/controls/picture_button.h"

namespace demodisc::testing {

namespace {

int Slack(const UiScale& scale, int bevels) {
  return scale.IsUnscaled() ? 0 : 1 + bevels * (scale.Px(1) - 1);
}

// The panels with a bevel that hold a control of the main window.
int BevelsAround(const MainForm& main, std::string_view name) {
  const GraphicElement* element = main.NamedElement(name);
  HWND holder = element ? element->parent() : GetParent(NamedControl(main, name));
  int bevels = 0;
  for (; holder && holder != main.hwnd(); holder = GetParent(holder)) {
    const auto* panel = dynamic_cast<const Panel*>(Window::FromHwnd(holder));
    if (panel && panel->Inset() > 0) ++bevels;
  }
  return bevels;
}

struct Place {
  const char* name;
  Bounds bounds;  // relative to the parent's client area
};

const Place kLayout[] = {
    {"Pan_About", {0, 430, 656, 115}},
    {"Pan_Ctrl", {554, 0, 102, 430}},
    {"PgCtrl_disk", {0, 0, 554, 430}},
    {"BGrp_present", {3, 3, 540, 298}},
    {"Mm_Hint", {0, 304, 546, 94}},
    {"StrGrd_Bibl", {3, 3, 540, 298}},
    {"Pan_Publ", {0, 304, 546, 94}},
    {"Mm_artikel", {4, 4, 494, 86}},
    {"BBtn_ReadDoc", {501, 1, 44, 92}},
    {"Lab_AttentDemo", {0, 0, 546, 45}},
    {"ButGrp_demo", {3, 48, 540, 237}},
    {"Mm_Demo", {0, 288, 546, 110}},
    {"ButGrp_Video", {0, 0, 546, 288}},
    {"Mm_Video", {0, 288, 546, 110}},
    {"But_Grp_user", {0, 0, 546, 280}},
    {"Mm_use", {0, 280, 546, 118}},
    {"BBtn_Close", {6, 6, 90, 40}},
    {"Lab_HInstall", {1, 287, 100, 65}},
    {"BBtn_InstallAcrobat", {4, 355, 94, 71}},
    {"Pan_Slogan10", {1, 92, 654, 22}},
    {"Pan_AboutAdress", {4, 4, 213, 85}},
    {"Pan_AboutInter", {223, 4, 122, 85}},
    {"Pan_AboutPhone", {351, 4, 122, 85}},
    {"Pan_AboutPers", {479, 4, 173, 85}},
    {"Lab_HMaker", {1, 1, 211, 14}},
    {"Image1", {7, 29, 36, 36}},
    {"Lab_adress", {45, 35, 121, 28}},
    {"Lab_koresp", {1, 71, 211, 13}},
    {"Lab_HInter", {1, 1, 120, 14}},
    {"Lab_www", {1, 15, 120, 14}},
    {"Lab_HEmails", {1, 29, 120, 14}},
    {"Lab_email_1", {1, 43, 120, 14}},
    {"Lab_email_2", {1, 57, 120, 14}},
    {"Lab_email_3", {1, 71, 120, 14}},
    {"Lab_HTel", {1, 1, 120, 14}},
    {"Lab_tel_1", {1, 15, 120, 14}},
    {"Lab_tel_2", {1, 29, 120, 14}},
    {"Lab_HPers", {1, 1, 171, 14}},
    {"Lab_Director", {1, 15, 171, 14}},
    {"Lab_hendy", {1, 29, 171, 14}},
    {"BBtn_PrintContact", {4, 45, 165, 36}},
};

LOGFONTW FontOf(HFONT font) {
  LOGFONTW lf{};
  GetObjectW(font, sizeof lf, &lf);
  return lf;
}

struct FontRow {
  const char* name;
  const wchar_t* face;
  int height;
  bool bold;
  bool italic;
  BYTE charset;
};

}  // namespace

void ExpectNear(const Bounds& placed, const Bounds& expected, const UiScale& scale, int bevels) {
  const int slack = Slack(scale, bevels);
  EXPECT_NEAR(placed.x, expected.x, slack) << "left";
  EXPECT_NEAR(placed.y, expected.y, slack) << "top";
  EXPECT_NEAR(placed.x + placed.width, expected.x + expected.width, slack) << "right";
  EXPECT_NEAR(placed.y + placed.height, expected.y + expected.height, slack) << "bottom";
}

void ExpectMainLayout(const MainForm& main, const UiScale& scale) {
  RECT client;
  GetClientRect(main.hwnd(), &client);
  EXPECT_EQ(client.right, scale.Px(MainForm::kClientWidth));
  EXPECT_EQ(client.bottom, scale.Px(MainForm::kClientHeight));
  for (const Place& p : kLayout) {
    SCOPED_TRACE(p.name);
    const std::optional<Bounds> placed = NamedBounds(main, p.name);
    ASSERT_TRUE(placed.has_value());
    // A label whose text needs more lines in the fonts at hand than the
    // layout gives grows to them: a bottom-aligned one upward.
    Bounds expected = scale.Px(p.bounds);
    const Label* label = main.Named<Label>(p.name);
    const int needed = label ? label->NeededHeight(expected.width) : 0;
    if (needed > expected.height) {
      const std::string_view name = p.name;
      if (name == "Lab_HInstall" || name == "Lab_koresp") expected.y -= needed - expected.height;
      expected.height = needed;
    }
    ExpectNear(*placed, expected, scale, BevelsAround(main, p.name));
  }
  // Each page's client area is 546 x 398, below the tab row.
  for (const char* page : {"Present", "Artikel", "Demo", "Video", "Gebit_Benutzt"}) {
    SCOPED_TRACE(page);
    ExpectNear(BoundsInParent(NamedControl(main, page)),
               scale.Px(Bounds{4, 430 - 4 - 398, 546, 398}), scale);
  }
}

void ExpectMainFonts(const MainForm& main, const UiScale& scale) {
  const FontRow rows[] = {
      {"PgCtrl_disk", L"Arial", 11, true, false, RUSSIAN_CHARSET},
      {"Mm_Hint", L"Arial", 11, false, true, RUSSIAN_CHARSET},
      {"Mm_use", L"Arial", 11, false, true, RUSSIAN_CHARSET},
      {"Mm_artikel", L"Arial", 11, false, true, RUSSIAN_CHARSET},
      {"StrGrd_Bibl", L"Arial", 11, false, false, RUSSIAN_CHARSET},
      {"Lab_AttentDemo", L"Arial", 12, true, true, RUSSIAN_CHARSET},
      {"BBtn_Close", L"Arial", 11, true, false, RUSSIAN_CHARSET},
      {"BBtn_PrintContact", L"Arial", 12, true, false, RUSSIAN_CHARSET},
      {"Lab_HInstall", L"MS Sans Serif", 11, false, false, DEFAULT_CHARSET},
      {"Lab_koresp", L"MS Sans Serif", 11, false, false, DEFAULT_CHARSET},
      {"Lab_www", L"Arial", 11, true, false, RUSSIAN_CHARSET},
      {"Lab_email_1", L"Arial", 11, false, false, RUSSIAN_CHARSET},
  };
  for (const FontRow& r : rows) {
    SCOPED_TRACE(r.name);
    const LOGFONTW lf = FontOf(NamedFont(main, r.name));
    EXPECT_STREQ(lf.lfFaceName, r.face);
    EXPECT_EQ(lf.lfHeight, -scale.FontPx(r.height));
    EXPECT_EQ(lf.lfWeight >= FW_BOLD, r.bold);
    EXPECT_EQ(lf.lfItalic != 0, r.italic);
    EXPECT_EQ(lf.lfCharSet, r.charset);
  }
}

void ExpectNoticeLayout(const FormBlenge& notice, const UiScale& scale) {
  RECT rc;
  GetClientRect(notice.hwnd(), &rc);
  EXPECT_EQ(rc.right, scale.Px(FormBlenge::kClientWidth));
  EXPECT_EQ(rc.bottom, scale.Px(FormBlenge::kClientHeight));
  const Place places[] = {{"Pan_Up", {0, 0, 273, 41}},
                          {"Img_Werker", {0, 41, 273, 270}},
                          {"Pan_Btn", {0, 311, 273, 41}},
                          {"BBtn_Exit", {1, 1, 271, 39}}};
  for (const Place& p : places) {
    SCOPED_TRACE(p.name);
    const std::optional<Bounds> placed = NamedBounds(notice, p.name);
    ASSERT_TRUE(placed.has_value());
    ExpectNear(*placed, scale.Px(p.bounds), scale);
  }
}

namespace {

struct Sized {
  const char* name;
  SIZE size;  // at 96 dpi
};

void ExpectPictures(const Form& form, std::initializer_list<Sized> pictures, const UiScale& scale) {
  for (const Sized& p : pictures) {
    SCOPED_TRACE(p.name);
    SIZE drawn{0, 0};
    if (const auto* button = form.Named<PictureButton>(p.name)) drawn = button->PictureSize();
    if (const auto* picture = form.Named<Picture>(p.name)) drawn = picture->PictureSize();
    EXPECT_EQ(drawn.cx, scale.Px(p.size.cx));
    EXPECT_EQ(drawn.cy, scale.Px(p.size.cy));
  }
}

}  // namespace

void ExpectMainPictures(const MainForm& main, const UiScale& scale) {
  const auto* group = main.Named<ButtonGroup>("BGrp_present");
  ASSERT_NE(group, nullptr);
  ASSERT_NE(group->images(), nullptr);
  EXPECT_EQ(group->images()->width(), scale.Px(32));
  EXPECT_EQ(group->images()->height(), scale.Px(32));
  EXPECT_EQ(ImageList_GetImageCount(group->images()->handle()), 26);
  ExpectPictures(main,
                 {{"BBtn_ReadDoc", {32, 32}},
                  {"BBtn_Close", {22, 22}},
                  {"BBtn_InstallAcrobat", {48, 48}},
                  {"BBtn_PrintContact", {32, 32}},
                  {"Image1", {32, 32}}},
                 scale);
}

void ExpectNoticePictures(const FormBlenge& notice, const UiScale& scale) {
  ExpectPictures(notice, {{"BBtn_Exit", {32, 32}}, {"Img_Werker", {269, 270}}}, scale);
}

}  // namespace demodisc::testing
