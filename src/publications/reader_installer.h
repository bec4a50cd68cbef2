// The PDF reader's installer that the disc carries, started without
// parameters by the reader buttons, and their start-failure message.
#pragma once

#include "launcher/disc_folders.h"

namespace demodisc {

inline constexpr DiscFile kReaderInstaller{DiscFolder::AcrobatReader, "AdbeRdr812_ru_RU.exe"};
// What the reader buttons show when the reader or its installer cannot be started.
inline constexpr char kReaderStartFailed[] = "Ошибка запуска Acrobat Reader ...";

}  // namespace demodisc
