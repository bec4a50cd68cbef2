// The windows under a High Contrast theme turned on and off while they are
// shown, the system's answers stood in (Wine has no such theme): the colours
// the layout fixes give way to the theme's, read back from the screen, and
// with the theme off again the window is as before, pixel for pixel.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "control_rules/button_group_rules.h"
#include "launcher/hint_texts.h"
#include "support/main_window_fixture.h"
#include "support/pixels.h"
#include "ui/MainDemo/main_form.h"
#include "ui/controls/button_group.h"
#include "ui/controls/label.h"
#include "ui/controls/picture.h"
#include "ui/controls/string_grid.h"
#include "ui/look/colours.h"
#include "ui/look/high_contrast_win.h"

namespace demodisc {
namespace {

using testing::PumpMessages;

// The stand-in theme: yellow text on black windows, as a High Contrast theme
// has, and every other pair distinct from it and from the usual colours.
constexpr COLORREF kWindow = RGB(0, 0, 0);
constexpr COLORREF kWindowText = RGB(255, 255, 0);
constexpr COLORREF kFace = RGB(0, 0, 128);
constexpr COLORREF kFaceText = RGB(255, 255, 255);
constexpr COLORREF kHighlight = RGB(128, 0, 128);
constexpr COLORREF kHighlightText = RGB(0, 255, 0);
constexpr COLORREF kHotLight = RGB(0, 255, 255);
constexpr COLORREF kLightRedRow = RGB(255, 204, 204);

COLORREF ThemeColour(int index) {
  switch (index) {
    case COLOR_WINDOW:
      return kWindow;
    case COLOR_WINDOWTEXT:
    case COLOR_WINDOWFRAME:
      return kWindowText;
    case COLOR_BTNFACE:
      return kFace;
    case COLOR_BTNTEXT:
      return kFaceText;
    case COLOR_HIGHLIGHT:
      return kHighlight;
    case COLOR_HIGHLIGHTTEXT:
      return kHighlightText;
    case COLOR_HOTLIGHT:
      return kHotLight;
    default:
      return GetSysColor(index);
  }
}
const HighContrastAnswers kTheme{[] { return true; }, ThemeColour};

// A window's client area as the screen shows it: what has been painted.
class ScreenPixels {
 public:
  explicit ScreenPixels(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    const HDC screen = GetDC(nullptr);
    const HDC copy = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width_, -height_, 1, 32, BI_RGB};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width_, height_, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(first, first + width_ * height_);
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
  }
  COLORREF At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const std::uint32_t p = pixels_[static_cast<std::size_t>(y * width_ + x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // How many pixels of the rectangle have the colour.
  int Count(const RECT& r, COLORREF colour) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) == colour;
    return n;
  }
  bool Holds(const RECT& r, COLORREF colour) const { return Count(r, colour) > 0; }
  const std::vector<std::uint32_t>& pixels() const { return pixels_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

RECT RectOf(const Bounds& b) { return {b.x, b.y, b.x + b.width, b.y + b.height}; }

// What the system sends each top-level window when a theme is turned on or
// off: the colours changed, and the High Contrast setting.
void AnnounceThemeChange(HWND window) {
  SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
  SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
}

class HighContrastTest : public testing::MainWindowTest {
 protected:
  // A publication with a document (a light red row), one without (white)
  // and another with one.
  void PrepareDisc() override {
    testing::WriteFileBytes(Disc("Publication\\vortan_lit.txt"),
                            "eng#paper01.pdf#1.  With a document.\r\n"
                            "eng##2.  Without a document.\r\n"
                            "rus#paper03.pdf#3.  With another.\r\n");
  }
  void TearDown() override {
    StandInHighContrast(nullptr);
    AnnounceThemeChange(main().hwnd());
    MainWindowTest::TearDown();
  }
  void TurnOn() {
    StandInHighContrast(&kTheme);
    AnnounceThemeChange(main().hwnd());
    PumpMessages(200);
  }
  void TurnOff() {
    StandInHighContrast(nullptr);
    AnnounceThemeChange(main().hwnd());
    PumpMessages(200);
  }
  // A label and the client area of the window it is drawn on, as shown.
  struct Shown {
    RECT rect;
    ScreenPixels pixels;
  };
  Shown LabelOnScreen(std::string_view name) {
    const Label& label = Control<Label>(name);
    return {RectOf(label.bounds()), ScreenPixels(label.parent())};
  }
};

TEST_F(HighContrastTest, PanelsLabelsAndTheStripTakeTheThemesPairsAndTextReadsOnThem) {
  PumpMessages(300);
  // As the layout fixes them: light green panel, money green label, pink
  // strip, red link.
  EXPECT_EQ(ScreenPixels(Named("Pan_About")).At(1, 1), kLightGreen);
  {
    const Shown install = LabelOnScreen("Lab_HInstall");
    EXPECT_EQ(install.pixels.At(install.rect.left + 1, install.rect.top + 1), kMoneyGreen);
    const Shown link = LabelOnScreen("Lab_www");
    EXPECT_TRUE(link.pixels.Holds(link.rect, kRed));
  }

  TurnOn();
  EXPECT_EQ(ScreenPixels(Named("Pan_About")).At(1, 1), kWindow);
  // Plain text on a coloured label: the window's text on the window colour.
  for (const std::string_view name : {"Lab_HInstall", "Lab_HMaker", "Lab_HInter", "Lab_tel_1"}) {
    SCOPED_TRACE(name);
    const Shown label = LabelOnScreen(name);
    EXPECT_EQ(label.pixels.At(label.rect.left, label.rect.top), kWindow);
    EXPECT_GT(label.pixels.Count(label.rect, kWindowText), 10);
    EXPECT_FALSE(label.pixels.Holds(label.rect, kMoneyGreen));
    EXPECT_FALSE(label.pixels.Holds(label.rect, kLightGreen));
  }
  // Red text stands out as a link does, and still reads on its background.
  for (const std::string_view name : {"Lab_www", "Lab_Director"}) {
    SCOPED_TRACE(name);
    const Shown label = LabelOnScreen(name);
    EXPECT_GT(label.pixels.Count(label.rect, kHotLight), 10);
    EXPECT_FALSE(label.pixels.Holds(label.rect, kRed));
  }
  // The slogan strip: its caption in the window's text on the window colour.
  const ScreenPixels strip(Named("Pan_Slogan10"));
  RECT stripRect;
  GetClientRect(Named("Pan_Slogan10"), &stripRect);
  EXPECT_EQ(strip.At(2, 2), kWindow);
  EXPECT_GT(strip.Count(stripRect, kWindowText), 100);
  EXPECT_FALSE(strip.Holds(stripRect, kLightPink));
}

TEST_F(HighContrastTest, APicturesTransparentColourShowsTheThemesBackground) {
  PumpMessages(300);
  const Picture& picture = Control<Picture>("Image1");
  const Bounds& b = picture.bounds();
  const SIZE size = picture.PictureSize();
  ASSERT_GT(size.cy, 0);
  // The lower-left pixel's colour is the transparent one: the panel's shows.
  const int x = b.x, y = b.y + size.cy - 1;
  EXPECT_EQ(ScreenPixels(picture.parent()).At(x, y), kLightGreen);
  TurnOn();
  EXPECT_EQ(ScreenPixels(picture.parent()).At(x, y), kWindow);
}

TEST_F(HighContrastTest, AButtonGroupsFacesTextAndHotItemTakeTheThemesPairs) {
  for (const auto& f : HintFiles(hpPresent)) WriteHint(Text(f), "");
  HWND group = Named("BGrp_present");
  const int height = main().Px(kButtonGroupItemHeight);
  RECT client;
  GetClientRect(group, &client);
  const RECT first{0, 0, client.right, height};
  const RECT second{0, height, client.right, 2 * height};
  TurnOn();
  {
    const ScreenPixels shown(group);
    EXPECT_EQ(shown.At(1, 1), kFace);
    EXPECT_EQ(shown.At(main().Px(2), height / 2), kFaceText);  // the frame
    EXPECT_GT(shown.Count(first, kFaceText), 100);
    // Right of the caption, nothing of the usual face is left.
    const RECT right{client.right * 3 / 4, 0, client.right, height};
    EXPECT_FALSE(shown.Holds(right, GetSysColor(COLOR_BTNFACE)));
    // Below the last button: the face too.
    EXPECT_EQ(shown.At(1, client.bottom - 2), kFace);
  }
  Hover(group, 1);
  PumpMessages(100);
  ASSERT_EQ(Control<ButtonGroup>("BGrp_present").HotIndex(), 1);
  const ScreenPixels shown(group);
  EXPECT_EQ(shown.At(1, height + 1), kHighlight);
  EXPECT_GT(shown.Count(second, kHighlightText), 100);
  EXPECT_FALSE(shown.Holds(second, kFaceText));
  // The others stay as they were.
  EXPECT_EQ(shown.At(1, 1), kFace);
}

TEST_F(HighContrastTest, TheGridsRowsTakeTheWindowsPairAndARowWithADocumentReadsAsALink) {
  ShowPage(MainForm::kArtikel);
  PumpMessages(300);
  StringGrid& grid = Grid();
  const RECT withDocument = grid.CellRect(2, 3);
  const RECT without = grid.CellRect(2, 2);
  const RECT header = grid.CellRect(2, 0);
  EXPECT_EQ(ScreenPixels(grid.hwnd()).At(withDocument.left + 1, withDocument.top + 1),
            kLightRedRow);
  TurnOn();
  const ScreenPixels shown(grid.hwnd());
  EXPECT_EQ(shown.At(withDocument.left + 1, withDocument.top + 1), kWindow);
  EXPECT_GT(shown.Count(withDocument, kHotLight), 10);
  EXPECT_FALSE(shown.Holds(withDocument, kLightRedRow));
  EXPECT_EQ(shown.At(without.left + 1, without.top + 1), kWindow);
  EXPECT_GT(shown.Count(without, kWindowText), 10);
  EXPECT_FALSE(shown.Holds(without, kHotLight));
  EXPECT_GT(shown.Count(header, kFaceText), 10);
  EXPECT_EQ(shown.At(header.left + 1, header.top + 1), kFace);
}

// Turned off again, every page looks as before, and on it looked different.
TEST_F(HighContrastTest, TurnedOffAgainEachPageIsPixelForPixelAsBefore) {
  for (const int page : {MainForm::kPresent, MainForm::kArtikel, MainForm::kDemo}) {
    SCOPED_TRACE(page);
    ShowPage(page);
    PumpMessages(300);
    const ScreenPixels before(main().hwnd());
    TurnOn();
    const ScreenPixels on(main().hwnd());
    TurnOff();
    const ScreenPixels after(main().hwnd());
    ASSERT_EQ(after.pixels().size(), before.pixels().size());
    std::size_t differ = 0, differOn = 0;
    for (std::size_t i = 0; i < after.pixels().size(); ++i) {
      differ += after.pixels()[i] != before.pixels()[i];
      differOn += on.pixels()[i] != before.pixels()[i];
    }
    EXPECT_EQ(differ, 0u);
    EXPECT_GT(differOn, before.pixels().size() / 4);
  }
}

// Each message the system sends for a theme change repaints the window in
// the theme's colours by itself; a change of another setting does not.
TEST_F(HighContrastTest, EachAnnouncementOfAThemeChangeRepaintsTheWindowAndOthersDoNot) {
  struct Announcement {
    const char* what;
    UINT msg;
    WPARAM wp;
    const wchar_t* area;
    bool repaints;
  };
  const Announcement announcements[] = {
      {"WM_SYSCOLORCHANGE", WM_SYSCOLORCHANGE, 0, nullptr, true},
      {"SPI_SETHIGHCONTRAST", WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, nullptr, true},
      {"WindowMetrics", WM_SETTINGCHANGE, 0, L"WindowMetrics", true},
      {"ImmersiveColorSet", WM_SETTINGCHANGE, 0, L"ImmersiveColorSet", true},
      {"intl", WM_SETTINGCHANGE, 0, L"intl", false},
      {"SPI_SETWORKAREA", WM_SETTINGCHANGE, SPI_SETWORKAREA, nullptr, false},
  };
  HWND panel = Named("Pan_About");
  for (const Announcement& a : announcements) {
    SCOPED_TRACE(a.what);
    PumpMessages(100);
    ASSERT_EQ(ScreenPixels(panel).At(1, 1), kLightGreen);
    StandInHighContrast(&kTheme);
    SendMessageW(main().hwnd(), a.msg, a.wp, reinterpret_cast<LPARAM>(a.area));
    PumpMessages(200);
    EXPECT_EQ(ScreenPixels(panel).At(1, 1), a.repaints ? kWindow : kLightGreen);
    TurnOff();
  }
}

// With no theme on, the user changes the system's text colour: the labels
// laid out in it follow, as the system's own controls do.
TEST_F(HighContrastTest, LabelsInTheSystemsTextColourFollowItsChange) {
  PumpMessages(200);
  const int index = COLOR_WINDOWTEXT;
  const COLORREF usual = GetSysColor(index);
  const COLORREF changed = RGB(0, 0, 200);
  SetSysColors(1, &index, &changed);
  SendMessageW(main().hwnd(), WM_SYSCOLORCHANGE, 0, 0);
  PumpMessages(200);
  const Shown label = LabelOnScreen("Lab_HInter");
  SetSysColors(1, &index, &usual);
  SendMessageW(main().hwnd(), WM_SYSCOLORCHANGE, 0, 0);
  PumpMessages(200);
  EXPECT_GT(label.pixels.Count(label.rect, changed), 10);
  EXPECT_FALSE(label.pixels.Holds(label.rect, usual));
  const Shown again = LabelOnScreen("Lab_HInter");
  EXPECT_GT(again.pixels.Count(again.rect, usual), 10);
}

LRESULT CALLBACK CountColourChanges(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                    DWORD_PTR count) {
  if (msg == WM_SYSCOLORCHANGE) ++*reinterpret_cast<int*>(count);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

TEST_F(HighContrastTest, TheCommonControlsAreToldTheColoursChanged) {
  int tabs = 0, memo = 0;
  SetWindowSubclass(Named("PgCtrl_disk"), CountColourChanges, 1,
                    reinterpret_cast<DWORD_PTR>(&tabs));
  SetWindowSubclass(Named("Mm_Hint"), CountColourChanges, 1, reinterpret_cast<DWORD_PTR>(&memo));
  SendMessageW(main().hwnd(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(tabs, 1);
  EXPECT_EQ(memo, 1);
  RemoveWindowSubclass(Named("PgCtrl_disk"), CountColourChanges, 1);
  RemoveWindowSubclass(Named("Mm_Hint"), CountColourChanges, 1);
}

TEST_F(HighContrastTest, TheNoticeWindowsBandTakesTheThemesPairAndGivesItBack) {
  COLORREF fixedFace = 0, themedFace = 0, restoredFace = 0;
  int fixedRed = 0, themedLink = 0, themedRed = 0;
  RECT band{};
  auto read = [&](COLORREF& face) {
    HWND pan = notice().Named("Pan_Up")->hwnd();
    GetClientRect(pan, &band);
    const ScreenPixels shown(pan);
    face = shown.At(2, 2);
    return shown;
  };
  testing::TimedSteps steps(
      {[&] { fixedRed = read(fixedFace).Count(band, kRed); },
       [&] {
         StandInHighContrast(&kTheme);
         AnnounceThemeChange(notice().hwnd());
       },
       [&] {
         const ScreenPixels shown = read(themedFace);
         themedLink = shown.Count(band, kHotLight);
         themedRed = shown.Count(band, kRed);
         StandInHighContrast(nullptr);
         AnnounceThemeChange(notice().hwnd());
       },
       [&] { read(restoredFace); }, [&] { PostMessageW(notice().hwnd(), WM_CLOSE, 0, 0); }},
      300);
  main().ShowNotice();
  EXPECT_TRUE(steps.done());
  EXPECT_EQ(fixedFace, kMoneyGreen);
  EXPECT_GT(fixedRed, 100);
  EXPECT_EQ(themedFace, kWindow);
  EXPECT_GT(themedLink, 100);
  EXPECT_EQ(themedRed, 0);
  EXPECT_EQ(restoredFace, kMoneyGreen);
}

// The photo window's navy and the video window's white-on-black time, read
// through WM_PRINTCLIENT: both windows are hidden.
TEST_F(HighContrastTest, ThePhotoWindowsNavyAndTheVideoWindowsTimeTakeTheWindowsPair) {
  Form& photo = app_->photoForm();
  ASSERT_NE(photo.NamedElement("LabInfo"), nullptr);  // its controls made
  HWND time = app_->videoForm().Named("PanTime")->hwnd();
  RECT timeRect;
  GetClientRect(time, &timeRect);
  const RECT below{0, 20, 341, 279};
  EXPECT_TRUE(testing::ClientPixels(photo.hwnd()).AllOf(below, RGB(0, 0, 128)));
  EXPECT_TRUE(testing::ClientPixels(time).Holds(timeRect, RGB(255, 255, 255)));

  StandInHighContrast(&kTheme);
  AnnounceThemeChange(photo.hwnd());
  AnnounceThemeChange(app_->videoForm().hwnd());
  const testing::ClientPixels photoShown(photo.hwnd());
  EXPECT_TRUE(photoShown.AllOf(below, kWindow));
  EXPECT_TRUE(photoShown.AllOf({0, 0, 341, 13}, kWindow));
  const testing::ClientPixels timeShown(time);
  EXPECT_TRUE(timeShown.Holds(timeRect, kWindowText));
  EXPECT_FALSE(timeShown.Holds(timeRect, RGB(255, 255, 255)));
}

}  // namespace
}  // namespace demodisc
