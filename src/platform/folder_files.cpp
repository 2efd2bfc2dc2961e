#include "platform/folder_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace talvo::platform {

namespace fs = std::filesystem;

std::vector<std::string> ListFolderFiles(const std::string& folder,
                                         const std::function<bool(const std::string& name)>& wanted) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kindError;
        if (!it->is_regular_file(kindError)) continue;
        std::string name = it->path().filename().string();
        if (wanted(name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

FileRemoval RemoveFolderFile(const std::string& folder, const std::string& name) {
    if (!IsPlainName(name)) return {false, "not a file name of the folder"};
    const fs::path path = fs::path(folder.empty() ? "." : folder) / name;
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (error || !fs::exists(status)) return {false, "no such file"};
    if (fs::is_directory(status)) return {false, "a folder, not a file"};
    if (!fs::remove(path, error)) return {false, error ? error.message() : "no such file"};
    return {true, {}};
}

}  // namespace talvo::platform
