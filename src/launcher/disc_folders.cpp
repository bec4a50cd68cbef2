#include "launcher/disc_folders.h"

namespace demodisc {

Text RootDirOf(std::string_view currentDir) { return Text(currentDir) + "\\"; }

DiscFolders MakeDiscFolders(std::string_view currentDir) {
  DiscFolders f;
  f.RootDir = RootDirOf(currentDir);
  f.PresentationDir = f.RootDir + "Presentation\\";
  f.AcrobatReaderDir = f.RootDir + "Acrobat Reader\\";
  f.PublicationDir = f.RootDir + "Publication\\";
  f.Vortan4Dir = f.RootDir + "Vortan4\\";
  f.LA20KDir = f.RootDir + "LA20K\\";
  f.VideoDir = f.RootDir + "Video\\";
  f.Ostravilenka15Dir = f.RootDir + "Ostravilenka_1_5\\";
  f.HintsDir = f.RootDir + "Hints\\";
  return f;
}

}  // namespace demodisc
