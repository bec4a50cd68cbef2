// What the main window shows and what its items do, as one value: the
// built-in catalogue, or the one a disc's DemoDisc.ini describes. Paths are
// relative to the disc's root, with "\" between their parts.
#pragma once

#include <array>
#include <span>
#include <optional>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace demodisc {

// What clicking an item does.
enum class ItemAction {
  Run,     // run the file and wait for it
  Play,    // the player with the clip, and wait
  Notice,  // the notice window
  Open,    // a document in the program associated with it, without waiting
  Web,     // an http or https address in the default browser
};

struct DescribedItem {
  Text name;         // the action's name: "Act_About", or "Item<page>_<button>" by place
  Text caption;      // what the button shows
  int image = -1;    // one of the built-in pictures (0 to 25), or -1
  Text pictureFile;  // a PNG file instead, or empty
  Text description;  // the file the memo shows, or empty for none
  ItemAction action = ItemAction::Notice;
  Text target;  // the file to run, play or open, or the address
  friend bool operator==(const DescribedItem&, const DescribedItem&) = default;
};

// Where a catalogue page's controls stand and what they are called.
struct PageLayout {
  std::string_view name;         // the page's name: "Present", or empty for one by place
  std::string_view groupName;    // "BGrp_present"
  std::string_view memoName;     // "Mm_Hint"
  std::string_view warningName;  // "Lab_AttentDemo"
  int groupMargin = 3;
  int memoHeight = 0;     // 0: the height the buttons leave
  int warningHeight = 0;  // the label over the buttons, when the page has a warning
  int maxItems = 8;       // the buttons the group shows without scrolling
};

struct DescribedPage {
  Text caption;       // the tab's caption
  Text name;          // the page's name: "Present", or "Page<n>" by place
  Text publications;  // the publication list file: the publication page
  Text warning;       // a red warning over the buttons, or empty
  int layout = -1;    // one of BuiltInLayouts(), or -1 for the layout by rule
  std::vector<DescribedItem> items;
  bool IsPublications() const { return !publications.empty(); }
  friend bool operator==(const DescribedPage&, const DescribedPage&) = default;
};

// The contact panel's values.
struct DiscContacts {
  Text company, address, postal, web;
  std::array<Text, 3> emails;
  std::array<Text, 2> phones;
  Text director, mobile, slogan;
  friend bool operator==(const DiscContacts&, const DiscContacts&) = default;
};

// Every other text the main and notice windows show.
struct DiscTexts {
  Text internetHeading, emailHeading, phoneHeading, directorHeading, postalPrefix;
  Text email2Note, phone1Note, phone2Note, mobileNote;
  Text closeButton, readButton, printButton, installLabel, installButton;
  Text noticeCaption, noticeBand, noticeButton;
  friend bool operator==(const DiscTexts&, const DiscTexts&) = default;
};

// The encoding of the description files.
enum class TextsEncoding { Cp1251, Utf8 };

// Every value starts as the built-in catalogue gives it (built_in_catalogue.ini).
struct DiscDescription {
  Text title;
  TextsEncoding texts = TextsEncoding::Cp1251;
  Text player;
  Text readerInstaller;
  DiscContacts contacts;
  DiscTexts uiTexts;
  std::vector<DescribedPage> pages;
  friend bool operator==(const DiscDescription&, const DiscDescription&) = default;
};

// The catalogue the program shows when the disc has no DemoDisc.ini: the
// text of built_in_catalogue.ini, compiled in.
extern const std::string_view kBuiltInCatalogue;
const DiscDescription& BuiltInDescription();

// The layouts of the four built-in catalogue pages: Present, Demo, Video,
// Gebit_Benutzt.
std::span<const PageLayout> BuiltInLayouts();
// The built-in layout of that page name (case-insensitive), or -1.
int FindLayout(std::string_view name);
// A page's layout: its built-in one, or the rule's, named by its place.
PageLayout LayoutOf(const DescribedPage& page);

// The most pages the tab row holds.
inline constexpr int kMaxPages = 6;
// The height of a catalogue page's client area, and of one button.
inline constexpr int kCataloguePageHeight = 398;
inline constexpr int kCatalogueButtonHeight = 36;

// The memo's height on a page: its layout's, or what the buttons leave.
int MemoHeightOf(const DescribedPage& page);

// What the contact panel's lines show: the value and its note ("(стар.)")
// after a blank, or nothing when the value is empty.
Text WithNote(const Text& value, const Text& note);

}  // namespace demodisc
