// The program's launcher for the desktop: a freedesktop entry in the user's applications menu,
// a copy of it on the desktop, and the program's icon in the user's hicolor icon theme.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace talvo::platform {

// Where the launcher's files go; each folder ends in "/".
struct LauncherPlaces {
    std::string applicationsDir;  // $XDG_DATA_HOME/applications/ (default ~/.local/share/applications/)
    std::string iconsDir;         // $XDG_DATA_HOME/icons/hicolor/scalable/apps/
    std::string desktopDir;       // the desktop folder; empty when there is none
};

// The desktop folder from the answer of `xdg-user-dir DESKTOP` (nothing when it could not be
// asked): taken when it is a folder other than the home folder itself (which xdg-user-dir names
// when no desktop is configured); otherwise $HOME/Desktop when that is a folder; otherwise none.
std::string ChooseDesktopFolder(const std::optional<std::string>& xdgAnswer, const std::string& home,
                                const std::function<bool(const std::string&)>& isDirectory);

// The places for this process's user: XDG_DATA_HOME when it is an absolute path, else
// $HOME/.local/share; the desktop as ChooseDesktopFolder decides, asking `xdg-user-dir`.
LauncherPlaces CurrentLauncherPlaces();

// The absolute path of the running executable; empty when it cannot be found.
std::string RunningExecutable();

// The text of the desktop entry that starts `executable` (an absolute path, or a name found on
// PATH) in the folder `workingDir` (empty: none given). Nothing when a path cannot be written in
// an entry (it is not UTF-8 or holds a control character).
std::optional<std::string> DesktopEntryText(const std::string& executable, const std::string& workingDir);

struct LauncherStatus {
    enum class Failure { kNone, kNoExecutable, kFolderMissing, kPermissionDenied, kOther };
    Failure failure = Failure::kNone;
    std::string folder;       // the folder a file could not be written to
    std::string reason;       // the system's words for the failure
    std::string entryPath;    // the menu entry written
    std::string desktopPath;  // the desktop's copy written; empty when there is no desktop folder
    [[nodiscard]] bool ok() const { return failure == Failure::kNone; }
};

// Writes the menu entry talvo.desktop, the icon talvo.svg (copied from `iconSource`) and, when
// there is a desktop folder, a copy of the entry there, executable as desktops want a trusted
// launcher to be. Every file is replaced whole. Stops at the first file that cannot be written.
[[nodiscard]] LauncherStatus InstallLauncher(const LauncherPlaces& places, const std::string& executable,
                                             const std::string& workingDir, const std::string& iconSource);

}  // namespace talvo::platform
