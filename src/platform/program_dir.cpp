#include "platform/program_dir.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace talvo::platform {

namespace {

std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

}  // namespace

std::string ProgramDirectory() {
    if (const char* forced = std::getenv("TALVO_DIR"); forced != nullptr && *forced != '\0') {
        return WithSlash(forced);
    }
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return WithSlash(exe.parent_path().string());
}

bool EnsureDirectory(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

}  // namespace talvo::platform
