// A disc of its own: the window shows what the disc's DemoDisc.ini gives,
// in UTF-8 and in UTF-16, each click runs its own file, a faulty file is
// told of once and its sound part shown, and the sample's file, which
// spells out the built-in catalogue, draws the same window as no file.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <functional>

#include "base/app_title.h"
#include "base/wide_win.h"
#include "launcher/catalogue.h"
#include "launcher/disc_description.h"
#include "launcher/hint_texts.h"
#include "native/support/png_writer.h"
#include "native/support/utf16_file.h"
#include "support/file_association.h"
#include "support/main_window_fixture.h"
#include "support/pixels.h"
#include "support/recorder.h"
#include "ui/controls/button_group.h"
#include "ui/controls/label.h"
#include "ui/frmBlend/form_blenge.h"

namespace demodisc {
namespace {

using testing::DialogWatcher;
using testing::WriteFileBytes;

constexpr char kOwnDisc[] = R"(; Каталог «Ромашки»
[disc]
title = Диск «Ромашка» 2026
texts = utf-8
player = Плеер\play.exe

[contacts]
company = ООО «Ромашка»
address = ул. Полевая, 1
web = romashka.example
email = one@romashka.example
email = two@romashka.example
phone = +7 100 000-00-00
director = Петров Пётр Петрович

[texts]
close-button = Выход

[page]
caption = Программы
warning = Программы запускаются с диска.

[item]
caption = Установка «Ромашки»
picture = Картинки/установка.png
description = Тексты\установка.txt
run = Программы\установка.bat

[item]
caption = Справочник
picture = 3
description = Тексты\справочник.txt
run = Программы\справочник.exe

[item]
caption = Руководство
picture = Картинки/руководство.png
open = Документы\руководство.ddtest

[item]
caption = Скоро
notice = yes

[page]
caption = Статьи
publications = Статьи\список.txt

[page]
caption = Фильмы
layout = Video

[item]
caption = Первый фильм
description = Тексты\фильм.txt
play = Фильмы\первый.avi
[item]
caption = Второй фильм
play = Фильмы\второй.avi
[item]
caption = Третий фильм
play = Фильмы\третий.avi
[item]
caption = Четвёртый фильм
play = Фильмы\четвёртый.avi
[item]
caption = Сайт
web = https://romashka.example/
[item]
caption = Ещё
notice = yes
)";

// A 64-pixel RGBA picture: `colour` inside, transparent in a 16-pixel frame.
std::string FramedPicture(COLORREF colour) {
  constexpr int kSide = 64;
  std::vector<std::uint16_t> samples;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      const bool inside = x >= 16 && x < 48 && y >= 16 && y < 48;
      samples.insert(samples.end(), {GetRValue(colour), GetGValue(colour), GetBValue(colour),
                                     static_cast<std::uint16_t>(inside ? 255 : 0)});
    }
  const int filters[] = {0, 1, 4};
  const testing::Bytes png = testing::PngOf(
      {.width = kSide, .height = kSide, .bitDepth = 8, .colourType = 6}, samples, filters);
  return std::string(png.begin(), png.end());
}

// What a screen reader finds in a window and every window inside it: each
// window's class, text and place, and its accessible children's role, name
// and place.
void DescribeAccessible(HWND window, HWND top, std::vector<Text>& out) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
  wchar_t cls[64];
  GetClassNameW(window, cls, 64);
  out.push_back(FromWide(cls) + "|" + WindowTextUtf8(window) + "|" + std::to_string(r.left) + "," +
                std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                std::to_string(r.bottom) + (IsWindowVisible(window) ? "" : "|hidden"));
  IAccessible* acc = nullptr;
  if (SUCCEEDED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                           IID_IAccessible, reinterpret_cast<void**>(&acc))) &&
      acc) {
    long count = 0;
    acc->get_accChildCount(&count);
    for (long i = 1; i <= count; ++i) {
      VARIANT child;
      child.vt = VT_I4;
      child.lVal = i;
      BSTR name = nullptr;
      VARIANT role;
      VariantInit(&role);
      long x = 0, y = 0, w = 0, h = 0;
      acc->get_accName(child, &name);
      acc->get_accRole(child, &role);
      acc->accLocation(&x, &y, &w, &h, child);
      out.push_back("  " + std::to_string(role.vt == VT_I4 ? role.lVal : -1) + "|" +
                    (name ? FromWide(name) : Text()) + "|" + std::to_string(w) + "x" +
                    std::to_string(h));
      SysFreeString(name);
    }
    acc->Release();
  }
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    DescribeAccessible(child, top, out);
}

