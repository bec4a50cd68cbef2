#include "launcher/catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "launcher/hint_texts.h"

namespace demodisc {
namespace {

struct Row {
  const char* action;
  std::string_view caption;
  int image;
};

// The pages as a visitor sees them: action, caption on the button, picture.
const Row kPresent[] = {
    {"Act_About", "Основные особенности метода ЭПД \"Вортан\"", 0},
    {"Act_BaseMod", "Базовые программные средства \"Вортан\"-технологии", 1},
    {"Act_IntMod", "Программный модуль интегративной интерпретации \"Вортан\"-измерений", 2},
    {"Act_ther", "«Рефлексотерапевтический» программный модуль", 3},
    {"Act_internet", "Программный модуль «ИНТЕРНЕТ-Вортан»", 6},
    {"Act_dental", "«Стоматологический» программный модуль", 7},
    {"Act_spinal", "«Паравертебральный» программный модуль", 8},
    {"Act_dymanic", "Модуль «Расширенной динамической диагностики»", 9},
};
const Row kDemo[] = {
    {"Act_v1_5", "Демонстрационная версия ПС \"Остравиленка\"", 11},
    {"Act_ZOZE", "ПС для комплекса DADE \"Вортан-4М\"", 12},
    {"Act_v6_1", "ПС \"Вортан-М\". версия 6.1м", 13},
    {"Act_HRV", "ПС \"Велорасса\". Версия 5.2.", 14},
    {"Act_Vrtn_prof", "Аннотация версии ПС \"Вортан-профессионал\"", 15},
    {"Act_Cmpx_report", "Аннотация версии ПС \"Тарвилон\"", 16},
};
const Row kVideo[] = {
    {"Act_video_1flay", "Видео-фрагмент из 1-ого космического полёта Сомова А.А.", 4},
    {"Act_video2flay", "Видео-фрагмент из 2-ой космической экспедиции Сомова А.А.", 5},
    {"Act_Varnik", "Первая презентация элементов \"Вортан\"-технологии в Германии", 17},
    {"Act_Medica", "Демонстрация системы \"Вортан\" на выставке Medica-94", 18},
    {"Act_BBaden", "Демонстрация \"Вортан\"-технологии на Европейской медицинской неделе", 19},
    {"Act_WSchwang", "«Вортан»-технология лауреат Всероссийского конкурса здоровьесбережения", 20},
    {"Act_Astral", "Экспериментальное изучение парапсихологических способностей", 21},
};
const Row kUser[] = {
    {"Act_UseMm", "ЭПД «Вортан» при сопровождении миллиметровой терапии", 10},
    {"Act_narko", "Использование \"Вортан\"-технологии в наркологической практике", 23},
    {"Act_LR", "Использования системы \"Вортан\" для сопровождение LR-технологии", 22},
    {"Act_Heilpraktiker",
     "Использование системы \"Вортан\" в составе мероприятий по сертификации целителей", 24},
    {"Act_EndoEco", "Использование ЭПД \"Вортан\" в рамках комплексной оздоровительной программы",
     25},
};

void ExpectPage(Category page, std::span<const Row> rows) {
  const auto items = CatalogueItems(page);
  ASSERT_EQ(items.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].action);
    EXPECT_EQ(items[i].action, rows[i].action);
    EXPECT_EQ(ShownCaption(items[i]), Text(rows[i].caption));
    const CatalogueAction* a = FindAction(items[i].action);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->imageIndex, rows[i].image);
    EXPECT_EQ(a->category, page);
  }
}

TEST(Catalogue, PagesShowTheirItemsInOrderWithCaptionsAndPictures) {
  ExpectPage(Category::Present, kPresent);
  ExpectPage(Category::Demo, kDemo);
  ExpectPage(Category::Video, kVideo);
  ExpectPage(Category::User, kUser);
}

TEST(Catalogue, ItemsWithoutACaptionOfTheirOwnShowTheirActionsCaption) {
  std::vector<std::string_view> borrowed;
  for (Category c : {Category::Present, Category::Demo, Category::Video, Category::User})
    for (const CatalogueItem& item : CatalogueItems(c))
      if (!item.caption) borrowed.push_back(item.action);
  EXPECT_EQ(borrowed, (std::vector<std::string_view>{"Act_v1_5", "Act_Cmpx_report", "Act_LR"}));
  // The others replace a caption that differs from theirs.
  EXPECT_NE(Text(FindAction("Act_About")->caption),
            ShownCaption(CatalogueItems(Category::Present)[0]));
}

TEST(Catalogue, ActionListHoldsEachActionOnceAndEveryPictureOnce) {
  const auto actions = CatalogueActions();
  ASSERT_EQ(actions.size(), 26u);
  std::set<std::string_view> names;
  std::set<int> images;
  for (const CatalogueAction& a : actions) {
    names.insert(a.name);
    images.insert(a.imageIndex);
    EXPECT_EQ(a.handler, a.name == "Act_ZOZE" ? std::string_view("Go_Vortan4")
                                              : std::string_view(Text(a.name) + "Execute"));
  }
  EXPECT_EQ(names.size(), 26u);
  EXPECT_EQ(images.size(), 26u);
  EXPECT_EQ(*images.begin(), 0);
  EXPECT_EQ(*images.rbegin(), 25);
  EXPECT_EQ(FindAction("Act_Nothing"), nullptr);
}

