#include "launcher/disc_description_file.h"

#include <algorithm>
#include <string>

namespace demodisc {

namespace {

// Faults past this many are counted but not kept.
constexpr std::size_t kKeptFaults = 100;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

Text LowerAscii(std::string_view s) {
  Text out(s);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

// A value in double quotes keeps its blanks; the quotes are not part of it.
std::string_view Unquoted(std::string_view s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
  return s;
}

// True when every byte sequence of the line is well-formed UTF-8.
bool IsUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t at = i;
    if (NextChar(s, i) == kReplacementChar && i == at + 1) return false;
  }
  return true;
}

// A name Windows takes for a device whatever folder it is in: CON, NUL, COM1, ...
bool IsDeviceName(std::string_view part) {
  const Text stem = LowerAscii(part.substr(0, part.find('.')));
  if (stem == "con" || stem == "prn" || stem == "aux" || stem == "nul") return true;
  return stem.size() == 4 && (stem.starts_with("com") || stem.starts_with("lpt")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

enum class Section { None, Disc, Contacts, Texts, Page, Item, Unknown };

struct TextKey {
  std::string_view key;
  Text DiscTexts::*member;
};

constexpr TextKey kTextKeys[] = {
    {"internet-heading", &DiscTexts::internetHeading},
    {"email-heading", &DiscTexts::emailHeading},
    {"phone-heading", &DiscTexts::phoneHeading},
    {"director-heading", &DiscTexts::directorHeading},
    {"postal-prefix", &DiscTexts::postalPrefix},
    {"email-2-note", &DiscTexts::email2Note},
    {"phone-1-note", &DiscTexts::phone1Note},
    {"phone-2-note", &DiscTexts::phone2Note},
    {"mobile-note", &DiscTexts::mobileNote},
    {"close-button", &DiscTexts::closeButton},
    {"read-button", &DiscTexts::readButton},
    {"print-button", &DiscTexts::printButton},
    {"install-label", &DiscTexts::installLabel},
    {"install-button", &DiscTexts::installButton},
    {"notice-caption", &DiscTexts::noticeCaption},
    {"notice-band", &DiscTexts::noticeBand},
    {"notice-button", &DiscTexts::noticeButton},
};

struct ContactKey {
  std::string_view key;
  Text DiscContacts::*member;
};

constexpr ContactKey kContactKeys[] = {
    {"company", &DiscContacts::company},   {"address", &DiscContacts::address},
    {"postal", &DiscContacts::postal},     {"web", &DiscContacts::web},
    {"director", &DiscContacts::director}, {"mobile", &DiscContacts::mobile},
    {"slogan", &DiscContacts::slogan},
};

constexpr std::string_view kActionKeys[] = {"run", "play", "notice", "open", "web"};

constexpr std::string_view kSectionNames[] = {"disc", "contacts", "texts", "page", "item"};
constexpr std::string_view kDiscKeys[] = {"title", "texts", "player", "reader-installer"};
constexpr std::string_view kPageKeys[] = {"caption", "publications", "warning", "layout"};

// The keys a section knows, for a suggestion.
std::vector<std::string_view> KeysOf(Section section) {
  switch (section) {
    case Section::Disc:
      return {std::begin(kDiscKeys), std::end(kDiscKeys)};
    case Section::Contacts: {
      std::vector<std::string_view> keys{"email", "phone"};
      for (const ContactKey& k : kContactKeys) keys.push_back(k.key);
      return keys;
    }
    case Section::Texts: {
      std::vector<std::string_view> keys;
      for (const TextKey& k : kTextKeys) keys.push_back(k.key);
      return keys;
    }
    case Section::Page:
      return {std::begin(kPageKeys), std::end(kPageKeys)};
    case Section::Item: {
      std::vector<std::string_view> keys{"caption", "picture", "description"};
      keys.insert(keys.end(), std::begin(kActionKeys), std::end(kActionKeys));
      return keys;
    }
    default:
      return {};
  }
}

Text Quoted(std::string_view s) { return "«" + Text(s) + "»"; }
Text InQuotes(std::string_view s) { return "\"" + Text(s) + "\""; }

// The characters before a byte offset of a line, so that a column counts
// letters, not bytes.
int ColumnOf(std::string_view line, std::size_t offset) {
  int column = 1;
  for (std::size_t i = 0; i < offset && i < line.size(); ++i)
    if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) ++column;
  return column;
}

// The number of single-character edits that turn one key into the other, or
// `limit` when it is `limit` or more: keys whose lengths differ by `limit`,
// and a row of the table whose least is `limit`, end the count early, as no
// later row is less than that.
std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit) {
  if ((a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) >= limit) return limit;
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    std::size_t least = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min(std::min(row[j], row[j - 1]) + 1, diagonal + (a[i - 1] != b[j - 1]));
      diagonal = above;
      least = std::min(least, row[j]);
    }
    if (least >= limit) return limit;
  }
  return std::min(row[b.size()], limit);
}

