#include "platform/tty_description.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace talvo::platform {

namespace fs = std::filesystem;

namespace {

// A USB serial adapter's tty sits below its interface directory, which sits below the USB device
// that names maker and product; a few levels up is as far as that goes.
constexpr int kLevelsToUsbDevice = 4;

// The first line of a small sysfs attribute file, without trailing blanks; "" when unreadable.
std::string Attribute(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line)) return "";
    const auto end = line.find_last_not_of(" \t\r\n");
    return end == std::string::npos ? "" : line.substr(0, end + 1);
}

std::string UsbDescription(const fs::path& device) {
    std::error_code error;
    fs::path directory = fs::canonical(device, error);
    if (error) return "";
    for (int level = 0; level <= kLevelsToUsbDevice && directory.has_relative_path(); ++level) {
        const std::string maker = Attribute(directory / "manufacturer");
        const std::string product = Attribute(directory / "product");
        if (!maker.empty() || !product.empty()) {
            return maker.empty() || product.empty() ? maker + product : maker + " " + product;
        }
        directory = directory.parent_path();
    }
    return "";
}

// The driver of the device or of the nearest device above it. Drivers of the kernel's own
// serial-port layer ("port", "ctrl") say nothing about the hardware and are passed over.
std::string DriverName(const fs::path& device) {
    std::error_code error;
    fs::path directory = fs::canonical(device, error);
    if (error) return "";
    for (int level = 0; level <= kLevelsToUsbDevice && directory.has_relative_path(); ++level) {
        const fs::path driver = fs::read_symlink(directory / "driver", error);
        if (!error && driver.string().find("/serial-base/") == std::string::npos)
            return driver.filename().string();
        directory = directory.parent_path();
    }
    return "";
}

}  // namespace

std::string TtyDescription(const std::string& devicePath, const std::string& sysfsRoot) {
    std::error_code error;
    fs::path device = fs::weakly_canonical(fs::path(devicePath), error);
    if (error) device = devicePath;
    const std::string resolved = device.string();
    if (resolved.rfind("/dev/pts/", 0) == 0 || resolved == "/dev/ptmx") return "pseudo-terminal";

    const fs::path classDevice = fs::path(sysfsRoot) / device.filename() / "device";
    if (!fs::exists(classDevice, error)) return "";
    if (std::string usb = UsbDescription(classDevice); !usb.empty()) return usb;
    return DriverName(classDevice);
}

}  // namespace talvo::platform
