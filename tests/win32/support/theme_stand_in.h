// Stands in for the desktop's visual styles, which the program never finds
// on under Wine: while a stand-in lives, the program finds common controls 6
// and a theme active, and the theme functions it looks up are the
// stand-in's. Theme data is a token, counted as it is opened and closed; a
// part drawn with it fills its rectangle with kThemedFace. The program looks
// the functions up once, through GetProcAddress, whose import entry the
// stand-in takes over: it must be made before the program first draws, in a
// process of its own (as ctest runs each test). reached() tells.
#pragma once

#include <windows.h>

namespace demodisc::testing {

class ThemeStandIn {
 public:
  static constexpr COLORREF kThemedFace = RGB(0x12, 0x9E, 0x6B);

  // One stand-in at a time.
  ThemeStandIn();
  ~ThemeStandIn();
  ThemeStandIn(const ThemeStandIn&) = delete;
  ThemeStandIn& operator=(const ThemeStandIn&) = delete;

  // True once the program has asked the stand-in whether a theme is active.
  bool reached() const;
  int opened() const;
  int closed() const;
  // Theme data open now.
  int open() const;
  int drawn() const;
  // Parts drawn with theme data that was closed or never opened, and theme
  // data closed that was not open.
  int misused() const;
};

}  // namespace demodisc::testing
