// Rewrites the disc's own text files, the descriptions and the publication
// list (those its DemoDisc.ini names, or the built-in catalogue's), where a
// Windows not set to Russian saved them as UTF-8, Notepad as "Unicode"
// (UTF-16), or an editor with bare LF line ends, as the cp1251 with CR LF
// line ends that the program reads; descriptions of a disc whose texts are
// UTF-8 stay UTF-8. A file is replaced only once its new copy is whole; a file
// with letters cp1251 lacks is named with them and left as it is.
#pragma once

#include <string>
#include <vector>

#include "base/text.h"
#include "disc_check/file_system.h"

namespace demodisc {

struct Cp1251Rewrite {
  enum class Outcome { Unchanged, Rewritten, LacksLetters };
  Outcome outcome = Outcome::Unchanged;
  std::string bytes;  // Rewritten: the new bytes
  Text as;            // Rewritten: what they are ("cp1251 with CR LF")
  Text was;           // Rewritten: what the bytes were ("UTF-8 with a byte-order mark", ...)
  Text lacking;       // LacksLetters: those letters, each once, quoted: "\"ő\", \"ž\""
};

// The bytes of a text file as cp1251 with CR LF: UTF-8 (with or without a
// byte-order mark) and UTF-16 LE or BE with a byte-order mark converted,
// bare LF line ends made CR LF. Other bytes with zero bytes stay unchanged:
// the check names them.
Cp1251Rewrite RewriteAsCp1251(std::string_view bytes);

// The same for a disc whose descriptions are UTF-8 (texts = utf-8): UTF-16
// with a byte-order mark becomes UTF-8 with CR LF; anything else stays.
Cp1251Rewrite RewriteAsUtf8(std::string_view bytes);

// What --fix-texts did to one file.
struct TextFix {
  Text path;  // as the program names it: "Hints\about.txt"
  // True when the file had to change but could not be written.
  bool failed = false;
  Text message;  // one line: "rewrote Hints\about.txt as cp1251 ..."
};

// Rewrites the descriptions and the publication list of the disc folder
// (as given on the command line) that need it, through the file system the
// check reads with; only files that changed, or could not, are listed.
std::vector<TextFix> FixDiscTexts(const FileSystem& files, const Text& disc);

// The fixes' messages, a line each, and a blank line after them when there
// are any; "--fix-texts: no text to rewrite" and a blank line when none.
Text TextFixLines(const std::vector<TextFix>& fixes);

}  // namespace demodisc
