#include "launcher/disc_folders.h"

#include <array>

namespace demodisc {

namespace {

struct FolderEntry {
  DiscFolder folder;
  std::string_view name;
  Text DiscFolders::*dir;  // the main window's string for it; none for PicRec
};

// In the order of DiscFolder.
constexpr std::array<FolderEntry, 9> kFolders{{
    {DiscFolder::Presentation, "Presentation", &DiscFolders::PresentationDir},
    {DiscFolder::AcrobatReader, "Acrobat Reader", &DiscFolders::AcrobatReaderDir},
    {DiscFolder::Publication, "Publication", &DiscFolders::PublicationDir},
    {DiscFolder::Vortan4, "Vortan4", &DiscFolders::Vortan4Dir},
    {DiscFolder::LA20K, "LA20K", &DiscFolders::LA20KDir},
    {DiscFolder::Video, "Video", &DiscFolders::VideoDir},
    {DiscFolder::Ostravilenka15, "Ostravilenka_1_5", &DiscFolders::Ostravilenka15Dir},
    {DiscFolder::Hints, "Hints", &DiscFolders::HintsDir},
    {DiscFolder::PicRec, "PicRec", nullptr},
}};

constexpr std::array<DiscFolder, kFolders.size()> kOrder = [] {
  std::array<DiscFolder, kFolders.size()> order{};
  for (std::size_t i = 0; i < kFolders.size(); ++i) order[i] = kFolders[i].folder;
  return order;
}();

constexpr bool InEnumOrder() {
  for (std::size_t i = 0; i < kFolders.size(); ++i)
    if (static_cast<std::size_t>(kFolders[i].folder) != i) return false;
  return true;
}
static_assert(InEnumOrder());

}  // namespace

std::span<const DiscFolder> AllDiscFolders() { return kOrder; }

std::string_view DiscFolderName(DiscFolder folder) {
  return kFolders[static_cast<std::size_t>(folder)].name;
}

Text DiscPath(std::string_view rootDir, const DiscFile& file) {
  Text path(rootDir);
  path += DiscFolderName(file.folder);
  path += '\\';
  path += file.name;
  return path;
}

Text RootDirOf(std::string_view currentDir) { return Text(currentDir) + "\\"; }

DiscFolders MakeDiscFolders(std::string_view currentDir) {
  DiscFolders f;
  f.RootDir = RootDirOf(currentDir);
  for (const FolderEntry& entry : kFolders)
    if (entry.dir) f.*entry.dir = f.RootDir + Text(entry.name) + "\\";
  return f;
}

}  // namespace demodisc