class Parser {
 public:
  explicit Parser(DescriptionReading& out) : out_(out) {}

  void Line(int number, std::string_view line) {
    line_ = number;
    keyColumn_ = valueColumn_ = 1;
    if (line.size() > kMaxDescriptionLine)
      return Fault("строка длиннее 4096 байт", "the line is longer than 4096 bytes");
    if (!IsUtf8(line)) return Fault("строка не в кодировке UTF-8", "the line is not UTF-8");
    const std::string_view whole = line;
    line = TrimBlanks(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') return;
    keyColumn_ = ColumnOf(whole, static_cast<std::size_t>(line.data() - whole.data()));
    if (line.front() == '[') return Header(line);
    const std::size_t equals = line.find('=');
    const std::string_view key = equals == line.npos ? "" : TrimBlanks(line.substr(0, equals));
    if (key.empty()) return Fault(kNotKeyValue, kNotKeyValueEnglish);
    keyColumn_ = ColumnOf(whole, static_cast<std::size_t>(key.data() - whole.data()));
    const std::string_view value = TrimBlanks(line.substr(equals + 1));
    valueColumn_ = ColumnOf(whole, static_cast<std::size_t>(value.data() - whole.data()));
    Value(LowerAscii(key), Unquoted(value));
  }

  void End() {
    CloseItem();
    ClosePage();
    if (pagesGiven_) out_.description.pages = std::move(pages_);
  }

  // A fault of the current line, in Russian and in English; at its start,
  // its key or its value.
  enum class At { Line, Key, Value };
  void Fault(Text what, Text english, At at = At::Line) {
    if (section_ == Section::Item) itemBad_ = true;
    if (section_ == Section::Page) pageBad_ = true;
    AddFault(line_, std::move(what), std::move(english),
             at == At::Value ? valueColumn_
             : at == At::Key ? keyColumn_
                             : 1);
  }

 private:
  static constexpr char kNotKeyValue[] = "строка не вида «ключ = значение»";
  static constexpr char kNotKeyValueEnglish[] = "the line is not of the form key = value";

  void AddFault(int line, Text what, Text english, int column = 1) {
    ++out_.faultCount;
    if (out_.faults.size() < kKeptFaults)
      out_.faults.push_back({line, std::move(what), column, std::move(english)});
  }

  void Header(std::string_view line) {
    if (line.back() != ']') return Fault(kNotKeyValue, kNotKeyValueEnglish);
    const Text name = LowerAscii(TrimBlanks(line.substr(1, line.size() - 2)));
    CloseItem();
    keys_.clear();
    if (name == "page") {
      ClosePage();
      section_ = Section::Page;
      page_ = DescribedPage{};
      pageBad_ = false;
      pageLine_ = line_;
      pagesGiven_ = true;
    } else if (name == "item") {
      section_ = Section::Item;
      item_ = DescribedItem{};
      itemBad_ = false;
      itemLine_ = line_;
      actions_ = 0;
      if (!page_ || page_->IsPublications())
        Fault(
            page_ ? "у страницы публикаций нет пунктов" : "пункт [item] до первой страницы [page]",
            page_ ? "the publication page has no items" : "an [item] before the first [page]");
    } else {
      ClosePage();
      section_ = name == "disc"       ? Section::Disc
                 : name == "contacts" ? Section::Contacts
                 : name == "texts"    ? Section::Texts
                                      : Section::Unknown;
      if (section_ == Section::Unknown)
        Fault("неизвестный раздел [" + Text(name) + "]",
              "unknown section [" + Text(name) + "]" +
                  Suggestion(name, {std::begin(kSectionNames), std::end(kSectionNames)}));
      if (section_ == Section::Contacts && !contactsGiven_) {
        out_.description.contacts = {};
        contactsGiven_ = true;
      }
    }
  }

  // A key met before in the section is a fault, but for the repeatable ones.
  bool FirstTime(const Text& key) {
    for (const Text& k : keys_)
      if (k == key) return false;
    keys_.push_back(key);
    return true;
  }

  void Value(const Text& key, std::string_view value) {
    if (section_ == Section::Unknown) return;
    if (section_ == Section::None)
      return Fault("ключ " + Quoted(key) + " вне раздела",
                   "the key " + InQuotes(key) + " stands before any section", At::Key);
    const bool repeatable = section_ == Section::Contacts && (key == "email" || key == "phone");
    if (!repeatable && !FirstTime(key))
      return Fault("ключ " + Quoted(key) + " повторён",
                   "the key " + InQuotes(key) + " is given twice in its section", At::Key);
    switch (section_) {
      case Section::Disc:
        return DiscValue(key, value);
      case Section::Contacts:
        return ContactValue(key, value);
      case Section::Texts:
        for (const TextKey& k : kTextKeys)
          if (k.key == key) return void(out_.description.uiTexts.*k.member = Text(value));
        return UnknownKey(key);
      case Section::Page:
        return PageValue(key, value);
      case Section::Item:
        return ItemValue(key, value);
      default:
        return;
    }
  }

  void UnknownKey(const Text& key) {
    Fault("неизвестный ключ " + Quoted(key),
          "unknown key " + InQuotes(key) + Suggestion(key, KeysOf(section_)), At::Key);
  }
  // `allowed` in Russian, then in English.
  void OutOfRange(std::string_view value, std::string_view allowed, std::string_view english) {
    Fault("значение " + Quoted(value) + " недопустимо: " + Text(allowed),
          "the value " + InQuotes(value) + " is not allowed: " + Text(english), At::Value);
  }

  // ": did you mean caption?" for the nearest known word, when it is near.
  static Text Suggestion(std::string_view word, const std::vector<std::string_view>& known) {
    std::string_view nearest;
    std::size_t best = std::max<std::size_t>(2, word.size() / 3) + 1;
    for (const std::string_view k : known)
      if (const std::size_t d = EditDistance(word, k, best); d < best) best = d, nearest = k;
    return nearest.empty() ? Text() : ": did you mean " + Text(nearest) + "?";
  }

  // A path of the disc into `to`; a fault when it is refused.
  void Path(std::string_view value, Text& to) {
    if (std::optional<Text> path = DiscRelativePath(value))
      to = std::move(*path);
    else
      Fault("путь " + Quoted(value) + " не ведёт к файлу на диске",
            "the path " + InQuotes(value) +
                " leads to no file on the disc: it is absolute, names a drive or a share, "
                "leaves the root with \"..\", or holds a name Windows refuses",
            At::Value);
  }

  void DiscValue(const Text& key, std::string_view value) {
    DiscDescription& d = out_.description;
    if (key == "title") {
      d.title = Text(value);
    } else if (key == "texts") {
      const Text v = LowerAscii(value);
      if (v == "cp1251")
        d.texts = TextsEncoding::Cp1251;
      else if (v == "utf-8")
        d.texts = TextsEncoding::Utf8;
      else
        OutOfRange(value, "cp1251 или utf-8", "cp1251 or utf-8");
    } else if (key == "player") {
      Path(value, d.player);
    } else if (key == "reader-installer") {
      Path(value, d.readerInstaller);
    } else {
      UnknownKey(key);
    }
  }

  void ContactValue(const Text& key, std::string_view value) {
    DiscContacts& c = out_.description.contacts;
    if (key == "email" || key == "phone") {
      const bool email = key == "email";
      int& count = email ? emails_ : phones_;
      const int most =
          email ? static_cast<int>(c.emails.size()) : static_cast<int>(c.phones.size());
      if (count >= most)
        return Fault(email ? "больше трёх строк email" : "больше двух строк phone",
                     email ? "more than three email lines" : "more than two phone lines", At::Key);
      (email ? c.emails[count] : c.phones[count]) = Text(value);
      ++count;
      return;
    }
    for (const ContactKey& k : kContactKeys)
      if (k.key == key) return void(c.*k.member = Text(value));
    UnknownKey(key);
  }

  void PageValue(const Text& key, std::string_view value) {
    if (key == "caption") {
      page_->caption = Text(value);
    } else if (key == "publications") {
      Path(value, page_->publications);
    } else if (key == "warning") {
      page_->warning = Text(value);
    } else if (key == "layout") {
      const int layout = FindLayout(value);
      if (layout < 0)
        return OutOfRange(value, "Present, Demo, Video или Gebit_Benutzt",
                          "Present, Demo, Video or Gebit_Benutzt");
      for (const DescribedPage& p : pages_)
        if (p.layout == layout)
          return Fault("раскладка " + Quoted(value) + " уже занята",
                       "the layout " + InQuotes(value) + " is another page's", At::Value);
      page_->layout = layout;
    } else {
      UnknownKey(key);
    }
  }

  void Picture(std::string_view value) {
    if (!value.empty() && value.find_first_not_of("0123456789") == value.npos) {
      const int number = value.size() > 2 ? 0 : std::stoi(Text(value));
      if (number < 1 || number > 26)
        return OutOfRange(value, "номер от 1 до 26 или файл PNG",
                          "a number from 1 to 26 or a PNG file");
      item_->image = number - 1;
      return;
    }
    if (!LowerAscii(value).ends_with(".png"))
      return OutOfRange(value, "номер от 1 до 26 или файл PNG",
                        "a number from 1 to 26 or a PNG file");
    Path(value, item_->pictureFile);
  }

  void ItemValue(const Text& key, std::string_view value) {
    if (key == "caption") return void(item_->caption = Text(value));
    if (key == "picture") return Picture(value);
    if (key == "description") return Path(value, item_->description);
    for (std::size_t i = 0; i < std::size(kActionKeys); ++i) {
      if (key != kActionKeys[i]) continue;
      if (++actions_ > 1)
        return Fault("у пункта больше одного действия",
                     "a second action: an item has one of run, play, notice, open and web",
                     At::Key);
      const auto action = static_cast<ItemAction>(i);
      item_->action = action;
      if (action == ItemAction::Notice) {
        if (LowerAscii(value) != "yes") OutOfRange(value, "yes", "yes");
      } else if (action == ItemAction::Web) {
        WebAddress(value);
      } else {
        Path(value, item_->target);
      }
      return;
    }
    UnknownKey(key);
  }

  void WebAddress(std::string_view value) {
    const Text lower = LowerAscii(value);
    const std::size_t scheme = lower.starts_with("http://")    ? 7
                               : lower.starts_with("https://") ? 8
                                                               : 0;
    bool plain = scheme > 0 && value.size() > scheme;
    for (const char c : value) plain = plain && static_cast<unsigned char>(c) > ' ';
    if (!plain)
      return OutOfRange(value, "адрес http:// или https://", "an http:// or https:// address");
    item_->target = Text(value);
  }

  void CloseItem() {
    if (!item_) return;
    DescribedItem item = std::move(*item_);
    item_.reset();
    if (itemBad_) return;
    if (actions_ == 0)
      return AddFault(itemLine_, "у пункта нет действия",
                      "the item has no action: run, play, notice, open or web");
    if (item.caption.empty())
      return AddFault(itemLine_, "у пункта нет подписи caption", "the item has no caption");
    if (pageBad_) return;
    const int most = LayoutOf(*page_).maxItems;
    if (static_cast<int>(page_->items.size()) >= most)
      return AddFault(itemLine_, "на странице больше " + std::to_string(most) + " пунктов",
                      "more than " + std::to_string(most) + " items on the page, which shows " +
                          std::to_string(most));
    page_->items.push_back(std::move(item));
  }

  void ClosePage() {
    if (!page_) return;
    DescribedPage page = std::move(*page_);
    page_.reset();
    if (pageBad_) return;
    if (page.caption.empty())
      return AddFault(pageLine_, "у страницы нет подписи caption", "the page has no caption");
    if (static_cast<int>(pages_.size()) >= kMaxPages)
      return AddFault(pageLine_, "больше " + std::to_string(kMaxPages) + " страниц",
                      "more than " + std::to_string(kMaxPages) + " pages, which the tab row holds");
    if (page.IsPublications()) {
      for (const DescribedPage& p : pages_)
        if (p.IsPublications())
          return AddFault(pageLine_, "вторая страница публикаций", "a second publication page");
    }
    const std::string place = std::to_string(pages_.size() + 1);
    const PageLayout layout = LayoutOf(page);
    // The publication page, of which there is one, keeps its built-in name.
    page.name = page.IsPublications() ? "Artikel"
                : layout.name.empty() ? "Page" + place
                                      : Text(layout.name);
    for (std::size_t i = 0; i < page.items.size(); ++i)
      page.items[i].name = "Item" + place + "_" + std::to_string(i + 1);
    pages_.push_back(std::move(page));
  }

  DescriptionReading& out_;
  int line_ = 0;
  int keyColumn_ = 1, valueColumn_ = 1;
  Section section_ = Section::None;
  std::vector<Text> keys_;
  int emails_ = 0, phones_ = 0;
  bool contactsGiven_ = false;
  bool pagesGiven_ = false;
  std::vector<DescribedPage> pages_;
  std::optional<DescribedPage> page_;
  bool pageBad_ = false;
  int pageLine_ = 0;
  std::optional<DescribedItem> item_;
  bool itemBad_ = false;
  int itemLine_ = 0;
  int actions_ = 0;
};

}  // namespace

