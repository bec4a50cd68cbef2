#include "ui/look/high_contrast_win.h"

#include <array>
#include <string_view>

#include "ui/look/colours.h"
#include "ui/look/gdi.h"

namespace demodisc {

namespace {

const HighContrastAnswers* gStandIn = nullptr;
// The last answer: -1 before the first question.
int gOn = -1;
// The stand-in's brushes, by colour index, made when first asked for.
std::array<OwnedBrush, COLOR_MENUBAR + 1> gStandInBrushes;

bool ReadOn() {
  if (gStandIn) return gStandIn->on();
  HIGHCONTRASTW answer{};
  answer.cbSize = sizeof answer;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof answer, &answer, 0) &&
         (answer.dwFlags & HCF_HIGHCONTRASTON);
}

void ReadAgain() {
  gOn = ReadOn() ? 1 : 0;
  for (OwnedBrush& brush : gStandInBrushes) brush.reset();
}

// The settings whose change may turn a theme on or off or give it new colours.
bool IsColourSetting(WPARAM wp, LPARAM lp) {
  if (wp == SPI_SETHIGHCONTRAST) return true;
  if (!lp) return false;
  const std::wstring_view area = reinterpret_cast<const wchar_t*>(lp);
  return area == L"WindowMetrics" || area == L"ImmersiveColorSet";
}

BOOL CALLBACK ForwardColourChange(HWND child, LPARAM) {
  SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
  return TRUE;
}

bool IsNamed(COLORREF colour) { return (colour & kNamedSystemColour) != 0; }

COLORREF Resolved(COLORREF colour) {
  return IsNamed(colour) ? SystemColour(static_cast<int>(colour & 0xFF)) : colour;
}

ColourPair PairOf(int back, int text) {
  return {ToRgb(SystemColour(back)), ToRgb(SystemColour(text))};
}

}  // namespace

bool HighContrastOn() {
  if (gOn < 0) ReadAgain();
  return gOn == 1;
}

COLORREF SystemColour(int index) { return gStandIn ? gStandIn->colour(index) : GetSysColor(index); }

HBRUSH SystemBrush(int index) {
  if (!gStandIn) return GetSysColorBrush(index);
  if (index < 0 || index >= static_cast<int>(gStandInBrushes.size())) return nullptr;
  OwnedBrush& brush = gStandInBrushes[static_cast<std::size_t>(index)];
  if (!brush) brush.reset(CreateSolidBrush(SystemColour(index)));
  return brush.get();
}

HighContrastPalette SystemPalette() {
  return {PairOf(COLOR_WINDOW, COLOR_WINDOWTEXT), PairOf(COLOR_BTNFACE, COLOR_BTNTEXT),
          PairOf(COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT), ToRgb(SystemColour(COLOR_HOTLIGHT))};
}

COLORREF ShownBack(COLORREF fixed) {
  return HighContrastOn() ? SystemColour(COLOR_WINDOW) : Resolved(fixed);
}

HBRUSH ShownBackBrush(HBRUSH fixed) {
  if (!HighContrastOn()) return fixed;
  // A window class gives a system colour's brush as its index plus one.
  const auto value = reinterpret_cast<UINT_PTR>(fixed);
  if (value > 0 && value <= gStandInBrushes.size()) return SystemBrush(static_cast<int>(value) - 1);
  return SystemBrush(COLOR_WINDOW);
}

COLORREF ShownText(COLORREF fixed, COLORREF back) {
  if (!HighContrastOn()) return Resolved(fixed);
  // A system colour is the theme's own text, never an accent.
  const Rgb text = IsNamed(fixed) ? Rgb{} : ToRgb(fixed);
  return ToColorRef(ShownTextOn(ToRgb(back), text, SystemPalette()));
}

FaceColours ShownFace(const FaceColours& fixed, bool hot, bool pressed) {
  if (!HighContrastOn()) return fixed;
  if (pressed) {
    return {SystemColour(COLOR_BTNTEXT), SystemColour(COLOR_BTNFACE), SystemColour(COLOR_BTNFACE)};
  }
  if (hot) {
    const COLORREF text = SystemColour(COLOR_HIGHLIGHTTEXT);
    return {SystemColour(COLOR_HIGHLIGHT), text, text};
  }
  const COLORREF text = SystemColour(COLOR_BTNTEXT);
  return {SystemColour(COLOR_BTNFACE), text, text};
}

void FollowColourChange(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETTINGCHANGE && !IsColourSetting(wp, lp)) return;
  ReadAgain();
  if (msg == WM_SYSCOLORCHANGE) EnumChildWindows(window, ForwardColourChange, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE | RDW_FRAME);
}

void StandInHighContrast(const HighContrastAnswers* answers) {
  gStandIn = answers;
  for (OwnedBrush& brush : gStandInBrushes) brush.reset();
}

}  // namespace demodisc
