#include "publications/publication_line.h"

namespace demodisc {

namespace {
// The text before the first "#" and what follows it; without a "#" the head
// is empty and the rest is the whole text.
std::pair<std::string_view, std::string_view> CutAtHash(std::string_view s) {
  const auto p = s.find('#');
  if (p == std::string_view::npos) return {{}, s};
  return {s.substr(0, p), s.substr(p + 1)};
}
}  // namespace

PublicationLine SplitPublicationLine(std::string_view line) {
  PublicationLine out;
  const auto [language, afterLanguage] = CutAtHash(line);
  const auto [file, entry] = CutAtHash(afterLanguage);
  out.language = Text(language);
  out.docFileName = Text(file);
  // Characters of the file, not bytes of their UTF-8.
  const std::size_t textStart = CharOffset(entry, 4);
  out.number = Text(entry.substr(0, textStart));
  const std::size_t chars = CharCount(entry);
  if (chars >= 6) {
    const std::size_t lastChar = CharOffset(entry, chars - 1);
    out.text = Text(entry.substr(textStart, lastChar - textStart));
  }
  return out;
}

}  // namespace demodisc
