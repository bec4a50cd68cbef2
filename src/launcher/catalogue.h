// The disc's catalogue: the 26 actions of the action list, the items of the
// four catalogue pages and the presentation batch files.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "base/text.h"
#include "launcher/disc_folders.h"

namespace demodisc {

// A catalogue page of the built-in catalogue, by its tab.
enum class Category { Present = 0, Demo = 2, Video = 3, User = 4 };

// What executing an action does.
enum class Effect {
  Presentation,  // StartAllPresent(presentation)
  Ostravilenka,  // Act_v1_5Execute: kOstravilenkaProgram
  Vortan4,       // Go_Vortan4: kVortan4Program
  Notice,        // the notice window
  Video,         // PlayVideo(clip): kVideoPlayer with the clip
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

// The page control's five pages in tab order: the tab's caption, the page's
// name and, for the four catalogue pages, the category they list.
struct DiscPage {
  std::string_view caption;
  std::string_view name;
  std::optional<Category> category;  // none for the publications page
};
std::span<const DiscPage> DiscPages();

// The presentation batch files of the Presentation folder, by index (10).
std::span<const std::string_view> PresentationFiles();
// The batch file of a presentation; nothing for an index outside the table.
std::optional<DiscFile> PresentationContent(int index);

// What the demo items and the video items run.
inline constexpr DiscFile kOstravilenkaProgram{DiscFolder::Ostravilenka15, "Rolik.bat"};
inline constexpr DiscFile kVortan4Program{DiscFolder::Vortan4, "1.bat"};
inline constexpr DiscFile kVideoPlayer{DiscFolder::LA20K, "LA.exe"};
// What a video item shows when the player cannot be started.
inline constexpr char kPlayerStartFailed[] = "Ошибка запуска медиа-плейера ...";
// A clip of the Video folder.
constexpr DiscFile VideoClip(std::string_view fileName) { return {DiscFolder::Video, fileName}; }

// What executing an action starts from the disc: a program or batch file,
// and for the player the clip it is given. Nothing for the notice items and
// for a presentation outside the table.
struct ActionContentFiles {
  std::optional<DiscFile> program;
  std::optional<DiscFile> clip;
};
ActionContentFiles ActionContent(const CatalogueAction& action);

}  // namespace demodisc
