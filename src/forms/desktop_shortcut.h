// The program's launcher, made at the first run and by `talvo --install-launcher`: the menu
// entry, its icon and a copy on the desktop, with the message for the observer when it failed.
#pragma once

#include <string>

#include "platform/desktop_launcher.h"

namespace talvo {

struct ShortcutResult {
    platform::LauncherStatus status;
    std::string message;  // what the observer is told when the launcher was not made; else empty
};

// Makes the launcher of the running program for this user, starting in `appDir` (the folder
// TALVO writes to), with the icon read from appDir or dataDir as shipped files are.
ShortcutResult CreateDesktopShortcut(const std::string& appDir, const std::string& dataDir);

// The message for a launcher that was not made (empty when it was).
std::string ShortcutMessage(const platform::LauncherStatus& status);

}  // namespace talvo
