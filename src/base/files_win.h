// Files and folders of the disc, through the wide Windows entry points.
#pragma once

#include <memory>

#include "base/text_reader.h"

namespace demodisc {

// Opens an existing file for reading with shared read access; raises
// InOutError with the Windows error code when it cannot.
std::unique_ptr<ByteSource> OpenFileForReading(const Text& path);

// The process's current directory, without a trailing backslash unless it is
// a drive root.
Text CurrentDirectory();

// The full path of the running executable.
Text ExePath();

}  // namespace demodisc
