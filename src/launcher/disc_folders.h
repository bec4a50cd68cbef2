// The disc's content folders, all derived from the directory current at start.
#pragma once

#include "base/text.h"

namespace demodisc {

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
