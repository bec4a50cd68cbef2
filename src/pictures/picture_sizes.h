// Which of the stored sets of pictures a scale draws from, and at what size.
// The program carries each picture at 100 % (its bitmap), 150 % and 200 %;
// a set's picture is its 96-dpi size times the set's percentage, rounded
// as UiScale::Px rounds.
#pragma once

#include "control_rules/ui_scale.h"

namespace demodisc {

inline constexpr int kPictureSetPercents[] = {100, 150, 200};

struct PictureChoice {
  int percent = 100;  // the set drawn from
  int width = 0;      // the size drawn: the scaled size, never more than the set's
  int height = 0;
};

// The smallest set at least as large as the scale, else the largest; the
// picture drawn at the scaled size, or at the set's size where the scale is
// larger than the largest set (never scaled up). At 96 dpi: 100 % and the
// size itself.
PictureChoice ChoosePicture(const UiScale& scale, int width, int height);

// A picture's size in a set.
int SizeInSet(int percent, int pixels);

}  // namespace demodisc
