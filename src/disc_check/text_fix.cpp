#include "disc_check/text_fix.h"

#include <algorithm>
#include <set>

#include "base/cp1251.h"
#include "disc_check/disc_names.h"
#include "disc_check/file_system_tree.h"
#include "disc_check/text_file_rules.h"
#include "launcher/disc_description.h"
#include "launcher/disc_description_file.h"

namespace demodisc {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A text of the disc is far smaller; a larger file is no text to rewrite.
constexpr std::uint64_t kLargestText = 16u << 20;

bool IsAscii(std::string_view bytes) {
  for (const char b : bytes)
    if (static_cast<unsigned char>(b) >= 0x80) return false;
  return true;
}

bool HasBareLf(std::string_view bytes) {
  for (std::size_t at = bytes.find('\n'); at != std::string_view::npos;
       at = bytes.find('\n', at + 1))
    if (at == 0 || bytes[at - 1] != '\r') return true;
  return false;
}

std::string WithCrLf(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 16);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) out += '\r';
    out += bytes[i];
  }
  return out;
}

TextFix Failed(const Text& path, const Text& why) {
  return {path, true, "could not rewrite " + path + ", left as it is: " + why};
}

// `file` as the file system names it, `path` as the program does.
std::optional<TextFix> FixFile(const FileSystem& files, const Text& file, const Text& path,
                               Cp1251Rewrite (*rewriteAs)(std::string_view)) {
  const std::optional<std::uint64_t> size = files.FileSize(file);
  if (!size) return Failed(path, "it cannot be read");
  if (*size > kLargestText)
    return Failed(path, "it is " + std::to_string(*size >> 20) + " MiB, too large for a text");
  const std::optional<std::string> bytes = files.Read(file, static_cast<std::size_t>(*size));
  if (!bytes || bytes->size() != *size) return Failed(path, "it cannot be read");
  const Cp1251Rewrite rewrite = rewriteAs(*bytes);
  switch (rewrite.outcome) {
    case Cp1251Rewrite::Outcome::Unchanged:
      return std::nullopt;
    case Cp1251Rewrite::Outcome::LacksLetters:
      return TextFix{path, false,
                     "left " + path + " as it is: it holds letters cp1251 lacks, " +
                         rewrite.lacking + "; change them and run --fix-texts again"};
    case Cp1251Rewrite::Outcome::Rewritten:
      break;
  }
  if (const auto why = files.Replace(file, rewrite.bytes)) return Failed(path, *why);
  return TextFix{path, false, "rewrote " + path + " as " + rewrite.as + ": it " + rewrite.was};
}

// The text of a UTF-16 file with its byte-order mark, as UTF-8, and what it
// was; nothing for other bytes.
std::optional<std::pair<Text, Text>> FromUtf16(std::string_view bytes) {
  const bool little = bytes.starts_with("\xFF\xFE"), big = bytes.starts_with("\xFE\xFF");
  if (!little && !big) return std::nullopt;
  return std::pair{Utf8FromUtf16Bytes(bytes.substr(2), big),
                   Text(little ? "UTF-16 LE" : "UTF-16 BE") + " with a byte-order mark"};
}

}  // namespace

Cp1251Rewrite RewriteAsCp1251(std::string_view bytes) {
  Cp1251Rewrite result;
  const auto utf16 = FromUtf16(bytes);
  if (utf16) bytes = utf16->first;
  if (bytes.find('\0') != std::string_view::npos) return result;
  const bool bom = bytes.starts_with(kByteOrderMark);
  const std::string_view text = bom ? bytes.substr(kByteOrderMark.size()) : bytes;
  const bool utf8 = utf16 || (bom ? IsAscii(text) || LooksLikeUtf8(text) : LooksLikeUtf8(text));
  const bool bareLf = HasBareLf(text);
  if (!utf8 && !bareLf) return result;
  std::string cp1251;
  if (utf8) {
    std::set<char32_t> seen;
    for (std::size_t i = 0; i < text.size();) {
      const char32_t c = NextChar(text, i);
      const int b = Cp1251ByteOf(c);
      if (b >= 0) {
        cp1251 += static_cast<char>(b);
      } else if (seen.insert(c).second) {
        result.lacking += (result.lacking.empty() ? "\"" : ", \"");
        AppendChar(result.lacking, c);
        result.lacking += "\"";
      }
    }
    if (!result.lacking.empty()) {
      result.outcome = Cp1251Rewrite::Outcome::LacksLetters;
      return result;
    }
  } else {
    cp1251 = text;
  }
  result.outcome = Cp1251Rewrite::Outcome::Rewritten;
  result.bytes = WithCrLf(cp1251);
  result.as = "cp1251 with CR LF";
  const Text encoding = utf16 ? utf16->second : bom ? "UTF-8 with a byte-order mark" : "UTF-8";
  result.was = utf8 ? "was " + encoding + (bareLf ? " and had bare LF line ends" : "")
                    : Text("had bare LF line ends");
  return result;
}

Cp1251Rewrite RewriteAsUtf8(std::string_view bytes) {
  Cp1251Rewrite result;
  const auto utf16 = FromUtf16(bytes);
  if (!utf16) return result;
  result.outcome = Cp1251Rewrite::Outcome::Rewritten;
  result.bytes = WithCrLf(utf16->first);
  result.as = "UTF-8 with CR LF";
  result.was = "was " + utf16->second;
  return result;
}

std::vector<TextFix> FixDiscTexts(const FileSystem& files, const Text& disc) {
  const FileSystemTree tree(disc, files);
  DiscNames names(tree);
  // The descriptions and the publication list of the disc's own catalogue,
  // when it has one; its texts= tells the descriptions' encoding.
  DiscDescription description = BuiltInDescription();
  const Lookup own = names.Peek(kDescriptionFileName);
  if (own.found && !own.folder)
    if (const auto bytes = tree.Head(own.path, kMaxDescriptionBytes + 1))
      description = ReadDiscDescription(*bytes).description;
  const auto descriptionsAs =
      description.texts == TextsEncoding::Utf8 ? &RewriteAsUtf8 : &RewriteAsCp1251;
  std::vector<std::pair<Text, Cp1251Rewrite (*)(std::string_view)>> paths;
  for (const DescribedPage& page : description.pages) {
    if (page.IsPublications()) paths.emplace_back(page.publications, &RewriteAsCp1251);
    for (const DescribedItem& item : page.items)
      if (!item.description.empty()) paths.emplace_back(item.description, descriptionsAs);
  }
  std::vector<TextFix> fixes;
  std::set<Text> done;
  for (const auto& [path, rewriteAs] : paths) {
    const Lookup lookup = names.Peek(path);
    if (!lookup.found || lookup.folder || !done.insert(lookup.path).second) continue;
    Text shown = lookup.path;
    std::replace(shown.begin(), shown.end(), '/', '\\');
    if (auto fix = FixFile(files, tree.PathOf(lookup.path), shown, rewriteAs))
      fixes.push_back(std::move(*fix));
  }
  return fixes;
}

Text TextFixLines(const std::vector<TextFix>& fixes) {
  Text lines = fixes.empty() ? "--fix-texts: no text to rewrite\n" : "";
  for (const TextFix& fix : fixes) lines += fix.message + "\n";
  return lines + "\n";
}

}  // namespace demodisc
