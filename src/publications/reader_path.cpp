#include "publications/reader_path.h"

#include "base/errors.h"

namespace demodisc {

Text RegistryString(const RegistryValue& value, std::string_view valueName) {
  if (!value.exists || value.size == 0) return {};
  if (value.type == kRegSz || value.type == kRegExpandSz)
    return value.text.substr(0, value.text.find('\0'));
  throw AppError("Invalid data type for '" + Text(valueName) + "'");
}

Text ReaderPathOf(std::string_view command) {
  if (command.empty()) return {};
  command.remove_prefix(1);
  const auto quote = command.find('"');
  if (quote == std::string_view::npos) return {};
  return Text(command.substr(0, quote));
}

}  // namespace demodisc
