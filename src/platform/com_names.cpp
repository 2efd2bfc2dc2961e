#include "platform/com_names.h"

#include <cctype>
#include <cstdlib>

namespace talvo::platform {

namespace {

// Port numbers above this are certainly mistyped; it also keeps the number inside an int.
constexpr int kHighestPortNumber = 999;

// The port number of "COMn", or 0 when the name is not of that form.
int PortNumber(std::string name) {
    const std::string deviceNamespace = "\\\\.\\";
    if (name.compare(0, deviceNamespace.size(), deviceNamespace) == 0) name.erase(0, deviceNamespace.size());
    if (name.size() < 4 || name.size() > 6) return 0;
    for (int i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
    }
    if (name[3] == '0') return 0;
    int number = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
        number = number * 10 + (name[i] - '0');
    }
    return number <= kHighestPortNumber ? number : 0;
}

}  // namespace

std::optional<std::string> ComDevicePath(const std::string& name) {
    const int number = PortNumber(name);
    if (number == 0) return std::nullopt;
    const std::string variable = "TALVO_COM" + std::to_string(number);
    if (const char* path = std::getenv(variable.c_str()); path != nullptr && *path != '\0') return path;
    if (number <= 16) return "/dev/ttyUSB" + std::to_string(number - 1);
    if (number <= 32) return "/dev/ttyACM" + std::to_string(number - 17);
    if (number <= 64) return "/dev/ttyS" + std::to_string(number - 33);
    return std::nullopt;
}

}  // namespace talvo::platform
