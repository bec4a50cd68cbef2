// The sample disc's stand-ins for the video player and the reader installer
// are small programs that carry these byte strings, by which the disc check
// tells them from the real programs a disc must hold.
#pragma once

namespace demodisc {

inline constexpr char kPlayerStandInMarker[] =
    "<DemoDisc sample disc: stand-in for the video player>";
inline constexpr char kInstallerStandInMarker[] =
    "<DemoDisc sample disc: stand-in for the reader installer>";

}  // namespace demodisc
