// What kind of serial device stands behind a device path, as the kernel describes it.
#pragma once

#include <string>

namespace talvo::platform {

// A short description of the serial device at `devicePath` (e.g. "/dev/ttyUSB0"), read from the
// kernel's tty class directory `sysfsRoot`: the maker and product of a USB device ("Prolific
// Technology Inc. USB-Serial Controller"), else the name of the driver that serves it ("pl2303",
// "serial8250"), else "". A symbolic link is followed to the device first; a pseudo-terminal is
// "pseudo-terminal".
[[nodiscard]] std::string TtyDescription(const std::string& devicePath,
                                         const std::string& sysfsRoot = "/sys/class/tty");

}  // namespace talvo::platform