struct EffectRow {
  const char* action;
  Effect effect;
  const char* program;  // what it starts below the disc root
  const char* clip;     // the player's clip
};

TEST(Catalogue, EachActionHasItsEffectAndContent) {
  const EffectRow rows[] = {
      {"Act_About", Effect::Presentation, "Presentation\\play_about.bat", ""},
      {"Act_BaseMod", Effect::Presentation, "Presentation\\play_bm.bat", ""},
      {"Act_IntMod", Effect::Presentation, "Presentation\\play_int.bat", ""},
      {"Act_ther", Effect::Presentation, "Presentation\\play_ther.bat", ""},
      {"Act_internet", Effect::Presentation, "Presentation\\play_net.bat", ""},
      {"Act_dental", Effect::Presentation, "Presentation\\play_dental.bat", ""},
      {"Act_spinal", Effect::Presentation, "Presentation\\play_spinal.bat", ""},
      {"Act_dymanic", Effect::Presentation, "Presentation\\play_dynamic.bat", ""},
      {"Act_v1_5", Effect::Ostravilenka, "Ostravilenka_1_5\\Rolik.bat", ""},
      {"Act_ZOZE", Effect::Vortan4, "Vortan4\\1.bat", ""},
      {"Act_v6_1", Effect::Notice, "", ""},
      {"Act_HRV", Effect::Notice, "", ""},
      {"Act_Vrtn_prof", Effect::Notice, "", ""},
      {"Act_Cmpx_report", Effect::Notice, "", ""},
      {"Act_video_1flay", Effect::Video, "LA20K\\LA.exe", "Video\\SpaceKL5_mjpeg.avi"},
      {"Act_video2flay", Effect::Video, "LA20K\\LA.exe", "Video\\SpaceMini_mjpeg.avi"},
      {"Act_Varnik", Effect::Video, "LA20K\\LA.exe", "Video\\Null_video.avi"},
      {"Act_Medica", Effect::Video, "LA20K\\LA.exe", "Video\\Null_video.avi"},
      {"Act_BBaden", Effect::Video, "LA20K\\LA.exe", "Video\\Null_video.avi"},
      {"Act_WSchwang", Effect::Video, "LA20K\\LA.exe", "Video\\Null_video.avi"},
      {"Act_Astral", Effect::Video, "LA20K\\LA.exe", "Video\\Null_video.avi"},
      {"Act_UseMm", Effect::Presentation, "Presentation\\play_use_mm.bat", ""},
      {"Act_narko", Effect::Presentation, "Presentation\\play_in_work.bat", ""},
      {"Act_LR", Effect::Presentation, "Presentation\\play_in_work.bat", ""},
      {"Act_Heilpraktiker", Effect::Presentation, "Presentation\\play_in_work.bat", ""},
      {"Act_EndoEco", Effect::Presentation, "Presentation\\play_in_work.bat", ""},
  };
  const auto path = [](const std::optional<DiscFile>& file) {
    return file ? DiscPath("", *file) : Text();
  };
  for (const EffectRow& r : rows) {
    SCOPED_TRACE(r.action);
    const CatalogueAction* a = FindAction(r.action);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->effect, r.effect);
    const ActionContentFiles content = ActionContent(*a);
    EXPECT_EQ(path(content.program), r.program);
    EXPECT_EQ(path(content.clip), r.clip);
  }
}

TEST(Catalogue, PresentationTableHasTenFilesAndNothingOutside) {
  const char* files[] = {"play_about.bat",  "play_bm.bat",      "play_int.bat",
                         "play_ther.bat",   "play_net.bat",     "play_dental.bat",
                         "play_spinal.bat", "play_dynamic.bat", "play_use_mm.bat",
                         "play_in_work.bat"};
  ASSERT_EQ(PresentationFiles().size(), 10u);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(DiscPath("", *PresentationContent(i)), Text("Presentation\\") + files[i]);
  EXPECT_FALSE(PresentationContent(-1));
  EXPECT_FALSE(PresentationContent(10));
}

TEST(Catalogue, EveryPageHasOneDescriptionPerButton) {
  EXPECT_EQ(HintFiles(hpPresent).size(), CatalogueItems(Category::Present).size());
  EXPECT_EQ(HintFiles(hpDemo).size(), CatalogueItems(Category::Demo).size());
  EXPECT_EQ(HintFiles(hpVideo).size(), CatalogueItems(Category::Video).size());
  EXPECT_EQ(HintFiles(hpUser).size(), CatalogueItems(Category::User).size());
}

}  // namespace
}  // namespace demodisc
