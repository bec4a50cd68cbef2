// The disc's catalogue: the 26 actions of the action list, the items of the
// four catalogue pages and the presentation batch files.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "base/text.h"

namespace demodisc {

enum class Category { Present, Demo, Video, User };

// What executing an action does.
enum class Effect {
  Presentation,  // StartAllPresent(presentation)
  Ostravilenka,  // Act_v1_5Execute: Ostravilenka15Dir + "Rolik.bat"
  Vortan4,       // Go_Vortan4: Vortan4Dir + "1.bat"
  Notice,        // the notice window
  Video,         // PlayVideo(clip)
};

struct CatalogueAction {
  std::string_view name;     // "Act_About"
  std::string_view handler;  // "Act_AboutExecute"; "Go_Vortan4" for Act_ZOZE
  Category category;
  std::string_view caption;
  int imageIndex;
  Effect effect;
  int presentation = -1;      // for Effect::Presentation
  std::string_view clip{""};  // for Effect::Video, a file of the Video folder
};

struct CatalogueItem {
  std::string_view action;                  // the bound action's name
  std::optional<std::string_view> caption;  // a caption of its own
};

inline constexpr int kCatalogueImageCount = 26;
inline constexpr int kCatalogueImageSize = 32;

// ActLst_Demo, in list order.
std::span<const CatalogueAction> CatalogueActions();
// The action of that name; nullptr when there is none.
const CatalogueAction* FindAction(std::string_view name);

// The items of a page's button group, in button order.
std::span<const CatalogueItem> CatalogueItems(Category page);

// What a button shows: the item's own caption, else its action's.
Text ShownCaption(const CatalogueItem& item);

// The presentation batch files of the Presentation folder, by index (10).
std::span<const std::string_view> PresentationFiles();
// The batch file of a presentation; nothing for an index outside the table.
std::optional<Text> PresentationFile(int index);

}  // namespace demodisc
