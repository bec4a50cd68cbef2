// Text at the Windows boundary: the wide entry points take UTF-16.
#pragma once

#include <string>
#include <string_view>

#include "base/text.h"

namespace demodisc {

std::wstring Wide(std::string_view text);
Text FromWide(std::wstring_view text);

}  // namespace demodisc
