// What the main and notice windows should show at a scale: every control
// where the layout puts it, and in its font. At 96 dpi every place is exact;
// elsewhere each edge may be a pixel off by its rounding, and more by the
// bevels of the panels around it, which keep their one pixel: each moves the
// far edges of what it holds by up to the pixels a scaled bevel would have
// had more.
#pragma once

#include "control_rules/ui_scale.h"
#include "ui/MainDemo/main_form.h"
#include "ui/frmBlend/form_blenge.h"

namespace demodisc::testing {

void ExpectNear(const Bounds& placed, const Bounds& expected, const UiScale& scale, int bevels = 0);
void ExpectMainLayout(const MainForm& main, const UiScale& scale);
void ExpectMainFonts(const MainForm& main, const UiScale& scale);
void ExpectNoticeLayout(const FormBlenge& notice, const UiScale& scale);
// Every picture is drawn for the resolution: its 96-dpi size times the
// scale, from the set made for it rather than the bitmap's own size.
void ExpectMainPictures(const MainForm& main, const UiScale& scale);
void ExpectNoticePictures(const FormBlenge& notice, const UiScale& scale);

}  // namespace demodisc::testing
