#include "platform/data_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace talvo::platform {

namespace {

std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty()) return home;
    const passwd* user = getpwuid(getuid());
    return user != nullptr && user->pw_dir != nullptr ? std::string(user->pw_dir) : std::string();
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

DirEnvironment CurrentDirEnvironment() {
    DirEnvironment environment;
    environment.talvoDir = Environment("TALVO_DIR");
    environment.xdgDataHome = Environment("XDG_DATA_HOME");
    environment.home = HomeFolder();
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) environment.exeDir = exe.parent_path().string();
    environment.writable = [](const std::string& folder) { return access(folder.c_str(), W_OK) == 0; };
    environment.isDirectory = [](const std::string& folder) {
        std::error_code kindError;
        return std::filesystem::is_directory(folder, kindError);
    };
    return environment;
}

DataDirs DecideDataDirs(const DirEnvironment& environment) {
    if (!environment.talvoDir.empty()) {
        const std::string dir = WithSlash(environment.talvoDir);
        return {dir, dir};
    }
    const std::string exeDir = WithSlash(environment.exeDir);
    if (exeDir.empty() || environment.writable(exeDir)) return {exeDir, exeDir};

    std::string userData;
    if (!environment.xdgDataHome.empty() && environment.xdgDataHome.front() == '/') {
        userData = WithSlash(environment.xdgDataHome);
    } else if (!environment.home.empty()) {
        userData = WithSlash(environment.home) + ".local/share/";
    }
    const std::string shared =
        WithSlash(std::filesystem::path(exeDir + "../share/talvo").lexically_normal().string());
    const std::string dataDir = environment.isDirectory(shared) ? shared : exeDir;
    // Without a home folder there is nowhere better to write than beside the program.
    return {userData.empty() ? exeDir : userData + "talvo/", dataDir};
}

std::string ReadableFolder(const std::string& appDir, const std::string& dataDir, const std::string& name) {
    if (dataDir.empty() || appDir == dataDir || IsRegularFile(appDir + name) ||
        !IsRegularFile(dataDir + name))
        return appDir;
    return dataDir;
}

std::string ReadablePath(const std::string& appDir, const std::string& dataDir, const std::string& name) {
    return ReadableFolder(appDir, dataDir, name) + name;
}

std::vector<std::string> ListBothFolders(const std::string& appDir, const std::string& dataDir,
                                         const std::function<bool(const std::string& name)>& wanted) {
    std::vector<std::string> names;
    for (const std::string& folder : {appDir, dataDir}) {
        std::error_code error;
        for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error), end;
             !error && it != end; it.increment(error)) {
            std::error_code kindError;
            std::string name = it->path().filename().string();
            if (it->is_regular_file(kindError) && wanted(name)) names.push_back(std::move(name));
        }
        if (dataDir.empty() || appDir == dataDir) break;
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

}  // namespace talvo::platform
