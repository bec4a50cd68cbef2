#include "launcher/catalogue.h"

#include <array>

namespace demodisc {

namespace {

using C = Category;
using E = Effect;


const std::array<CatalogueAction, 26> kActions{{
    {"Act_About", "Act_AboutExecute", C::Present, "Особенности метода"_t, 0, E::Presentation, 0},
    {"Act_BaseMod", "Act_BaseModExecute", C::Present, "Базовые программные средства"_t, 1,
     E::Presentation, 1},
    {"Act_IntMod", "Act_IntModExecute", C::Present, "Интегративная интерпретация"_t, 2,
     E::Presentation, 2},
    {"Act_ther", "Act_therExecute", C::Present, "Рефлексотерапия"_t, 3, E::Presentation, 3},
    {"Act_internet", "Act_internetExecute", C::Present, "ИНТЕРНЕТ-Вортан"_t, 6, E::Presentation, 4},
    {"Act_dental", "Act_dentalExecute", C::Present, "Стоматология"_t, 7, E::Presentation, 5},
    {"Act_spinal", "Act_spinalExecute", C::Present, "Паравертебральная диагностика"_t, 8,
     E::Presentation, 6},
    {"Act_dymanic", "Act_dymanicExecute", C::Present, "Динамическая диагностика"_t, 9,
     E::Presentation, 7},
    {"Act_v1_5", "Act_v1_5Execute", C::Demo, "Демонстрационная версия ПС \"Остравиленка\""_t, 11,
     E::Ostravilenka},
    {"Act_ZOZE", "Go_Vortan4", C::Demo, "ПС \"Вортан-4М\""_t, 12, E::Vortan4},
    {"Act_v6_1", "Act_v6_1Execute", C::Demo, "ПС \"Вортан-М\" 6.1м"_t, 13, E::Notice},
    {"Act_HRV", "Act_HRVExecute", C::Demo, "ПС \"Велорасса\""_t, 14, E::Notice},
    {"Act_Vrtn_prof", "Act_Vrtn_profExecute", C::Demo, "ПС \"Вортан-профессионал\""_t, 15,
     E::Notice},
    {"Act_Cmpx_report", "Act_Cmpx_reportExecute", C::Demo,
     "Аннотация версии ПС \"Тарвилон\""_t, 16, E::Notice},
    {"Act_video_1flay", "Act_video_1flayExecute", C::Video, "1-ый космический полёт"_t, 4, E::Video,
     -1, "SpaceKL5_mjpeg.avi"_t},
    {"Act_video2flay", "Act_video2flayExecute", C::Video, "2-ая космическая экспедиция"_t, 5,
     E::Video, -1, "SpaceMini_mjpeg.avi"_t},
    {"Act_Varnik", "Act_VarnikExecute", C::Video, "Презентация в Германии"_t, 17, E::Video, -1,
     "Null_video.avi"_t},
    {"Act_Medica", "Act_MedicaExecute", C::Video, "Выставка Medica-94"_t, 18, E::Video, -1,
     "Null_video.avi"_t},
    {"Act_BBaden", "Act_BBadenExecute", C::Video, "Европейская медицинская неделя"_t, 19, E::Video,
     -1, "Null_video.avi"_t},
    {"Act_WSchwang", "Act_WSchwangExecute", C::Video, "Конкурс здоровьесбережения"_t, 20, E::Video,
     -1, "Null_video.avi"_t},
    {"Act_Astral", "Act_AstralExecute", C::Video, "Парапсихологические способности"_t, 21, E::Video,
     -1, "Null_video.avi"_t},
    {"Act_UseMm", "Act_UseMmExecute", C::User, "Миллиметровая терапия"_t, 10, E::Presentation, 8},
    {"Act_narko", "Act_narkoExecute", C::User, "Наркология"_t, 23, E::Presentation, 9},
    {"Act_LR", "Act_LRExecute", C::User,
     "Использования системы \"Вортан\" для сопровождение LR-технологии"_t, 22, E::Presentation, 9},
    {"Act_Heilpraktiker", "Act_HeilpraktikerExecute", C::User, "Сертификация целителей"_t, 24,
     E::Presentation, 9},
    {"Act_EndoEco", "Act_EndoEcoExecute", C::User, "Оздоровительная программа"_t, 25,
     E::Presentation, 9},
}};

const std::array<CatalogueItem, 8> kPresentItems{{
    {"Act_About", "Основные особенности метода ЭПД \"Вортан\""_t},
    {"Act_BaseMod", "Базовые программные средства \"Вортан\"-технологии"_t},
    {"Act_IntMod", "Программный модуль интегративной интерпретации \"Вортан\"-измерений"_t},
    {"Act_ther", "«Рефлексотерапевтический» программный модуль"_t},
    {"Act_internet", "Программный модуль «ИНТЕРНЕТ-Вортан»"_t},
    {"Act_dental", "«Стоматологический» программный модуль"_t},
    {"Act_spinal", "«Паравертебральный» программный модуль"_t},
    {"Act_dymanic", "Модуль «Расширенной динамической диагностики»"_t},
}};

const std::array<CatalogueItem, 6> kDemoItems{{
    {"Act_v1_5", std::nullopt},
    {"Act_ZOZE", "ПС для комплекса DADE \"Вортан-4М\""_t},
    {"Act_v6_1", "ПС \"Вортан-М\". версия 6.1м"_t},
    {"Act_HRV", "ПС \"Велорасса\". Версия 5.2."_t},
    {"Act_Vrtn_prof", "Аннотация версии ПС \"Вортан-профессионал\""_t},
    {"Act_Cmpx_report", std::nullopt},
}};

const std::array<CatalogueItem, 7> kVideoItems{{
    {"Act_video_1flay", "Видео-фрагмент из 1-ого космического полёта Сомова А.А."_t},
    {"Act_video2flay", "Видео-фрагмент из 2-ой космической экспедиции Сомова А.А."_t},
    {"Act_Varnik", "Первая презентация элементов \"Вортан\"-технологии в Германии"_t},
    {"Act_Medica", "Демонстрация системы \"Вортан\" на выставке Medica-94"_t},
    {"Act_BBaden", "Демонстрация \"Вортан\"-технологии на Европейской медицинской неделе"_t},
    {"Act_WSchwang", "«Вортан»-технология лауреат Всероссийского конкурса здоровьесбережения"_t},
    {"Act_Astral", "Экспериментальное изучение парапсихологических способностей"_t},
}};

const std::array<CatalogueItem, 5> kUserItems{{
    {"Act_UseMm", "ЭПД «Вортан» при сопровождении миллиметровой терапии"_t},
    {"Act_narko", "Использование \"Вортан\"-технологии в наркологической практике"_t},
    {"Act_LR", std::nullopt},
    {"Act_Heilpraktiker",
     "Использование системы \"Вортан\" в составе мероприятий по сертификации целителей"_t},
    {"Act_EndoEco", "Использование ЭПД \"Вортан\" в рамках комплексной оздоровительной программы"_t},
}};

constexpr std::array<TextLiteral, 10> kPresentationFiles{
    "play_about.bat"_t, "play_bm.bat"_t,      "play_int.bat"_t,     "play_ther.bat"_t,
    "play_net.bat"_t,   "play_dental.bat"_t,  "play_spinal.bat"_t,  "play_dynamic.bat"_t,
    "play_use_mm.bat"_t, "play_in_work.bat"_t,
};

}  // namespace

std::span<const CatalogueAction> CatalogueActions() { return kActions; }

const CatalogueAction* FindAction(std::string_view name) {
  for (const CatalogueAction& a : kActions)
    if (a.name == name) return &a;
  return nullptr;
}

std::span<const CatalogueItem> CatalogueItems(Category page) {
  switch (page) {
    case Category::Present:
      return kPresentItems;
    case Category::Demo:
      return kDemoItems;
    case Category::Video:
      return kVideoItems;
    case Category::User:
      return kUserItems;
  }
  return {};
}

Text ShownCaption(const CatalogueItem& item) {
  if (item.caption) return Text(*item.caption);
  const CatalogueAction* action = FindAction(item.action);
  return action ? Text(action->caption) : Text();
}

std::span<const TextLiteral> PresentationFiles() { return kPresentationFiles; }

std::optional<Text> PresentationFile(int index) {
  if (index < 0 || index >= static_cast<int>(kPresentationFiles.size())) return std::nullopt;
  return Text(kPresentationFiles[static_cast<std::size_t>(index)]);
}

}  // namespace demodisc