void ReadDiscDescriptionOver(std::string_view bytes, DescriptionReading& out) {
  Parser parser(out);
  if (bytes.size() > kMaxDescriptionBytes) {
    parser.Fault("файл больше " + std::to_string(kMaxDescriptionBytes >> 20) + " МБ",
                 "the file is larger than " + std::to_string(kMaxDescriptionBytes >> 20) + " MB");
    return;
  }
  Text decoded;
  if (bytes.starts_with("\xFF\xFE")) {
    decoded = Utf8FromUtf16Bytes(bytes.substr(2), false);
    bytes = decoded;
  } else if (bytes.starts_with("\xFE\xFF")) {
    parser.Fault("кодировка UTF-16 BE не читается: сохраните файл в UTF-8",
                 "UTF-16 BE is not read: save the file as UTF-8");
    return;
  } else if (bytes.starts_with("\xEF\xBB\xBF")) {
    bytes.remove_prefix(3);
  }
  int number = 0;
  while (!bytes.empty() || number == 0) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == bytes.npos ? bytes.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    parser.Line(++number, line);
    if (end == std::string_view::npos) break;
  }
  parser.End();
}

DescriptionReading ReadDiscDescription(std::string_view bytes) {
  DescriptionReading out;
  ReadDiscDescriptionOver(kBuiltInCatalogue, out);
  ReadDiscDescriptionOver(bytes, out);
  return out;
}

