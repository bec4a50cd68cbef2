// The publication record hung on each filled row of the publication grid.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/text.h"

namespace demodisc {

// Windows colour values (0x00BBGGRR).
inline constexpr std::uint32_t kLightRed = 0x00CCCCFF;  // red 255, green 204, blue 204
inline constexpr std::uint32_t kWhite = 0x00FFFFFF;

// Rows whose document is on the disc are light red, the others white.
constexpr std::uint32_t PublicationColor(std::string_view docFileName) {
  return docFileName.empty() ? kWhite : kLightRed;
}

class TPubl {
 public:
  Text DocFileName;  // relative to the Publication folder; empty: no document
  std::uint32_t Color = kWhite;
  Text Language;
};

}  // namespace demodisc
