// Where the program's files live.
#pragma once

#include <string>

namespace talvo::platform {

// The directory of the running executable, ending in "/". The environment variable TALVO_DIR
// overrides it (tests point it at a scratch directory). Empty when neither can be found.
std::string ProgramDirectory();

// Creates the directory (and its parents); false when it does not exist afterwards.
[[nodiscard]] bool EnsureDirectory(const std::string& path);

}  // namespace talvo::platform
