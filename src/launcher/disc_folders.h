// The disc's content folders, all derived from the directory current at start.
#pragma once

#include <span>
#include <string_view>

#include "base/text.h"

namespace demodisc {

// The folders the program expects beside it, in the order the main window
// derives them; PicRec, which the photo window enters by itself, last.
enum class DiscFolder {
  Presentation,
  AcrobatReader,
  Publication,
  Vortan4,
  LA20K,
  Video,
  Ostravilenka15,
  Hints,
  PicRec,
};

std::span<const DiscFolder> AllDiscFolders();
// The folder's name on the disc, exactly: "Acrobat Reader", "Ostravilenka_1_5", ...
std::string_view DiscFolderName(DiscFolder folder);

// A file of one of the disc's folders.
struct DiscFile {
  DiscFolder folder;
  std::string_view name;
};

// The folder's name, "\" and the file's name, after `rootDir` (which ends in
// "\"; empty for a path relative to the disc's root).
Text DiscPath(std::string_view rootDir, const DiscFile& file);

struct DiscFolders {
  Text RootDir;
  Text PresentationDir;
  Text AcrobatReaderDir;
  Text PublicationDir;
  Text Vortan4Dir;
  Text LA20KDir;
  Text VideoDir;
  Text Ostravilenka15Dir;
  Text HintsDir;
};

// The root is the directory followed by "\" unconditionally, so a drive root
// "E:\" gives "E:\\" (which Windows path handling accepts).
Text RootDirOf(std::string_view currentDir);
DiscFolders MakeDiscFolders(std::string_view currentDir);

}  // namespace demodisc
