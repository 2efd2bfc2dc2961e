#include "platform/drives.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace talvo::platform {

namespace {

void AddIfFolder(std::vector<std::string>& drives, std::string path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_directory(path, error)) return;
    if (path.back() != '/') path += '/';
    if (std::find(drives.begin(), drives.end(), path) == drives.end()) drives.push_back(path);
}

void AddChildren(std::vector<std::string>& drives, const std::string& parent) {
    std::error_code error;
    std::vector<std::string> children;
    for (std::filesystem::directory_iterator it(parent, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_directory(error)) children.push_back(it->path().string());
    }
    std::sort(children.begin(), children.end());
    for (const std::string& child : children) AddIfFolder(drives, child);
}

}  // namespace

std::vector<std::string> DriveList() {
    std::vector<std::string> drives = {"/"};
    if (const char* home = std::getenv("HOME")) AddIfFolder(drives, home);
    const char* user = std::getenv("USER");
    if (user != nullptr && *user != '\0') {
        AddChildren(drives, std::string("/media/") + user);
        AddChildren(drives, std::string("/run/media/") + user);
    }
    AddChildren(drives, "/mnt");
    return drives;
}

}  // namespace talvo::platform