// The disc of kOwnDisc, its description file in UTF-8 or in UTF-16.
class OwnDiscTest : public testing::MainWindowTest, public ::testing::WithParamInterface<bool> {
 protected:
  void PrepareDisc() override {
    WriteFileBytes(Disc("DemoDisc.ini"),
                   GetParam() ? testing::Utf16LeFile(kOwnDisc) : Text(kOwnDisc));
    WriteFileBytes(Disc("Картинки\\установка.png"), FramedPicture(RGB(200, 0, 0)));
    WriteFileBytes(Disc("Картинки\\руководство.png"), FramedPicture(RGB(0, 0, 200)));
    WriteFileBytes(Disc("Тексты\\установка.txt"), "Установка «Ромашки».\r\nВторая строка — ёж.");
    WriteFileBytes(Disc("Тексты\\справочник.txt"), "\xEF\xBB\xBFСправочник.");
    WriteFileBytes(Disc("Тексты\\фильм.txt"), "Фильм.");
    WriteFileBytes(Disc("Документы\\руководство.ddtest"), "руководство");
    WriteFileBytes(Disc("Статьи\\список.txt"), "rus#статья.pdf#1.  Статья.\r\n");
  }
  ButtonGroup& Group(std::string_view name) { return Control<ButtonGroup>(name); }
};

