#include "disc_check/text_place_rules.h"

#include <string>

#include "launcher/disc_description_file.h"

namespace demodisc {

void CheckTextPlaces(const DiscDescription& disc, const TextWidth& width,
                     const Text& descriptionKey, DiagnosticList& list) {
  for (const TextPlace& place : TextPlacesOf(disc)) {
    const int drawn = width(place.text, place.font);
    if (drawn <= place.width * place.lines) continue;
    const std::string room = place.lines == 1 ? std::to_string(place.width) + " pixels"
                                              : std::to_string(place.lines) + " lines of " +
                                                    std::to_string(place.width) + " pixels";
    const std::string measured = "is " + std::to_string(drawn) + " pixels wide at 96 dpi";
    if (!place.item.empty())
      list.Add(place.item, {Rule::TooWide,
                            {},
                            "the caption " + measured + "; its button shows " + room,
                            "the button cuts it with \"...\""});
    else
      list.Add(descriptionKey,
               {Rule::TooWide, Text(kDescriptionFileName),
                place.key + " \"" + place.text + "\" " + measured + "; its place shows " + room,
                "the contact panel cuts it"});
  }
}

}  // namespace demodisc
