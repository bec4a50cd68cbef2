// The PDF reader's path taken from its registered command for reading a
// file, which is expected to begin with the quoted executable path.
#pragma once

#include <string_view>

#include "base/text.h"

namespace demodisc {

inline constexpr unsigned long kRegSz = 1;        // REG_SZ
inline constexpr unsigned long kRegExpandSz = 2;  // REG_EXPAND_SZ

// A registry value as read: whether it exists, its type and byte size and,
// for the two string types, its data as text (zero characters included).
struct RegistryValue {
  bool exists = false;
  unsigned long type = 0;
  unsigned long size = 0;
  Text text;
};

// The value as text: empty when it is missing or has no data; its text up to
// the first zero character for REG_SZ and REG_EXPAND_SZ (environment
// references stay unexpanded).
// Raises AppError "Invalid data type for '<name>'" for any other type with data.
Text RegistryString(const RegistryValue& value, std::string_view valueName);

// Drops the first character, whatever it is, and cuts the rest before its
// first double quote; empty when there is no double quote.
Text ReaderPathOf(std::string_view command);

}  // namespace demodisc
