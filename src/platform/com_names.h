// Which Linux device stands behind a serial port name such as "COM3".
#pragma once

#include <optional>
#include <string>

namespace talvo::platform {

// The device path for "COMn" (any letter case, optionally written "\\.\COMn"; n a decimal number
// from 1 without leading zeros). The environment variable TALVO_COM<n>, when set and not empty,
// names the device for any n; otherwise COM1-16 are /dev/ttyUSB0-15 (USB serial adapters),
// COM17-32 /dev/ttyACM0-15 (USB modem-class devices) and COM33-64 /dev/ttyS0-31 (built-in
// ports). Nothing for any other name.
[[nodiscard]] std::optional<std::string> ComDevicePath(const std::string& name);

}  // namespace talvo::platform
