// The places a folder list starts from: the filesystem root, the user's home and mounted media.
#pragma once

#include <string>
#include <vector>

namespace talvo::platform {

// "/" first, then the home folder ($HOME), then the folders under /media/<user>,
// /run/media/<user> and /mnt, each ending in "/". Places that do not exist are left out.
std::vector<std::string> DriveList();

}  // namespace talvo::platform