TEST_P(OwnDiscTest, ShowsItsOwnTitleTabsItemsPicturesDescriptionsAndContacts) {
  EXPECT_EQ(WindowTextUtf8(main().hwnd()), "Диск «Ромашка» 2026");
  HWND tabs = Named("PgCtrl_disk");
  ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(testing::TabCaption(tabs, 0), "Программы");
  EXPECT_EQ(testing::TabCaption(tabs, 1), "Статьи");
  EXPECT_EQ(testing::TabCaption(tabs, 2), "Фильмы");

  ButtonGroup& programs = Group("BGrp_page1");
  ASSERT_EQ(programs.Count(), 4);
  EXPECT_EQ(programs.item(0).caption, "Установка «Ромашки»");
  EXPECT_EQ(programs.item(1).imageIndex, 2);
  // The file's pictures follow the 26 built-in ones in the image list.
  EXPECT_EQ(programs.item(0).imageIndex, 26);
  EXPECT_EQ(programs.item(2).imageIndex, 27);
  EXPECT_EQ(programs.item(3).imageIndex, -1);
  // A screen reader finds the buttons by their captions.
  std::vector<Text> reader;
  DescribeAccessible(Named("BGrp_page1"), main().hwnd(), reader);
  ASSERT_EQ(reader.size(), 5u);
  EXPECT_EQ(reader[1],
            "  " + std::to_string(ROLE_SYSTEM_PUSHBUTTON) + "|Установка «Ромашки»|536x36");
  EXPECT_EQ(reader[4], "  " + std::to_string(ROLE_SYSTEM_PUSHBUTTON) + "|Скоро|536x36");
  EXPECT_EQ(main().Named<Label>("Lab_Attent1")->text(), "Программы запускаются с диска.");
  ASSERT_EQ(Group("ButGrp_Video").Count(), 6);
  EXPECT_EQ(Group("ButGrp_Video").item(5).caption, "Ещё");

  // The picture is reduced to 32 pixels and laid on the face: its inside
  // is red, its transparent frame the face, 5 pixels from the left.
  const testing::ClientPixels px(Named("BGrp_page1"), testing::ClientPixels::From::Screen);
  EXPECT_EQ(px.At(5 + 16, 18), RGB(200, 0, 0));
  EXPECT_EQ(px.At(5 + 2, 18), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(px.At(5 + 16, 36 * 2 + 18), RGB(0, 0, 200));

  Hover(Named("BGrp_page1"), 0);
  EXPECT_EQ(WindowTextUtf8(Named("Mm_page1")), "Установка «Ромашки».\r\nВторая строка — ёж.");
  Hover(Named("BGrp_page1"), 1);
  EXPECT_EQ(WindowTextUtf8(Named("Mm_page1")), "Справочник.");

  const auto label = [&](std::string_view name) { return main().Named<Label>(name)->text(); };
  EXPECT_EQ(label("Lab_HMaker"), "ООО «Ромашка»");
  EXPECT_EQ(label("Lab_www"), "romashka.example");
  EXPECT_EQ(label("Lab_email_2"), "two@romashka.example (стар.)");
  EXPECT_EQ(label("Lab_email_3"), "");
  EXPECT_EQ(label("Lab_tel_1"), "+7 100 000-00-00 пр-во");
  EXPECT_EQ(label("Lab_koresp"), "");
  EXPECT_EQ(label("Lab_Director"), "Петров Пётр Петрович");
  EXPECT_EQ(WindowTextUtf8(Named("BBtn_Close")), "Выход");
}

TEST_P(OwnDiscTest, EachClickRunsItsOwnFile) {
  const Text record = Disc("record.txt");
  WriteFileBytes(Disc("Программы\\установка.bat"),
                 "@echo off\r\necho setup>> \"" + record + "\"\r\n");
  const Text reference = testing::PlaceRecorder(Disc("Программы\\справочник.exe"));
  const Text player = testing::PlaceRecorder(Disc("Плеер\\play.exe"));
  testing::RecorderFile recorder(Disc("runs.txt"));
  // Documents of this kind open in the recorder, as Explorer's association says.
  testing::FileAssociation kind(".ddtest", "DemoDiscTest.Document", "\"" + reference + "\" \"%1\"");
  DialogWatcher watcher;

  Click(Named("BGrp_page1"), 0);
  Click(Named("BGrp_page1"), 1);
  Click(Named("BGrp_page1"), 2);
  RunMessages(3000, [&] { return recorder.Runs().size() >= 2; });
  ShowPage(2);
  Click(Named("ButGrp_Video"), 0);

  EXPECT_EQ(testing::RecordedLines(record, false), (std::vector<Text>{"setup"}));
  const auto runs = recorder.Runs();
  for (const auto& seen : watcher.seen()) ADD_FAILURE() << seen.caption << ": " << seen.text;
  ASSERT_EQ(runs.size(), 3u) << (runs.empty() ? "" : runs.back().commandLine);
  EXPECT_EQ(runs[0].commandLine, "\"" + reference + "\" ");
  EXPECT_EQ(runs[0].workingDir, Disc("Программы"));
  EXPECT_EQ(testing::ArgumentsOf(runs[1].commandLine),
            (std::vector<Text>{reference, Disc("Документы\\руководство.ddtest")}));
  EXPECT_EQ(runs[2].commandLine, "\"" + player + "\" " + Disc("Фильмы\\первый.avi"));
  EXPECT_EQ(runs[2].workingDir, Disc("Плеер"));

  // The notice item shows the notice window, closed by its close box; the
  // clicks are posted so that the steps meet the window's own loop.
  bool shown = false;
  ShowPage(0);
  HWND group = Named("BGrp_page1");
  Hover(group, 3);
  testing::TimedSteps steps({[&] { shown = IsWindowVisible(notice().hwnd()) != FALSE; },
                             [&] { PostMessageW(notice().hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }});
  PostMessageW(group, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, ButtonMiddle(3)));
  PostMessageW(group, WM_LBUTTONUP, 0, MAKELPARAM(100, ButtonMiddle(3)));
  RunMessages(3000, [&] { return steps.done() && !IsWindowVisible(notice().hwnd()); });
  EXPECT_TRUE(shown);
}

INSTANTIATE_TEST_SUITE_P(Encodings, OwnDiscTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Utf16" : "Utf8"; });

// A file with faults: one message names the file, the first fault's line
// and the count; the window shows the rest, and nothing outside the disc is
// ever started.
class FaultyDescriptionTest : public testing::MainWindowTest {
 protected:
  void PrepareDisc() override {
    WriteFileBytes(Disc("DemoDisc.ini"),
                   "[page]\ncaption = Одна\n"
                   "[item]\ncaption = Снаружи\nrun = ..\\outside.bat\n"
                   "[item]\ncaption = Хорошая\nnotice = yes\n"
                   "[item]\ncaptoin = Опечатка\nnotice = yes\n"
                   "[item]\ncaption = Битая\npicture = damaged.png\nnotice = yes\n"
                   "[item]\ncaption = Огромная\npicture = huge.png\nnotice = yes\n"
                   "[item]\ncaption = Узкая\npicture = narrow.png\nnotice = yes\n"
                   "[item]\ncaption = Мелкая\npicture = small.png\nnotice = yes\n"
                   "[item]\ncaption = Нет файла\npicture = missing.png\nnotice = yes\n");
    WriteFileBytes(disc_ / "outside.bat", "@echo off\r\necho ran> \"%~dp0ran.txt\"\r\n");
    std::string damaged = Picture(64, 64);
    damaged[damaged.size() / 2] ^= 0x55;
    WriteFileBytes(Disc("damaged.png"), damaged);
    // Its header says 20,000 pixels a side, its CRC made right: refused by
    // its size before anything is made.
    std::string huge = Picture(64, 64);
    for (const int at : {16, 20}) huge.replace(at, 4, std::string("\0\0\x4E\x20", 4));
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(huge.data() + 12), 17);
    for (int i = 0; i < 4; ++i) huge[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
    WriteFileBytes(Disc("huge.png"), huge);
    WriteFileBytes(Disc("narrow.png"), Picture(64, 48));
    WriteFileBytes(Disc("small.png"), Picture(16, 16));
  }
  static std::string Picture(int width, int height) {
    const std::vector<std::uint16_t> samples(static_cast<std::size_t>(width) * height * 3, 200);
    const int filters[] = {0};
    const testing::Bytes png = testing::PngOf(
        {.width = static_cast<std::uint32_t>(width), .height = static_cast<std::uint32_t>(height)},
        samples, filters);
    return std::string(png.begin(), png.end());
  }
  DialogWatcher watcher_;
};

TEST_F(FaultyDescriptionTest, IsToldOfOnceAndItsSoundPartShown) {
  ASSERT_EQ(watcher_.seen().size(), 1u);
  EXPECT_EQ(watcher_.seen()[0].caption, "Error");
  EXPECT_EQ(watcher_.seen()[0].text,
            "Файл описания диска DemoDisc.ini прочитан не весь.\r\n"
            "Строка 5: путь «..\\outside.bat» не ведёт к файлу на диске.\r\n"
            "Ошибок в файле: 2. Страницы и пункты с ошибками не показаны.");
  ButtonGroup& group = Control<ButtonGroup>("BGrp_page1");
  ASSERT_EQ(group.Count(), 6);
  EXPECT_EQ(group.item(0).caption, "Хорошая");
  // A picture that cannot be used leaves its button without one.
  for (int i = 1; i < 6; ++i) EXPECT_EQ(group.item(i).imageIndex, -1) << group.item(i).caption;
  EXPECT_FALSE(testing::FileExists(disc_ / "ran.txt"));
}

// The sample disc with and without its DemoDisc.ini, at 96 and 144 dpi.
class SampleFileTest : public testing::ScaledMainWindowTest {
 protected:
  struct Seen {
    std::vector<testing::ClientPixels> pages;  // each shown window of each page, as it paints
    std::vector<Text> tree;
  };
  Seen Look() {
    Seen seen;
    for (int page = 0; page < 5; ++page) {
      ShowPage(page);
      RunMessages(150);
      Paint(main().hwnd(), seen.pages);
      DescribeAccessible(main().hwnd(), main().hwnd(), seen.tree);
    }
    return seen;
  }
  static void Paint(HWND window, std::vector<testing::ClientPixels>& out) {
    if (!IsWindowVisible(window)) return;
    out.emplace_back(window, testing::ClientPixels::From::Print);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      Paint(child, out);
  }
};

TEST_P(SampleFileTest, DrawsTheSameWindowAsNoFile) {
  const Seen without = Look();
  app_.reset();
  // As Notepad saves it: "Unicode", CR LF.
  Text text;
  for (const char c : kBuiltInCatalogue) text += c == '\n' ? "\r\n" : Text(1, c);
  WriteFileBytes(Disc("DemoDisc.ini"), testing::Utf16LeFile(text));
  StartProgram();
  const Seen with = Look();
  EXPECT_EQ(with.tree, without.tree);
  ASSERT_EQ(with.pages.size(), without.pages.size());
  // The pictures are no blank captures: many show more than one colour.
  int drawn = 0;
  for (const testing::ClientPixels& px : with.pages)
    drawn += px.At(1, 1) != px.At(px.width() / 2, px.height() / 2);
  ASSERT_GT(drawn, 20);
  for (std::size_t page = 0; page < with.pages.size(); ++page)
    EXPECT_TRUE(with.pages[page] == without.pages[page]) << "window " << page;
  EXPECT_EQ(main().description(), BuiltInDescription());
}

// The sample's clicks with and without its file: each item runs the same
// batch file in the same folder, or the player on the same clip.
class SampleClicksTest : public testing::MainWindowTest {
 protected:
  void PrepareDisc() override {
    MainWindowTest::PrepareDisc();
    for (const int page : {hpPresent, hpDemo, hpVideo, hpUser})
      for (const auto& file : HintFiles(page)) WriteHint(Text(file), "");
    for (const auto& file : PresentationFiles()) Batch("Presentation\\" + Text(file));
    Batch("Ostravilenka_1_5\\Rolik.bat");
    Batch("Vortan4\\1.bat");
    testing::PlaceRecorder(Disc("LA20K\\LA.exe"));
  }
  void Batch(const Text& relative) {
    WriteFileBytes(Disc(relative),
                   "@echo off\r\necho " + relative + " %CD%>> \"" + Disc("record.txt") + "\"\r\n");
  }
  // Every item but the notice ones, clicked in page order.
  std::vector<Text> ClickAll() {
    DeleteFileW(Wide(Disc("record.txt")).c_str());
    DeleteFileW(Wide(Disc("runs.txt")).c_str());
    testing::RecorderFile recorder(Disc("runs.txt"));
    const struct {
      int page;
      const char* group;
    } groups[] = {{MainForm::kPresent, "BGrp_present"},
                  {MainForm::kDemo, "ButGrp_demo"},
                  {MainForm::kVideo, "ButGrp_Video"},
                  {MainForm::kGebitBenutzt, "But_Grp_user"}};
    for (const auto& g : groups) {
      ShowPage(g.page);
      const auto& items = main().description().pages[static_cast<std::size_t>(g.page)].items;
      for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].action != ItemAction::Notice) Click(Named(g.group), static_cast<int>(i));
    }
    std::vector<Text> runs = testing::RecordedLines(Disc("record.txt"), false);
    for (const auto& run : recorder.Runs())
      runs.push_back(run.commandLine + " in " + run.workingDir);
    return runs;
  }
};

TEST_F(SampleClicksTest, EachClickRunsWhatItRunsWithoutTheFile) {
  const std::vector<Text> without = ClickAll();
  EXPECT_EQ(without.size(), 22u);
  app_.reset();
  WriteFileBytes(Disc("DemoDisc.ini"), Text(kBuiltInCatalogue));
  StartProgram();
  EXPECT_EQ(ClickAll(), without);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, SampleFileTest, ::testing::Values(96, 144), testing::DpiName);

}  // namespace
}  // namespace demodisc
