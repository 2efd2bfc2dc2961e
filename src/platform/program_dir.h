// Where the program's files live.
#pragma once

#include <string>

#include "platform/data_dirs.h"

namespace talvo::platform {

// The writable folder and the data folder of this process (DecideDataDirs on its own
// environment). The writable folder is created when it is not the program's own; empty folders
// when the program's folder cannot be found.
DataDirs ProgramDataDirs();

// Creates the directory (and its parents); false when it does not exist afterwards.
[[nodiscard]] bool EnsureDirectory(const std::string& path);

}  // namespace talvo::platform
