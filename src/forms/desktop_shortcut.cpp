#include "forms/desktop_shortcut.h"

#include "platform/data_dirs.h"

namespace talvo {

std::string ShortcutMessage(const platform::LauncherStatus& status) {
    using Failure = platform::LauncherStatus::Failure;
    switch (status.failure) {
        case Failure::kNone:
            return {};
        case Failure::kFolderMissing:
            return "Path Not Found Error, Desktop Directory = " + status.folder;
        case Failure::kPermissionDenied:
            return "Permission Denied, Desktop Directory = " + status.folder;
        case Failure::kNoExecutable:
            return "Cannot Create Shortcut: the program's own location (" + status.folder +
                   ") cannot be written in a launcher";
        case Failure::kOther:
            break;
    }
    return "Error (" + status.reason + "): Cannot Create Shortcut to Desktop Directory " + status.folder;
}

ShortcutResult CreateDesktopShortcut(const std::string& appDir, const std::string& dataDir) {
    ShortcutResult result;
    std::string workingDir = appDir;
    if (workingDir.size() > 1 && workingDir.back() == '/') workingDir.pop_back();
    result.status =
        platform::InstallLauncher(platform::CurrentLauncherPlaces(), platform::RunningExecutable(),
                                  workingDir, platform::ReadablePath(appDir, dataDir, "talvo.svg"));
    result.message = ShortcutMessage(result.status);
    return result;
}

}  // namespace talvo
