// Labels take the height their text needs when the layout gives too little,
// growing away from the edge they are aligned to; otherwise they stay where
// the layout puts them.
#include <gtest/gtest.h>

#include "ui/alignment.h"
#include "ui/controls/label.h"
#include "ui/controls/panel.h"
#include "ui/form.h"
#include "ui/look/fonts.h"

namespace demodisc {
namespace {

class LabelHost final : public Form {
 public:
  LabelHost() {
    CreateForm({L"TLabelHost"},
               {.bounds = {0, 0, 300, 360}, .text = "Labels", .style = WS_OVERLAPPED | WS_CAPTION});
    PanelLook look;
    look.bevel = false;
    panel.Create({.parent = hwnd(), .bounds = {0, 0, 200, 300}}, look);
  }
  // A word-wrapped label on the panel.
  void Add(Label& label, const Text& text, const Bounds& bounds = {}) {
    LabelLook look;
    look.wordWrap = true;
    label.Create(
        {.parent = panel.hwnd(), .bounds = bounds, .text = text, .font = UiFont(Arial(12))}, look);
  }
  Panel panel;
};

// Texts of a given number of lines whatever the font: the lines are broken by hand.
Text Lines(int n) {
  Text text = "Строка 1";
  for (int i = 2; i <= n; ++i) text += "\r\nСтрока " + std::to_string(i);
  return text;
}

class LabelHeightTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Label one;
    host.Add(one, Lines(1));
    line = one.NeededHeight(200);
    ASSERT_GT(line, 0);
  }
  LabelHost host;
  int line = 0;
};

TEST_F(LabelHeightTest, ABottomLabelWhoseTextNeedsMoreLinesGrowsUpward) {
  Label fits, needsMore;
  host.Add(fits, Lines(2));
  host.Add(needsMore, Lines(4));
  Window fillerControl;
  const HWND filler =
      fillerControl.CreateControl(L"EDIT", {.parent = host.panel.hwnd(), .style = WS_VISIBLE});
  host.panel.AlignControls(
      {{fits, AlignBottom(2 * line)}, {needsMore, AlignBottom(2 * line)}, {filler, AlignFill()}});
  // Exactly the lines the layout gives: it stays.
  EXPECT_EQ(fits.bounds(), (Bounds{0, 300 - 2 * line, 200, 2 * line}));
  // Twice as many: it grows upward from the same bottom, and what fills the
  // rest gives up the room.
  EXPECT_EQ(needsMore.bounds(), (Bounds{0, 300 - 6 * line, 200, 4 * line}));
  EXPECT_EQ(BoundsInParent(filler), (Bounds{0, 0, 200, 300 - 6 * line}));
}

TEST_F(LabelHeightTest, ATopLabelGrowsDownwardAndTheNextMovesDown) {
  Label first, second;
  host.Add(first, Lines(3));
  host.Add(second, Lines(1));
  host.panel.AlignControls({{first, AlignTop(line)}, {second, AlignTop(line)}});
  EXPECT_EQ(first.bounds(), (Bounds{0, 0, 200, 3 * line}));
  EXPECT_EQ(second.bounds(), (Bounds{0, 3 * line, 200, line}));
}

TEST_F(LabelHeightTest, ALongWrappedTextTakesTheLinesItNeedsAtTheLabelsWidth) {
  Label narrow;
  host.Add(narrow, "слово слово слово слово слово слово слово слово", {10, 20, 60, line});
  const Bounds placed = narrow.bounds();
  EXPECT_EQ(placed.x, 10);
  EXPECT_EQ(placed.y, 20);
  EXPECT_EQ(placed.width, 60);
  EXPECT_GE(placed.height, 4 * line);
  EXPECT_EQ(placed.height % line, 0);
  // A label placed by its bounds whose text fits keeps them.
  Label roomy;
  host.Add(roomy, "слово", {10, 200, 150, 3 * line});
  EXPECT_EQ(roomy.bounds(), (Bounds{10, 200, 150, 3 * line}));
}

}  // namespace
}  // namespace demodisc
