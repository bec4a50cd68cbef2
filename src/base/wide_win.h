// cp1251 text at the Windows boundary: the wide entry points take UTF-16.
#pragma once

#include <string>
#include <string_view>

#include "base/cp1251.h"

namespace demodisc {

std::wstring Wide(std::string_view text);
Text Narrow(std::wstring_view text);

}  // namespace demodisc
