// Reading a disc's DemoDisc.ini into a DiscDescription. The file is UTF-8,
// with or without a byte-order mark, or UTF-16 LE with one; sections
// [disc], [contacts], [texts], and then a [page] for each tab followed by
// an [item] for each of its buttons. Whatever cannot be used is a fault; a
// page or an item with a fault is left out, and so is a faulty key of the
// other sections.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "launcher/disc_description.h"

namespace demodisc {

inline constexpr char kDescriptionFileName[] = "DemoDisc.ini";
// Larger files are refused whole, longer lines each.
inline constexpr std::size_t kMaxDescriptionBytes = 1024 * 1024;
inline constexpr std::size_t kMaxDescriptionLine = 4096;

struct DescriptionFault {
  int line = 0;    // from 1; 0 for the file as a whole
  Text what;       // in Russian, for the program: "неизвестный ключ «captoin»"
  int column = 1;  // the letter it starts at, from 1: the line's, its key's or its value's
  Text english;    // for the disc check: "unknown key \"captoin\": did you mean caption?"
};

struct DescriptionReading {
  DiscDescription description;
  std::vector<DescriptionFault> faults;  // the first hundred
  int faultCount = 0;                    // all of them
};

// Reads the file's bytes. A file without any [page] keeps the built-in
// catalogue's pages; its other values start from the built-in ones.
DescriptionReading ReadDiscDescription(std::string_view bytes);
// The same over the values `out` holds already, adding to its faults.
void ReadDiscDescriptionOver(std::string_view bytes, DescriptionReading& out);

// The path as the disc holds it, with "\" between its parts; nothing for a
// path that is empty, absolute, names a drive, a share or a stream, holds a
// character Windows refuses in a name, or leaves the root with "..".
std::optional<Text> DiscRelativePath(std::string_view path);

// The one message that tells of a file's faults: its name, the first
// fault's line and how many there are.
Text DescriptionFaultMessage(const DescriptionReading& reading);

}  // namespace demodisc
