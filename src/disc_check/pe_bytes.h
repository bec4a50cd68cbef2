// Reading the little-endian fields of a PE image's headers.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace demodisc {

// `count` bytes (up to 4) at `at`; nothing when they lie past the end.
inline std::optional<std::uint32_t> LittleEndianAt(std::string_view bytes, std::size_t at,
                                                   std::size_t count) {
  if (at > bytes.size() || bytes.size() - at < count) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = count; i-- > 0;)
    value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

}  // namespace demodisc
