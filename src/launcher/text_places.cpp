#include "launcher/text_places.h"

#include "launcher/hint_memos.h"

namespace demodisc {

int ButtonGroupWidth(int groupMargin) { return kCataloguePageWidth - 2 * groupMargin; }

std::vector<Bounds> ContactPanelBoxes() {
  std::vector<AlignedChild> children{kSloganPlace};
  children.insert(children.end(), std::begin(kContactBoxPlaces), std::end(kContactBoxPlaces));
  return AlignChildren(
      {0, 0, kContactPanelWidth - 2 * kPanelBevel, kContactPanelHeight - 2 * kPanelBevel},
      children);
}

std::vector<TextPlace> TextPlacesOf(const DiscDescription& disc) {
  std::vector<TextPlace> places;
  for (const DescribedPage& page : disc.pages) {
    if (page.IsPublications()) continue;
    const int client = ButtonGroupWidth(LayoutOf(page).groupMargin) - 2 * kButtonGroupEdge;
    for (const DescribedItem& item : page.items) {
      const bool picture = item.image >= 0 || !item.pictureFile.empty();
      const int left = picture ? kButtonPictureLeft + kButtonPictureSide + kButtonCaptionGap
                               : kButtonCaptionLeftWithoutPicture;
      places.push_back({item.caption, kCaptionFont, client - left, 1, item.name, {}});
    }
  }
  const std::vector<Bounds> boxes = ContactPanelBoxes();
  const auto inner = [&](int box) {
    return boxes[static_cast<std::size_t>(box) + 1].width - 2 * kPanelBevel;
  };
  const DiscContacts& c = disc.contacts;
  const DiscTexts& t = disc.uiTexts;
  const auto line = [&](const Text& text, const char* key, int box,
                        const PlaceFont& font = kContactFont) {
    places.push_back({text, font, inner(box), 1, {}, key});
  };
  line(c.company, "[contacts] company", 0, kContactBoldFont);
  places.push_back({c.address, kContactFont, kAddressBounds.width, 2, {}, "[contacts] address"});
  line(c.postal.empty() || t.postalPrefix.empty() ? c.postal : t.postalPrefix + " " + c.postal,
       "[contacts] postal", 0, kPostalFont);
  line(t.internetHeading, "[texts] internet-heading", 1);
  line(c.web, "[contacts] web", 1, kContactBoldFont);
  line(t.emailHeading, "[texts] email-heading", 1);
  line(c.emails[0], "[contacts] email", 1);
  line(WithNote(c.emails[1], t.email2Note), "[contacts] email", 1);
  line(c.emails[2], "[contacts] email", 1);
  line(t.phoneHeading, "[texts] phone-heading", 2);
  line(WithNote(c.phones[0], t.phone1Note), "[contacts] phone", 2);
  line(WithNote(c.phones[1], t.phone2Note), "[contacts] phone", 2);
  line(t.directorHeading, "[texts] director-heading", 3);
  line(c.director, "[contacts] director", 3, kContactBoldFont);
  line(WithNote(c.mobile, t.mobileNote), "[contacts] mobile", 3);
  places.push_back(
      {c.slogan, kSloganFont, boxes[0].width - 2 * kPanelBevel, 1, {}, "[contacts] slogan"});
  std::erase_if(places, [](const TextPlace& p) { return p.text.empty(); });
  return places;
}

}  // namespace demodisc
