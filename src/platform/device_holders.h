// Which programs hold a device open, found through /proc.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace talvo::platform {

struct DeviceHolder {
    pid_t pid = 0;
    std::string name;  // the program's name as the kernel keeps it (at most 15 characters)
};

// The processes with a descriptor open on the character device `device` (its st_rdev), in order
// of process id. Processes whose descriptors this user may not look at are missed, which for an
// ordinary user includes system services; the list is then empty or short.
[[nodiscard]] std::vector<DeviceHolder> FindDeviceHolders(dev_t device);

// True when a process of that name (as the kernel keeps it) runs; every user may see this.
[[nodiscard]] bool ProgramRunning(const std::string& name);

// True when both paths name the same character device (a link such as /dev/serial/by-id/...
// and the device it points to).
[[nodiscard]] bool SameDevice(const std::string& first, const std::string& second);

// "gpsd (process 812)", several joined with ", ".
[[nodiscard]] std::string DescribeHolders(const std::vector<DeviceHolder>& holders);

}  // namespace talvo::platform
