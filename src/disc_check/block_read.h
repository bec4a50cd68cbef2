// A file read whole once, in large blocks, each handed on as it comes: how
// --verify reads a disc back.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace demodisc {

// What each read asks of the system: large, for a disc drive's sake.
inline constexpr std::size_t kReadBlockBytes = std::size_t{1} << 20;

using BlockSink = std::function<void(std::string_view block)>;

struct BlockRead {
  bool opened = false;
  // The bytes read: up to the end, or up to where reading failed.
  std::uint64_t bytes = 0;
  bool failed = false;  // a read failed at `bytes`
};

}  // namespace demodisc
