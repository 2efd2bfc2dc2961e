#include "platform/program_dir.h"

#include <filesystem>
#include <system_error>

namespace talvo::platform {

DataDirs ProgramDataDirs() {
    DataDirs dirs = DecideDataDirs(CurrentDirEnvironment());
    // A folder that cannot be made shows later, as the file that cannot be written in it.
    if (!dirs.appDir.empty() && dirs.appDir != dirs.dataDir) static_cast<void>(EnsureDirectory(dirs.appDir));
    return dirs;
}

bool EnsureDirectory(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

}  // namespace talvo::platform
