#include "base/app_title.h"

namespace demodisc {

Text AppTitleFromExePath(std::string_view exePath) {
  const auto slash = exePath.find_last_of("\\/:");
  std::string_view name = slash == std::string_view::npos ? exePath : exePath.substr(slash + 1);
  return LowerCaseFrom(name.substr(0, name.find('.')), 1);
}

}  // namespace demodisc
