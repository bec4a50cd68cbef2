#include "control_rules/window_placement.h"

#include <gtest/gtest.h>

namespace demodisc {
namespace {

struct Placement {
  const char* what;
  Bounds over;
  int width, height;
  Bounds work;
  Corner expected;
};

TEST(WindowPlacement, CentredOverTheAreaAndMovedAsLittleAsItTakesIntoTheWorkArea) {
  const Bounds primary{0, 0, 1024, 768};
  const Bounds left{-1280, 0, 1280, 984};  // a monitor left of the primary one
  const Placement cases[] = {
      {"centred on the monitor", primary, 674, 584, primary, {175, 92}},
      {"odd remainders round toward zero", primary, 675, 585, primary, {174, 91}},
      {"over a window at negative coordinates",
       {-1000, 200, 674, 584},
       289,
       391,
       left,
       {-808, 296}},
      {"pushed up from the taskbar", {-1250, 600, 674, 584}, 289, 391, left, {-1058, 593}},
      {"pushed right from the monitor's left edge",
       {-1400, 100, 100, 100},
       300,
       200,
       left,
       {-1280, 50}},
      {"pushed left from the monitor's right edge",
       {-50, 100, 100, 100},
       300,
       200,
       left,
       {-300, 50}},
      {"larger than the work area: its top-left corner", primary, 1500, 900, primary, {0, 0}},
      {"larger on a monitor at negative coordinates",
       {-1280, 0, 1280, 1024},
       1400,
       1000,
       left,
       {-1280, 0}},
  };
  for (const Placement& c : cases) {
    SCOPED_TRACE(c.what);
    const Corner corner = CentredInside(c.over, c.width, c.height, c.work);
    EXPECT_EQ(corner.x, c.expected.x);
    EXPECT_EQ(corner.y, c.expected.y);
  }
}

TEST(WindowPlacement, CentredOriginIsRaisedToTheAreasOrigin) {
  EXPECT_EQ(CentredOrigin(0, 1024, 674), 175);
  EXPECT_EQ(CentredOrigin(0, 1024, 675), 174);
  EXPECT_EQ(CentredOrigin(0, 768, 900), 0);
  EXPECT_EQ(CentredOrigin(-1280, 1280, 300), -790);
}

}  // namespace
}  // namespace demodisc
