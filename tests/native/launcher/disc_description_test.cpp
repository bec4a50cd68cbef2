// The disc description file: the sample's spells out the built-in catalogue,
// a disc's own reads whole in each encoding, and each fault is found at its
// line, leaving out what it spoils.
#include "launcher/disc_description_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "launcher/catalogue.h"
#include "launcher/hint_memos.h"
#include "launcher/hint_texts.h"
#include "support/utf16_file.h"

namespace demodisc {
namespace {

std::string WithCrLf(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// The built-in description's item as the catalogue's tables give it.
DescribedItem FromTables(const CatalogueItem& item, std::string_view hintFile) {
  DescribedItem out{.caption = ShownCaption(item), .description = "Hints\\" + Text(hintFile)};
  const CatalogueAction* action = FindAction(item.action);
  out.image = action->imageIndex;
  const ActionContentFiles content = ActionContent(*action);
  if (content.clip) {
    out.action = ItemAction::Play;
    out.target = DiscPath("", *content.clip);
  } else if (content.program) {
    out.action = ItemAction::Run;
    out.target = DiscPath("", *content.program);
  }
  return out;
}

TEST(DiscDescription, TheBuiltInOneIsTheCatalogueOfTheTables) {
  const DescriptionReading read = ReadDiscDescription({});
  ASSERT_TRUE(read.faults.empty()) << read.faults.front().line << " " << read.faults.front().what;
  const DiscDescription& builtIn = read.description;
  EXPECT_EQ(builtIn.title, "Демонстрационный диск \"Вортан-технологии\". 2008 г.");
  EXPECT_EQ(builtIn.player, DiscPath("", kVideoPlayer));
  EXPECT_EQ(builtIn.contacts.slogan.back(), ' ');  // quoted: its blank kept
  EXPECT_EQ(builtIn.uiTexts.readButton, "Читать ");
  ASSERT_EQ(builtIn.pages.size(), DiscPages().size());
  for (std::size_t p = 0; p < DiscPages().size(); ++p) {
    const DiscPage& table = DiscPages()[p];
    const DescribedPage& page = builtIn.pages[p];
    EXPECT_EQ(page.caption, table.caption);
    EXPECT_EQ(page.name, table.name);
    if (!table.category) {
      EXPECT_EQ(page.publications, "Publication\\vortan_lit.txt");
      continue;
    }
    EXPECT_EQ(static_cast<int>(*table.category), static_cast<int>(p));
    EXPECT_EQ(MemoHeightOf(page), HintMemoHeight(HintPageOf(*table.category)));
    EXPECT_EQ(page.warning.empty(), *table.category != Category::Demo);
    const auto items = CatalogueItems(*table.category);
    const auto files = HintFiles(HintPageOf(*table.category));
    ASSERT_EQ(page.items.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
      DescribedItem want = FromTables(items[i], files[i]);
      want.name = page.items[i].name;
      EXPECT_EQ(page.items[i], want) << p << " " << i;
    }
  }
}

TEST(DiscDescription, TheBuiltInTextReadsAlikeInEveryEncoding) {
  const std::string text(kBuiltInCatalogue);
  for (const std::string& bytes :
       {WithCrLf(text), testing::Utf16LeFile(text), "\xEF\xBB\xBF" + text}) {
    const DescriptionReading read = ReadDiscDescription(bytes);
    EXPECT_TRUE(read.faults.empty());
    EXPECT_EQ(read.description, BuiltInDescription());
  }
}

constexpr char kOwnDisc[] = R"(; a disc of its own
[disc]
title = Каталог «Ромашка»
texts = UTF-8
player = Player/play.exe

[contacts]
company = ООО «Ромашка»
email = a@romashka.ru
email = b@romashka.ru
phone = 123

[texts]
close-button = Выход

[page]
caption = Программы
warning = Осторожно

[item]
caption = Первая
picture = pictures\one.png
description = Тексты\первая.txt
run = Программы\первая.bat

[ITEM]
Caption=Сайт
PICTURE = 26
web = https://romashka.ru/

[page]
caption = Статьи
publications = Статьи/список.txt

[page]
caption = Документы
layout = video

[item]
caption = Руководство
open = Docs\guide.pdf
[item]
caption = Ролик
play = Video\clip.avi
[item]
caption = Позже
notice = yes
)";

TEST(DiscDescription, AnOwnDiscReadsWholeWithItsPagesItemsAndTexts) {
  const DescriptionReading read = ReadDiscDescription(kOwnDisc);
  ASSERT_TRUE(read.faults.empty()) << read.faults.front().line << " " << read.faults.front().what;
  const DiscDescription& d = read.description;
  EXPECT_EQ(d.title, "Каталог «Ромашка»");
  EXPECT_EQ(d.texts, TextsEncoding::Utf8);
  EXPECT_EQ(d.player, "Player\\play.exe");
  EXPECT_EQ(d.readerInstaller, BuiltInDescription().readerInstaller);
  // The file's contacts replace the built-in ones whole.
  EXPECT_EQ(d.contacts.company, "ООО «Ромашка»");
  EXPECT_EQ(d.contacts.emails[1], "b@romashka.ru");
  EXPECT_EQ(d.contacts.emails[2], "");
  EXPECT_EQ(d.contacts.director, "");
  EXPECT_EQ(d.uiTexts.closeButton, "Выход");
  EXPECT_EQ(d.uiTexts.readButton, "Читать ");
  ASSERT_EQ(d.pages.size(), 3u);
  EXPECT_EQ(d.pages[0].name, "Page1");
  EXPECT_EQ(LayoutOf(d.pages[0]).warningHeight, 45);
  EXPECT_EQ(MemoHeightOf(d.pages[0]), 398 - 45 - 6 - (2 * 36 + 10));
  const DescribedItem& first = d.pages[0].items[0];
  EXPECT_EQ(first.name, "Item1_1");
  EXPECT_EQ(first.pictureFile, "pictures\\one.png");
  EXPECT_EQ(first.description, "Тексты\\первая.txt");
  EXPECT_EQ(first.action, ItemAction::Run);
  EXPECT_EQ(first.target, "Программы\\первая.bat");
  EXPECT_EQ(d.pages[0].items[1].image, 25);
  EXPECT_EQ(d.pages[0].items[1].action, ItemAction::Web);
  EXPECT_EQ(d.pages[1].publications, "Статьи\\список.txt");
  EXPECT_EQ(d.pages[2].name, "Video");
  EXPECT_EQ(MemoHeightOf(d.pages[2]), 110);
  ASSERT_EQ(d.pages[2].items.size(), 3u);
  EXPECT_EQ(d.pages[2].items[0].action, ItemAction::Open);
  EXPECT_EQ(d.pages[2].items[1].action, ItemAction::Play);
  EXPECT_EQ(d.pages[2].items[2].action, ItemAction::Notice);
  EXPECT_EQ(d.pages[2].items[2].name, "Item3_3");
}

TEST(DiscDescription, AFileWithoutPagesKeepsTheBuiltInCatalogue) {
  const DescriptionReading read = ReadDiscDescription("[disc]\ntitle = Свой\n");
  EXPECT_TRUE(read.faults.empty());
  EXPECT_EQ(read.description.title, "Свой");
  EXPECT_EQ(read.description.pages, BuiltInDescription().pages);
  EXPECT_EQ(read.description.contacts, BuiltInDescription().contacts);
}

struct FaultCase {
  const char* name;
  std::string file;
  int line;
  const char* what;  // a part of the fault's text
  int pages, items;  // what is left to show
};

const std::string kPage = "[page]\ncaption = P\n";
const std::string kItem = "[item]\ncaption = I\nnotice = yes\n";

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

class DescriptionFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(DescriptionFaults, AreFoundAtTheirLineAndLeaveOutWhatTheySpoil) {
  const FaultCase& c = GetParam();
  const DescriptionReading read = ReadDiscDescription(c.file);
  ASSERT_FALSE(read.faults.empty());
  EXPECT_EQ(read.faults.front().line, c.line);
  EXPECT_NE(read.faults.front().what.find(c.what), Text::npos) << read.faults.front().what;
  EXPECT_FALSE(read.faults.front().english.empty());
  if (c.pages < 0) return;
  ASSERT_EQ(static_cast<int>(read.description.pages.size()), c.pages);
  int items = 0;
  for (const DescribedPage& p : read.description.pages) items += static_cast<int>(p.items.size());
  EXPECT_EQ(items, c.items);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DescriptionFaults,
    ::testing::Values(
        FaultCase{"NotKeyValue", kPage + "caption\n" + kItem, 3, "ключ = значение", 0, 0},
        FaultCase{"UnknownKey", kPage + kItem + "captoin = x\n" + kItem, 6, "«captoin»", 1, 1},
        FaultCase{"UnknownSection", "[diks]\ntitle = x\n" + kPage + kItem, 1, "[diks]", 1, 1},
        FaultCase{"KeyOutsideSections", "title = x\n" + kPage, 1, "вне раздела", 1, 0},
        FaultCase{"RepeatedKey", kPage + kItem + "notice = yes\n", 6, "повторён", 1, 0},
        FaultCase{"FourthEmail", "[contacts]\n" + Repeat("email = a\n", 4) + kPage, 5, "email", 1,
                  0},
        FaultCase{"ThirdPhone", "[contacts]\n" + Repeat("phone = 1\n", 3), 4, "phone", -1, 0},
        FaultCase{"Encoding", "[disc]\ntexts = koi8-r\n", 2, "cp1251 или utf-8", -1, 0},
        FaultCase{"PictureZero", kPage + kItem + "picture = 0\n", 6, "от 1 до 26", 1, 0},
        FaultCase{"PictureTooHigh", kPage + kItem + "picture = 27\n", 6, "от 1 до 26", 1, 0},
        FaultCase{"PictureHuge", kPage + kItem + "picture = 99999999999\n", 6, "от 1 до 26", 1, 0},
        FaultCase{"PictureNotPng", kPage + kItem + "picture = a.bmp\n", 6, "PNG", 1, 0},
        FaultCase{"NoticeNotYes", kPage + "[item]\ncaption = I\nnotice = no\n", 5, "yes", 1, 0},
        FaultCase{"WebFtp", kPage + "[item]\ncaption = I\nweb = ftp://a\n", 5, "http", 1, 0},
        FaultCase{"WebScript", kPage + "[item]\ncaption=I\nweb=javascript:alert(1)\n", 5, "http", 1,
                  0},
        FaultCase{"WebBlank", kPage + "[item]\ncaption=I\nweb=http://a b\n", 5, "http", 1, 0},
        FaultCase{"WebNoHost", kPage + "[item]\ncaption=I\nweb=https://\n", 5, "http", 1, 0},
        FaultCase{"NoAction", kPage + "[item]\ncaption = I\n" + kItem, 3, "нет действия", 1, 1},
        FaultCase{"TwoActions", kPage + kItem + "run = a.bat\n", 6, "больше одного", 1, 0},
        FaultCase{"NoCaption", kPage + "[item]\nnotice = yes\n", 3, "подписи", 1, 0},
        FaultCase{"PageWithoutCaption", "[page]\n" + kItem, 1, "подписи", 0, 0},
        FaultCase{"ItemBeforePage", kItem + kPage, 1, "до первой страницы", 1, 0},
        FaultCase{"ItemOnPublications", "[page]\ncaption=P\npublications=a.txt\n" + kItem, 4,
                  "публикаций", 1, 0},
        FaultCase{"SecondPublications", Repeat("[page]\ncaption=P\npublications=a.txt\n", 2), 4,
                  "вторая", 1, 0},
        FaultCase{"NineItems", kPage + Repeat(kItem, 9), 27, "больше 8", 1, 8},
        FaultCase{"SeventhItemOnVideo", kPage + "layout = Video\n" + Repeat(kItem, 8), 25,
                  "больше 7", 1, 7},
        FaultCase{"SevenPages", Repeat(kPage + kItem, 7), 31, "больше 6 страниц", 6, 6},
        FaultCase{"UnknownLayout", kPage + "layout = Main\n" + kItem, 3, "Present", 0, 0},
        FaultCase{"LayoutTwice", kPage + "layout = Demo\n" + kPage + "layout = demo\n", 6, "занята",
                  1, 0},
        FaultCase{"LongLine", kPage + "caption = " + std::string(64 << 10, 'x') + "\n" + kItem, 3,
                  "длиннее", 0, 0},
        FaultCase{"NotUtf8", kPage + kItem + "\xCF\xF0\xE8\xEC\xE5\xF0 = 1\n", 6, "UTF-8", 1, 0},
        FaultCase{"Utf16BigEndian", "\xFE\xFF\0[\0d", 0, "UTF-16 BE", -1, 0},
        FaultCase{"OneLineOfAMegabyte", std::string((1 << 20) + 1, 'x'), 0, "больше 1 МБ", 5, 26},
        FaultCase{"TooLarge", std::string(10 << 20, ';'), 0, "больше 1 МБ", 5, 26},
        // Paths that are refused: nothing outside the disc is ever started.
        FaultCase{"PathUp", kPage + "[item]\ncaption=I\nrun=..\\x.bat\n", 5, "не ведёт", 1, 0},
        FaultCase{"PathUpDeeper", kPage + "[item]\ncaption=I\nrun=a/../../x.bat\n", 5, "не ведёт",
                  1, 0},
        FaultCase{"PathDrive", kPage + "[item]\ncaption=I\nrun=C:\\x.exe\n", 5, "не ведёт", 1, 0},
        FaultCase{"PathDriveRelative", kPage + "[item]\ncaption=I\nopen=C:x.pdf\n", 5, "не ведёт",
                  1, 0},
        FaultCase{"PathShare", kPage + "[item]\ncaption=I\nrun=\\\\srv\\x.exe\n", 5, "не ведёт", 1,
                  0},
        FaultCase{"PathRoot", kPage + "[item]\ncaption=I\nplay=/x.avi\n", 5, "не ведёт", 1, 0},
        FaultCase{"PathStream", kPage + "[item]\ncaption=I\nrun=a.txt:s.exe\n", 5, "не ведёт", 1,
                  0},
        FaultCase{"PathDevice",
                  kPage + "[item]\ncaption=I\ndescription=Hints\\con.txt\nnotice="
                          "yes\n",
                  5, "не ведёт", 1, 0},
        FaultCase{"PathEmpty", kPage + "[item]\ncaption=I\nrun=\n", 5, "не ведёт", 1, 0},
        FaultCase{"PlayerOutside", "[disc]\nplayer = ..\\LA.exe\n", 2, "не ведёт", -1, 0}),
    [](const auto& info) { return info.param.name; });

// The disc check's words for a fault: where on its line, and for a key
// that is nearly a known one, that key.
TEST(DiscDescription, FaultsTellTheCheckTheirColumnAndTheNearestKey) {
  const struct {
    std::string file;
    int column;
    const char* english;
  } cases[] = {
      {kPage + "[item]\n  captoin = I\nnotice = yes\n", 3,
       "unknown key \"captoin\": did you mean caption?"},
      {kPage + kItem + "discription = a.txt\n", 1,
       "unknown key \"discription\": did you mean description?"},
      {kPage + kItem + "descriptionabcde = a\n", 1,
       "unknown key \"descriptionabcde\": did you mean description?"},
      {kPage + kItem + "zzzzzz = 1\n", 1, "unknown key \"zzzzzz\""},
      {"[contacts]\nemial = a@b\n", 1, "unknown key \"emial\": did you mean email?"},
      {"[diks]\n", 1, "unknown section [diks]: did you mean disc?"},
      {"[disc]\ntexts =  koi8-r\n", 10, "the value \"koi8-r\" is not allowed: cp1251 or utf-8"},
      {kPage + "[item]\ncaption = I\nrun = ..\\x.bat\n", 7,
       "the path \"..\\x.bat\" leads to no file"},
      {kPage + kItem + "\tnotice = yes\n", 2, "the key \"notice\" is given twice"},
      {kPage + "[item]\ncaption = I\n", 1, "the item has no action"},
  };
  for (const auto& c : cases) {
    const DescriptionReading read = ReadDiscDescription(c.file);
    ASSERT_FALSE(read.faults.empty()) << c.file;
    EXPECT_EQ(read.faults.front().column, c.column) << c.file;
    EXPECT_TRUE(read.faults.front().english.starts_with(c.english))
        << c.file << ": " << read.faults.front().english;
  }
}

// The example the release carries reads without a fault, as it says.
TEST(DiscDescription, TheReleasesExampleReadsWhole) {
  std::ifstream in(DEMODISC_TOOLS_DIR "/sample-disc/example-DemoDisc.ini", std::ios::binary);
  ASSERT_TRUE(in);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const DescriptionReading read = ReadDiscDescription(bytes);
  for (const DescriptionFault& f : read.faults) ADD_FAILURE() << f.line << ": " << f.english;
  ASSERT_EQ(read.description.pages.size(), 3u);
  EXPECT_EQ(read.description.pages[0].items.size(), 2u);
  EXPECT_TRUE(read.description.pages[1].IsPublications());
  EXPECT_EQ(read.description.texts, TextsEncoding::Utf8);
}

TEST(DiscDescription, ManyItemsAreCountedButNotKept) {
  const DescriptionReading read = ReadDiscDescription(kPage + Repeat(kItem, 10'000));
  EXPECT_EQ(read.faultCount, 10'000 - 8);
  EXPECT_EQ(read.faults.size(), 100u);
  ASSERT_EQ(read.description.pages.size(), 1u);
  EXPECT_EQ(read.description.pages[0].items.size(), 8u);
}

TEST(DiscDescription, TheMessageNamesTheFileTheFirstLineAndTheCount) {
  const DescriptionReading read = ReadDiscDescription(kPage + "x\n" + kItem + "y = 1\n");
  EXPECT_EQ(DescriptionFaultMessage(read),
            "Файл описания диска DemoDisc.ini прочитан не весь.\r\n"
            "Строка 3: строка не вида «ключ = значение».\r\n"
            "Ошибок в файле: 2. Страницы и пункты с ошибками не показаны.");
}

TEST(DiscDescription, PathsStayOnTheDisc) {
  const std::pair<const char*, const char*> cases[] = {
      {"a/b\\c.txt", "a\\b\\c.txt"},
      {"./a//b.txt", "a\\b.txt"},
      {"a\\..\\b.txt", "b.txt"},
      {"Hints\\demo_ annot_report.txt", "Hints\\demo_ annot_report.txt"},
      {"Видео\\ролик.avi", "Видео\\ролик.avi"},
      {"console.txt", "console.txt"},
      {"..", nullptr},
      {"a\\..", nullptr},
      {"\\a", nullptr},
      {"a|b", nullptr},
      {"a\tb", nullptr},
      {"LPT1", nullptr},
      {"nul.txt", nullptr},
      {"a?.txt", nullptr}};
  for (const auto& [path, want] : cases) {
    const std::optional<Text> got = DiscRelativePath(path);
    if (want)
      EXPECT_EQ(got.value_or("(refused)"), want) << path;
    else
      EXPECT_FALSE(got) << path << " gave " << *got;
  }
}

}  // namespace
}  // namespace demodisc
