#include "base/app_title.h"

namespace demodisc {

char LowerCp1251(char c) {
  const auto b = static_cast<unsigned char>(c);
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDF)) return static_cast<char>(b + 0x20);
  switch (b) {
    case 0x80: return static_cast<char>(0x90);  // Ђ
    case 0x81: return static_cast<char>(0x83);  // Ѓ
    case 0x8A: case 0x8C: case 0x8D: case 0x8E: case 0x8F:
      return static_cast<char>(b + 0x10);       // Љ Њ Ќ Ћ Џ
    case 0xA1: return static_cast<char>(0xA2);  // Ў
    case 0xA3: return static_cast<char>(0xBC);  // Ј
    case 0xA5: return static_cast<char>(0xB4);  // Ґ
    case 0xA8: case 0xAA: case 0xAF:
      return static_cast<char>(b + 0x10);       // Ё Є Ї
    case 0xB2: return static_cast<char>(0xB3);  // І
    case 0xBD: return static_cast<char>(0xBE);  // Ѕ
    default: return c;
  }
}

Text AppTitleFromExePath(std::string_view exePath) {
  const auto slash = exePath.find_last_of("\\/:");
  std::string_view name = slash == std::string_view::npos ? exePath : exePath.substr(slash + 1);
  name = name.substr(0, name.find('.'));
  Text title(name);
  for (std::size_t i = 1; i < title.size(); ++i) title[i] = LowerCp1251(title[i]);
  return title;
}

}  // namespace demodisc
