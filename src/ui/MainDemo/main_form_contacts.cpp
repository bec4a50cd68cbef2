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

LabelLook ContactLook(bool bold = false, COLORREF colour = GetSysColor(COLOR_WINDOWTEXT),
                      TextAlign align = TextAlign::Left, bool wrap = false) {
  LabelLook look;
  look.font = UiFont(Arial(11, bold));
  look.textColour = colour;
  look.align = align;
  look.wordWrap = wrap;
  return look;
}

AlignedChild Line() { return AlignTop(kLineHeight); }

}  // namespace

void MainForm::BBtn_PrintContactClick() {}

void MainForm::BuildContactPanel() {
  PanelLook about;
  about.colour = kLightGreen;
  Pan_About.Create(hwnd(), {}, about);
  Name("Pan_About", Pan_About.hwnd());
  const HWND box = Pan_About.hwnd();

  // Address box.
  Pan_AboutAdress.Create(box, {}, PanelLook{});
  Name("Pan_AboutAdress", Pan_AboutAdress.hwnd());
  LabelLook maker = ContactLook(true, GetSysColor(COLOR_WINDOWTEXT), TextAlign::Centre, true);
  maker.colour = kMoneyGreen;
  Lab_HMaker.Create(Pan_AboutAdress.hwnd(), {}, "ООО «Пример-Медтехника»", maker);
  Image1.Create(Pan_AboutAdress.hwnd(), {7, 29, 36, 36}, IDB_MAGNIFIER, true);
  Lab_adress.Create(Pan_AboutAdress.hwnd(), {45, 35, 121, 28},
                    "ул. Вымышленная, д. 0, г. Нигдеград",
                    ContactLook(false, GetSysColor(COLOR_WINDOWTEXT), TextAlign::Left, true));
  LabelLook koresp;
  koresp.wordWrap = true;
  koresp.font = UiFont({L"MS Sans Serif", 11});
  Lab_koresp.Create(Pan_AboutAdress.hwnd(), {}, "Для корресп.: 000000, а/я 0, Нигдеград", koresp);
  Name("Lab_HMaker", Lab_HMaker.hwnd());
  Name("Image1", Image1.hwnd());
  Name("Lab_adress", Lab_adress.hwnd());
  Name("Lab_koresp", Lab_koresp.hwnd());
  Pan_AboutAdress.AlignControls(
      {{Lab_HMaker.hwnd(), Line()}, {Lab_koresp.hwnd(), AlignBottom(13)}});

  // Internet box.
  Pan_AboutInter.Create(box, {}, PanelLook{});
  Name("Pan_AboutInter", Pan_AboutInter.hwnd());
  const HWND inter = Pan_AboutInter.hwnd();
  Lab_HInter.Create(inter, {}, "Интернет:", ContactLook());
  Lab_www.Create(inter, {}, "www.example.ru", ContactLook(true, kRed, TextAlign::Right));
  Lab_HEmails.Create(inter, {}, "E-mail:", ContactLook());
  Lab_email_1.Create(inter, {}, "info@example.ru", ContactLook());
  Lab_email_2.Create(inter, {}, "old@example.ru (стар.)", ContactLook());
  Lab_email_3.Create(inter, {}, "demo@example.ru", ContactLook());
  Name("Lab_HInter", Lab_HInter.hwnd());
  Name("Lab_www", Lab_www.hwnd());
  Name("Lab_HEmails", Lab_HEmails.hwnd());
  Name("Lab_email_1", Lab_email_1.hwnd());
  Name("Lab_email_2", Lab_email_2.hwnd());
  Name("Lab_email_3", Lab_email_3.hwnd());
  Pan_AboutInter.AlignControls({{Lab_HInter.hwnd(), Line()},
                                {Lab_www.hwnd(), Line()},
                                {Lab_HEmails.hwnd(), Line()},
                                {Lab_email_1.hwnd(), Line()},
                                {Lab_email_2.hwnd(), Line()},
                                {Lab_email_3.hwnd(), Line()}});

  // Telephone box.
  Pan_AboutPhone.Create(box, {}, PanelLook{});
  Name("Pan_AboutPhone", Pan_AboutPhone.hwnd());
  const HWND phone = Pan_AboutPhone.hwnd();
  Lab_HTel.Create(phone, {}, "Телефоны:", ContactLook());
  Lab_tel_1.Create(phone, {}, "(000) 000-00-01 пр-во", ContactLook());
  Lab_tel_2.Create(phone, {}, "(000) 000-00-02 дир.", ContactLook());
  Name("Lab_HTel", Lab_HTel.hwnd());
  Name("Lab_tel_1", Lab_tel_1.hwnd());
  Name("Lab_tel_2", Lab_tel_2.hwnd());
  Pan_AboutPhone.AlignControls(
      {{Lab_HTel.hwnd(), Line()}, {Lab_tel_1.hwnd(), Line()}, {Lab_tel_2.hwnd(), Line()}});

  // Director box.
  Pan_AboutPers.Create(box, {}, PanelLook{});
  Name("Pan_AboutPers", Pan_AboutPers.hwnd());
  const HWND pers = Pan_AboutPers.hwnd();
  Lab_HPers.Create(pers, {}, "Директор:", ContactLook());
  Lab_Director.Create(pers, {}, "Иванов Иван Иванович",
                      ContactLook(true, kRed, TextAlign::Centre, true));
  Lab_hendy.Create(pers, {}, "+7 000 000-00-00 моб.",
                   ContactLook(false, GetSysColor(COLOR_WINDOWTEXT), TextAlign::Right));
  PictureButtonLook print;
  print.pictureId = IDB_ENVELOPE;
  print.pictureWidth = print.pictureHeight = 32;
  print.side = PictureSide::Left;
  print.font = UiFont(Arial(12, true));
  BBtn_PrintContact.Create(pers, {}, "Печатать контакт", print);
  BBtn_PrintContact.onClick = [this] { BBtn_PrintContactClick(); };
  Name("Lab_HPers", Lab_HPers.hwnd());
  Name("Lab_Director", Lab_Director.hwnd());
  Name("Lab_hendy", Lab_hendy.hwnd());
  Name("BBtn_PrintContact", BBtn_PrintContact.hwnd());
  Pan_AboutPers.AlignControls({{Lab_HPers.hwnd(), Line()},
                               {Lab_Director.hwnd(), Line()},
                               {Lab_hendy.hwnd(), Line()},
                               {BBtn_PrintContact.hwnd(), AlignBottom(36, 3)}});

  // The slogan strip comes last in the tab order but first in the alignment.
  PanelLook slogan;
  slogan.colour = kLightPink;
  slogan.caption =
      "Более 10-ти лет на рынке медицинского оборудования, программного обеспечения и научных "
      "исследований ";
  slogan.font = UiFont(Arial(11, true));
  slogan.textColour = kBlack;
  Pan_Slogan10.Create(box, {}, slogan);
  Name("Pan_Slogan10", Pan_Slogan10.hwnd());

  Pan_About.AlignControls({{Pan_Slogan10.hwnd(), AlignBottom(22)},
                           {Pan_AboutAdress.hwnd(), AlignLeft(213, 3)},
                           {Pan_AboutInter.hwnd(), AlignLeft(122, 3)},
                           {Pan_AboutPhone.hwnd(), AlignLeft(122, 3)},
                           {Pan_AboutPers.hwnd(), AlignFill(3)}});
}

}  // namespace demodisc
