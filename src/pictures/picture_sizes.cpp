#include "pictures/picture_sizes.h"

#include <algorithm>
#include <iterator>

namespace demodisc {

int SizeInSet(int percent, int pixels) { return MulDivRounded(pixels, percent, 100); }

PictureChoice ChoosePicture(const UiScale& scale, int width, int height) {
  // A set is at least as large as the scale when percent / 100 >= dpi / 96.
  int percent = kPictureSetPercents[std::size(kPictureSetPercents) - 1];
  for (const int candidate : kPictureSetPercents) {
    if (candidate * UiScale::kBaseDpi >= scale.dpi() * 100) {
      percent = candidate;
      break;
    }
  }
  return {percent, std::min(scale.Px(width), SizeInSet(percent, width)),
          std::min(scale.Px(height), SizeInSet(percent, height))};
}

}  // namespace demodisc
