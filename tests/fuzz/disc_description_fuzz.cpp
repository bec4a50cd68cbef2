// The disc description file on arbitrary bytes: what it gives stays within
// the window's room and on the disc, and its faults are counted whole.
// Inputs up to 8 KB: past the longest line the parser takes (4,096 bytes).
// fuzz-max-len: 8192
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "launcher/disc_description_file.h"

using namespace demodisc;

namespace {

void Check(bool sound) {
  if (!sound) std::abort();
}

bool OnTheDisc(const Text& path) { return DiscRelativePath(path) == path; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Over empty values, so that each run reads only the input.
  DescriptionReading read;
  ReadDiscDescriptionOver(bytes, read);
  const DiscDescription& d = read.description;
  Check(read.faults.size() <= 100 && static_cast<int>(read.faults.size()) <= read.faultCount);
  Check(read.faults.size() == 100 || static_cast<int>(read.faults.size()) == read.faultCount);
  Check(d.pages.size() <= static_cast<std::size_t>(kMaxPages));
  Check(d.player.empty() || OnTheDisc(d.player));
  int publications = 0;
  for (const DescribedPage& page : d.pages) {
    Check(!page.caption.empty());
    publications += page.IsPublications();
    Check(!page.IsPublications() || (page.items.empty() && OnTheDisc(page.publications)));
    Check(static_cast<int>(page.items.size()) <= LayoutOf(page).maxItems);
    for (const DescribedItem& item : page.items) {
      Check(!item.caption.empty());
      Check(item.image >= -1 && item.image < 26);
      Check(item.pictureFile.empty() || OnTheDisc(item.pictureFile));
      Check(item.description.empty() || OnTheDisc(item.description));
      if (item.action == ItemAction::Web) {
        Text scheme = item.target.substr(0, item.target.find(':'));
        for (char& c : scheme) c = static_cast<char>(c | 0x20);
        Check(scheme == "http" || scheme == "https");
      } else if (item.action != ItemAction::Notice) {
        Check(OnTheDisc(item.target));
      }
    }
  }
  Check(publications <= 1);
  if (read.faultCount > 0) Check(!DescriptionFaultMessage(read).empty());
  return 0;
}