std::optional<Text> DiscRelativePath(std::string_view path) {
  if (path.empty() || path[0] == '\\' || path[0] == '/') return std::nullopt;
  std::vector<std::string_view> parts;
  while (!path.empty()) {
    const std::size_t end = path.find_first_of("\\/");
    const std::string_view part = path.substr(0, end);
    path.remove_prefix(end == path.npos ? path.size() : end + 1);
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (parts.empty()) return std::nullopt;
      parts.pop_back();
      continue;
    }
    for (const char c : part)
      if (static_cast<unsigned char>(c) < ' ' || Text("<>:\"|?*").find(c) != Text::npos)
        return std::nullopt;
    if (IsDeviceName(part)) return std::nullopt;
    parts.push_back(part);
  }
  if (parts.empty()) return std::nullopt;
  Text out;
  for (const std::string_view part : parts) {
    if (!out.empty()) out += '\\';
    out += part;
  }
  return out;
}

Text DescriptionFaultMessage(const DescriptionReading& reading) {
  const std::vector<DescriptionFault>& faults = reading.faults;
  Text message = "Файл описания диска " + Text(kDescriptionFileName) + " прочитан не весь.\r\n";
  if (!faults.empty()) {
    const DescriptionFault& first = faults.front();
    message +=
        first.line > 0 ? "Строка " + std::to_string(first.line) + ": " + first.what : first.what;
    message += ".\r\n";
  }
  message += "Ошибок в файле: " + std::to_string(reading.faultCount) +
             ". Страницы и пункты с ошибками не показаны.";
  return message;
}

}  // namespace demodisc
