#include "launcher/catalogue.h"

#include <array>

namespace demodisc {

namespace {

using C = Category;
using E = Effect;

const std::array<CatalogueAction, 26> kActions{{
    {"Act_About", "Act_AboutExecute", C::Present, "Особенности метода", 0, E::Presentation, 0},
    {"Act_BaseMod", "Act_BaseModExecute", C::Present, "Базовые программные средства", 1,
     E::Presentation, 1},
    {"Act_IntMod", "Act_IntModExecute", C::Present, "Интегративная интерпретация", 2,
     E::Presentation, 2},
    {"Act_ther", "Act_therExecute", C::Present, "Рефлексотерапия", 3, E::Presentation, 3},
    {"Act_internet", "Act_internetExecute", C::Present, "ИНТЕРНЕТ-Вортан", 6, E::Presentation, 4},
    {"Act_dental", "Act_dentalExecute", C::Present, "Стоматология", 7, E::Presentation, 5},
    {"Act_spinal", "Act_spinalExecute", C::Present, "Паравертебральная диагностика", 8,
     E::Presentation, 6},
    {"Act_dymanic", "Act_dymanicExecute", C::Present, "Динамическая диагностика", 9,
     E::Presentation, 7},
    {"Act_v1_5", "Act_v1_5Execute", C::Demo, "Демонстрационная версия ПС \"Остравиленка\"", 11,
     E::Ostravilenka},
    {"Act_ZOZE", "Go_Vortan4", C::Demo, "ПС \"Вортан-4М\"", 12, E::Vortan4},
    {"Act_v6_1", "Act_v6_1Execute", C::Demo, "ПС \"Вортан-М\" 6.1м", 13, E::Notice},
    {"Act_HRV", "Act_HRVExecute", C::Demo, "ПС \"Велорасса\"", 14, E::Notice},
    {"Act_Vrtn_prof", "Act_Vrtn_profExecute", C::Demo, "ПС \"Вортан-профессионал\"", 15, E::Notice},
    {"Act_Cmpx_report", "Act_Cmpx_reportExecute", C::Demo, "Аннотация версии ПС \"Тарвилон\"", 16,
     E::Notice},
    {"Act_video_1flay", "Act_video_1flayExecute", C::Video, "1-ый космический полёт", 4, E::Video,
     -1, "SpaceKL5_mjpeg.avi"},
    {"Act_video2flay", "Act_video2flayExecute", C::Video, "2-ая космическая экспедиция", 5,
     E::Video, -1, "SpaceMini_mjpeg.avi"},
    {"Act_Varnik", "Act_VarnikExecute", C::Video, "Презентация в Германии", 17, E::Video, -1,
     "Null_video.avi"},
    {"Act_Medica", "Act_MedicaExecute", C::Video, "Выставка Medica-94", 18, E::Video, -1,
     "Null_video.avi"},
    {"Act_BBaden", "Act_BBadenExecute", C::Video, "Европейская медицинская неделя", 19, E::Video,
     -1, "Null_video.avi"},
    {"Act_WSchwang", "Act_WSchwangExecute", C::Video, "Конкурс здоровьесбережения", 20, E::Video,
     -1, "Null_video.avi"},
    {"Act_Astral", "Act_AstralExecute", C::Video, "Парапсихологические способности", 21, E::Video,
     -1, "Null_video.avi"},
    {"Act_UseMm", "Act_UseMmExecute", C::User, "Миллиметровая терапия", 10, E::Presentation, 8},
    {"Act_narko", "Act_narkoExecute", C::User, "Наркология", 23, E::Presentation, 9},
    {"Act_LR", "Act_LRExecute", C::User,
     "Использования системы \"Вортан\" для сопровождение LR-технологии", 22, E::Presentation, 9},
    {"Act_Heilpraktiker", "Act_HeilpraktikerExecute", C::User, "Сертификация целителей", 24,
     E::Presentation, 9},
    {"Act_EndoEco", "Act_EndoEcoExecute", C::User, "Оздоровительная программа", 25, E::Presentation,
     9},
}};

const std::array<CatalogueItem, 8> kPresentItems{{
    {"Act_About", "Основные особенности метода ЭПД \"Вортан\""},
    {"Act_BaseMod", "Базовые программные средства \"Вортан\"-технологии"},
    {"Act_IntMod", "Программный модуль интегративной интерпретации \"Вортан\"-измерений"},
    {"Act_ther", "«Рефлексотерапевтический» программный модуль"},
    {"Act_internet", "Программный модуль «ИНТЕРНЕТ-Вортан»"},
    {"Act_dental", "«Стоматологический» программный модуль"},
    {"Act_spinal", "«Паравертебральный» программный модуль"},
    {"Act_dymanic", "Модуль «Расширенной динамической диагностики»"},
}};

const std::array<CatalogueItem, 6> kDemoItems{{
    {"Act_v1_5", std::nullopt},
    {"Act_ZOZE", "ПС для комплекса DADE \"Вортан-4М\""},
    {"Act_v6_1", "ПС \"Вортан-М\". версия 6.1м"},
    {"Act_HRV", "ПС \"Велорасса\". Версия 5.2."},
    {"Act_Vrtn_prof", "Аннотация версии ПС \"Вортан-профессионал\""},
    {"Act_Cmpx_report", std::nullopt},
}};

const std::array<CatalogueItem, 7> kVideoItems{{
    {"Act_video_1flay", "Видео-фрагмент из 1-ого космического полёта Сомова А.А."},
    {"Act_video2flay", "Видео-фрагмент из 2-ой космической экспедиции Сомова А.А."},
    {"Act_Varnik", "Первая презентация элементов \"Вортан\"-технологии в Германии"},
    {"Act_Medica", "Демонстрация системы \"Вортан\" на выставке Medica-94"},
    {"Act_BBaden", "Демонстрация \"Вортан\"-технологии на Европейской медицинской неделе"},
    {"Act_WSchwang", "«Вортан»-технология лауреат Всероссийского конкурса здоровьесбережения"},
    {"Act_Astral", "Экспериментальное изучение парапсихологических способностей"},
}};

const std::array<CatalogueItem, 5> kUserItems{{
    {"Act_UseMm", "ЭПД «Вортан» при сопровождении миллиметровой терапии"},
    {"Act_narko", "Использование \"Вортан\"-технологии в наркологической практике"},
    {"Act_LR", std::nullopt},
    {"Act_Heilpraktiker",
     "Использование системы \"Вортан\" в составе мероприятий по сертификации целителей"},
    {"Act_EndoEco", "Использование ЭПД \"Вортан\" в рамках комплексной оздоровительной программы"},
}};

constexpr std::array<std::string_view, 10> kPresentationFiles{
    "play_about.bat",  "play_bm.bat",     "play_int.bat",     "play_ther.bat",   "play_net.bat",
    "play_dental.bat", "play_spinal.bat", "play_dynamic.bat", "play_use_mm.bat", "play_in_work.bat",
};

const std::array<DiscPage, 5> kPages{{
    {"Презентации", "Present", Category::Present},
    {"Публикации", "Artikel", std::nullopt},
    {"Демо-версии", "Demo", Category::Demo},
    {"Видео", "Video", Category::Video},
    {"Применения", "Gebit_Benutzt", Category::User},
}};

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

std::span<const std::string_view> PresentationFiles() { return kPresentationFiles; }

std::span<const DiscPage> DiscPages() { return kPages; }

std::optional<DiscFile> PresentationContent(int index) {
  if (index < 0 || index >= static_cast<int>(kPresentationFiles.size())) return std::nullopt;
  return DiscFile{DiscFolder::Presentation, kPresentationFiles[static_cast<std::size_t>(index)]};
}

ActionContentFiles ActionContent(const CatalogueAction& action) {
  switch (action.effect) {
    case Effect::Presentation:
      return {PresentationContent(action.presentation), std::nullopt};
    case Effect::Ostravilenka:
      return {kOstravilenkaProgram, std::nullopt};
    case Effect::Vortan4:
      return {kVortan4Program, std::nullopt};
    case Effect::Video:
      return {kVideoPlayer, VideoClip(action.clip)};
    case Effect::Notice:
      break;
  }
  return {};
}

}  // namespace demodisc
