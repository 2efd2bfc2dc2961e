#include "platform/sky_chart.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace talvo::platform {

namespace {

constexpr const char* kProgramName = "skychart";

std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

bool HoldsProgram(const std::string& dir) {
    const std::string path = WithSlash(dir) + kProgramName;
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string SkyChartDirectory() {
    std::error_code error;
    if (const char* named = std::getenv("TALVO_SKYCHART_DIR");
        named != nullptr && *named != '\0' && std::filesystem::is_directory(named, error)) {
        return WithSlash(named);
    }
    const char* path = std::getenv("PATH");
    if (path == nullptr) return {};
    std::string_view rest = path;
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        std::string dir(rest.substr(0, colon));
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        if (dir.empty()) dir = ".";  // an empty entry is the working directory
        if (HoldsProgram(dir)) return WithSlash(dir);
    }
    return {};
}

}  // namespace talvo::platform
