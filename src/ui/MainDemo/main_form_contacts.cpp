// The contact panel: the maker's address, internet, telephone and director
// boxes over the slogan strip, from the table of their controls. The values
// and texts come from the disc's description; the places and fonts from
// launcher/text_places.h, where the disc check finds them too.
#include "resource_ids.h"
#include "ui/MainDemo/main_form.h"
#include "ui/MainDemo/main_form_controls.h"
#include "ui/look/colours.h"
#include "ui/look/fonts.h"

namespace demodisc {

namespace {

LabelLook ContactLook(COLORREF colour = NamedSystemColour(COLOR_WINDOWTEXT),
                      TextAlign align = TextAlign::Left, bool wrap = false) {
  LabelLook look;
  look.textColour = colour;
  look.align = align;
  look.wordWrap = wrap;
  return look;
}

LabelLook MakerLook() {
  LabelLook look = ContactLook(NamedSystemColour(COLOR_WINDOWTEXT), TextAlign::Centre, true);
  look.colour = kMoneyGreen;
  return look;
}

LabelLook WrappedLook() {
  LabelLook look;
  look.wordWrap = true;
  return look;
}

// A contact line: one line high at the top of its box.
PanelControl Line(const UiScale& scale, Label& label, const Text& text, std::string_view name,
                  const LabelLook& look = ContactLook(), bool bold = false) {
  return {.label = &label,
          .args = {.text = text,
                   .font = ScaledFont(SpecOf(bold ? kContactBoldFont : kContactFont), scale),
                   .name = name},
          .labelLook = look,
          .alignment = AlignTop(kContactLineHeight)};
}

}  // namespace

struct MainForm::ContactBox {
  Panel& panel;
  std::string_view name;
  std::vector<PanelControl> controls;
  AlignedChild place;  // in Pan_About
};

std::vector<MainForm::ContactBox> MainForm::ContactBoxes() {
  const UiScale scale = Scale();
  const DiscContacts& c = description_.contacts;
  const DiscTexts& t = description_.uiTexts;
  return {
      {ui_->Pan_AboutAdress,
       "Pan_AboutAdress",
       {Line(scale, ui_->Lab_HMaker, c.company, "Lab_HMaker", MakerLook(), true),
        {.picture = &ui_->Image1,
         .args = {.bounds = {7, 29, 36, 36}, .name = "Image1"},
         .pictureId = IDB_MAGNIFIER},
        {.label = &ui_->Lab_adress,
         .args = {.bounds = kAddressBounds,
                  .text = c.address,
                  .font = ScaledFont(SpecOf(kContactFont), scale),
                  .name = "Lab_adress"},
         .labelLook = ContactLook(NamedSystemColour(COLOR_WINDOWTEXT), TextAlign::Left, true)},
        {.label = &ui_->Lab_koresp,
         .args = {.text = c.postal.empty() || t.postalPrefix.empty()
                              ? c.postal
                              : t.postalPrefix + " " + c.postal,
                  .font = ScaledFont(SpecOf(kPostalFont), scale),
                  .name = "Lab_koresp"},
         .labelLook = WrappedLook(),
         .alignment = AlignBottom(13)}},
       kContactBoxPlaces[0]},
      {ui_->Pan_AboutInter,
       "Pan_AboutInter",
       {Line(scale, ui_->Lab_HInter, t.internetHeading, "Lab_HInter"),
        Line(scale, ui_->Lab_www, c.web, "Lab_www", ContactLook(kRed, TextAlign::Right), true),
        Line(scale, ui_->Lab_HEmails, t.emailHeading, "Lab_HEmails"),
        Line(scale, ui_->Lab_email_1, c.emails[0], "Lab_email_1"),
        Line(scale, ui_->Lab_email_2, WithNote(c.emails[1], t.email2Note), "Lab_email_2"),
        Line(scale, ui_->Lab_email_3, c.emails[2], "Lab_email_3")},
       kContactBoxPlaces[1]},
      {ui_->Pan_AboutPhone,
       "Pan_AboutPhone",
       {Line(scale, ui_->Lab_HTel, t.phoneHeading, "Lab_HTel"),
        Line(scale, ui_->Lab_tel_1, WithNote(c.phones[0], t.phone1Note), "Lab_tel_1"),
        Line(scale, ui_->Lab_tel_2, WithNote(c.phones[1], t.phone2Note), "Lab_tel_2")},
       kContactBoxPlaces[2]},
      {ui_->Pan_AboutPers,
       "Pan_AboutPers",
       {Line(scale, ui_->Lab_HPers, t.directorHeading, "Lab_HPers"),
        Line(scale, ui_->Lab_Director, c.director, "Lab_Director",
             ContactLook(kRed, TextAlign::Centre, true), true),
        Line(scale, ui_->Lab_hendy, WithNote(c.mobile, t.mobileNote), "Lab_hendy",
             ContactLook(NamedSystemColour(COLOR_WINDOWTEXT), TextAlign::Right)),
        {.button = &ui_->BBtn_PrintContact,
         .args = {.text = t.printButton,
                  .font = ScaledFont(Arial(12, true), scale),
                  .name = "BBtn_PrintContact"},
         .buttonLook = {.pictureId = IDB_ENVELOPE,
                        .pictureWidth = 32,
                        .pictureHeight = 32,
                        .side = PictureSide::Left},
         .alignment = AlignBottom(36, 3)}},
       kContactBoxPlaces[3]},
  };
}

void MainForm::BBtn_PrintContactClick() {}

void MainForm::BuildContactPanel() {
  PanelLook about;
  about.colour = kLightGreen;
  ui_->Pan_About.Create({.parent = hwnd(), .name = "Pan_About"}, about);
  std::vector<PlacedChild> boxes;
  for (const ContactBox& box : ContactBoxes()) {
    box.panel.Create({.parent = ui_->Pan_About.hwnd(), .name = box.name}, PanelLook{});
    box.panel.AlignControls(CreatePanelContent(box.panel, box.controls));
    boxes.emplace_back(box.panel.hwnd(), box.place);
  }
  ui_->BBtn_PrintContact.onClick = [this] { BBtn_PrintContactClick(); };

  // The slogan strip comes last in the tab order but first in the alignment.
  PanelLook slogan;
  slogan.colour = kLightPink;
  slogan.textColour = kBlack;
  ui_->Pan_Slogan10.Create({.parent = ui_->Pan_About.hwnd(),
                            .text = description_.contacts.slogan,
                            .font = ScaledFont(SpecOf(kSloganFont), Scale()),
                            .name = "Pan_Slogan10"},
                           slogan);
  boxes.insert(boxes.begin(), PlacedChild(ui_->Pan_Slogan10.hwnd(), kSloganPlace));
  ui_->Pan_About.AlignControls(std::move(boxes));
}

}  // namespace demodisc
