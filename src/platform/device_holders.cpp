#include "platform/device_holders.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace talvo::platform {

namespace {

bool HoldsDevice(const std::filesystem::path& process, dev_t device) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(process / "fd", error), end; !error && it != end;
         it.increment(error)) {
        struct stat target {};
        if (::stat(it->path().c_str(), &target) == 0 && S_ISCHR(target.st_mode) && target.st_rdev == device) {
            return true;
        }
    }
    return false;
}

std::string ProgramName(const std::filesystem::path& process) {
    std::ifstream comm(process / "comm");
    std::string name;
    std::getline(comm, name);
    return name.empty() ? "a program" : name;
}

bool IsProcess(const std::string& entry) {
    return !entry.empty() &&
           std::all_of(entry.begin(), entry.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace

std::vector<DeviceHolder> FindDeviceHolders(dev_t device) {
    std::vector<DeviceHolder> holders;
    std::error_code error;
    for (std::filesystem::directory_iterator it("/proc", error), end; !error && it != end;
         it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (IsProcess(entry) && HoldsDevice(it->path(), device)) {
            holders.push_back({static_cast<pid_t>(std::stol(entry)), ProgramName(it->path())});
        }
    }
    std::sort(holders.begin(), holders.end(),
              [](const DeviceHolder& a, const DeviceHolder& b) { return a.pid < b.pid; });
    return holders;
}

bool ProgramRunning(const std::string& name) {
    std::error_code error;
    for (std::filesystem::directory_iterator it("/proc", error), end; !error && it != end;
         it.increment(error)) {
        if (IsProcess(it->path().filename().string()) && ProgramName(it->path()) == name) return true;
    }
    return false;
}

bool SameDevice(const std::string& first, const std::string& second) {
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && S_ISCHR(a.st_mode) &&
           S_ISCHR(b.st_mode) && a.st_rdev == b.st_rdev;
}

std::string DescribeHolders(const std::vector<DeviceHolder>& holders) {
    std::string text;
    for (const DeviceHolder& holder : holders) {
        if (!text.empty()) text += ", ";
        text += holder.name + " (process " + std::to_string(holder.pid) + ")";
    }
    return text;
}

}  // namespace talvo::platform
