// The contact panel: the maker's address, internet, telephone and director
// boxes over the slogan strip. The contact values are placeholders.
#include "resource_ids.h"
#include "ui/MainDemo/main_form.h"
#include "ui/controls/alignment.h"
#include "ui/controls/colours.h"
#include "ui/controls/fonts.h"

namespace demodisc {

namespace {

constexpr int kLineHeight = 14;

LabelLook ContactLook(COLORREF colour = GetSysColor(COLOR_WINDOWTEXT),
                      TextAlign align = TextAlign::Left, bool wrap = false) {
  LabelLook look;
  look.textColour = colour;
  look.align = align;
  look.wordWrap = wrap;
  return look;
}

HFONT ContactFont(bool bold = false) { return UiFont(Arial(11, bold)); }

// A contact line: Arial of 11 pixels.
CreateArgs ContactLine(HWND parent, const char* text, std::string_view name, bool bold = false) {
  return {.parent = parent, .text = text, .font = ContactFont(bold), .name = name};
}

AlignedChild Line() { return AlignTop(kLineHeight); }

}  // namespace

void MainForm::BBtn_PrintContactClick() {}

void MainForm::BuildContactPanel() {
  PanelLook about;
  about.colour = kLightGreen;
  Pan_About.Create({.parent = hwnd(), .name = "Pan_About"}, about);
  const HWND box = Pan_About.hwnd();

  // Address box.
  Pan_AboutAdress.Create({.parent = box, .name = "Pan_AboutAdress"}, PanelLook{});
  const HWND adress = Pan_AboutAdress.hwnd();
  LabelLook maker = ContactLook(GetSysColor(COLOR_WINDOWTEXT), TextAlign::Centre, true);
  maker.colour = kMoneyGreen;
  Lab_HMaker.Create(ContactLine(adress, "ООО «Пример-Медтехника»", "Lab_HMaker", true), maker);
  Image1.Create({.parent = adress, .bounds = {7, 29, 36, 36}, .name = "Image1"}, IDB_MAGNIFIER,
                true);
  CreateArgs address = ContactLine(adress, "ул. Вымышленная, д. 0, г. Нигдеград", "Lab_adress");
  address.bounds = {45, 35, 121, 28};
  Lab_adress.Create(address, ContactLook(GetSysColor(COLOR_WINDOWTEXT), TextAlign::Left, true));
  LabelLook koresp;
  koresp.wordWrap = true;
  Lab_koresp.Create({.parent = adress,
                     .text = "Для корресп.: 000000, а/я 0, Нигдеград",
                     .font = UiFont(SansSerif(11)),
                     .name = "Lab_koresp"},
                    koresp);
  Pan_AboutAdress.AlignControls({{Lab_HMaker, Line()}, {Lab_koresp, AlignBottom(13)}});

  // Internet box.
  Pan_AboutInter.Create({.parent = box, .name = "Pan_AboutInter"}, PanelLook{});
  const HWND inter = Pan_AboutInter.hwnd();
  Lab_HInter.Create(ContactLine(inter, "Интернет:", "Lab_HInter"), ContactLook());
  Lab_www.Create(ContactLine(inter, "www.example.ru", "Lab_www", true),
                 ContactLook(kRed, TextAlign::Right));
  Lab_HEmails.Create(ContactLine(inter, "E-mail:", "Lab_HEmails"), ContactLook());
  Lab_email_1.Create(ContactLine(inter, "info@example.ru", "Lab_email_1"), ContactLook());
  Lab_email_2.Create(ContactLine(inter, "old@example.ru (стар.)", "Lab_email_2"), ContactLook());
  Lab_email_3.Create(ContactLine(inter, "demo@example.ru", "Lab_email_3"), ContactLook());
  Pan_AboutInter.AlignControls({{Lab_HInter, Line()},
                                {Lab_www, Line()},
                                {Lab_HEmails, Line()},
                                {Lab_email_1, Line()},
                                {Lab_email_2, Line()},
                                {Lab_email_3, Line()}});

  // Telephone box.
  Pan_AboutPhone.Create({.parent = box, .name = "Pan_AboutPhone"}, PanelLook{});
  const HWND phone = Pan_AboutPhone.hwnd();
  Lab_HTel.Create(ContactLine(phone, "Телефоны:", "Lab_HTel"), ContactLook());
  Lab_tel_1.Create(ContactLine(phone, "(000) 000-00-01 пр-во", "Lab_tel_1"), ContactLook());
  Lab_tel_2.Create(ContactLine(phone, "(000) 000-00-02 дир.", "Lab_tel_2"), ContactLook());
  Pan_AboutPhone.AlignControls({{Lab_HTel, Line()}, {Lab_tel_1, Line()}, {Lab_tel_2, Line()}});

  // Director box.
  Pan_AboutPers.Create({.parent = box, .name = "Pan_AboutPers"}, PanelLook{});
  const HWND pers = Pan_AboutPers.hwnd();
  Lab_HPers.Create(ContactLine(pers, "Директор:", "Lab_HPers"), ContactLook());
  Lab_Director.Create(ContactLine(pers, "Иванов Иван Иванович", "Lab_Director", true),
                      ContactLook(kRed, TextAlign::Centre, true));
  Lab_hendy.Create(ContactLine(pers, "+7 000 000-00-00 моб.", "Lab_hendy"),
                   ContactLook(GetSysColor(COLOR_WINDOWTEXT), TextAlign::Right));
  BBtn_PrintContact.Create({.parent = pers,
                            .text = "Печатать контакт",
                            .font = UiFont(Arial(12, true)),
                            .name = "BBtn_PrintContact"},
                           {.pictureId = IDB_ENVELOPE,
                            .pictureWidth = 32,
                            .pictureHeight = 32,
                            .side = PictureSide::Left});
  BBtn_PrintContact.onClick = [this] { BBtn_PrintContactClick(); };
  Pan_AboutPers.AlignControls({{Lab_HPers, Line()},
                               {Lab_Director, Line()},
                               {Lab_hendy, Line()},
                               {BBtn_PrintContact.hwnd(), AlignBottom(36, 3)}});

  // The slogan strip comes last in the tab order but first in the alignment.
  PanelLook slogan;
  slogan.colour = kLightPink;
  slogan.textColour = kBlack;
  Pan_Slogan10.Create({.parent = box,
                       .text = "Более 10-ти лет на рынке медицинского оборудования, программного "
                               "обеспечения и научных исследований ",
                       .font = UiFont(Arial(11, true)),
                       .name = "Pan_Slogan10"},
                      slogan);

  Pan_About.AlignControls({{Pan_Slogan10.hwnd(), AlignBottom(22)},
                           {Pan_AboutAdress.hwnd(), AlignLeft(213, 3)},
                           {Pan_AboutInter.hwnd(), AlignLeft(122, 3)},
                           {Pan_AboutPhone.hwnd(), AlignLeft(122, 3)},
                           {Pan_AboutPers.hwnd(), AlignFill(3)}});
}

}  // namespace demodisc
