#include "platform/desktop_launcher.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/start_program.h"

namespace talvo::platform {

namespace {

constexpr const char* kEntryName = "talvo.desktop";
constexpr const char* kIconName = "talvo.svg";

std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

std::string WithoutSlash(std::string dir) {
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

bool IsDirectory(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

// Well-formed UTF-8 with no control character: what an entry's string values may hold.
bool Writable(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (byte < 0x20 || byte == 0x7F) return false;
            ++i;
            continue;
        }
        // The number of continuation bytes a lead byte announces; -1 for a byte that leads nothing.
        const int follow = byte >= 0xC2 && byte <= 0xDF   ? 1
                           : byte >= 0xE0 && byte <= 0xEF ? 2
                           : byte >= 0xF0 && byte <= 0xF4 ? 3
                                                          : -1;
        if (follow < 0 || i + static_cast<std::size_t>(follow) >= text.size()) return false;
        for (int k = 1; k <= follow; ++k) {
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        }
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

// A string value of the entry: a backslash is written as two.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') out += '\\';
        out += c;
    }
    return out;
}

// The program of the Exec key: quoted when it holds a character the key reserves, with '"',
// '`', '$' and '\' escaped inside the quotes; '%' is doubled (a field code otherwise).
std::string ExecProgram(const std::string& path) {
    std::string program;
    bool quote = false;
    for (char c : path) {
        if (std::strchr(" \t\"'\\><~|&;$*?#()`", c) != nullptr) quote = true;
        if (c == '"' || c == '`' || c == '$' || c == '\\') program += '\\';
        program += c == '%' ? std::string("%%") : std::string(1, c);
    }
    return quote ? "\"" + program + "\"" : program;
}

LauncherStatus Failed(LauncherStatus status, LauncherStatus::Failure failure, const std::string& folder,
                      std::string reason) {
    status.failure = failure;
    status.folder = WithoutSlash(folder);
    status.reason = std::move(reason);
    return status;
}

// The failure of a folder a file cannot be written into; nothing when writing can be tried.
std::optional<LauncherStatus> FolderFailure(const LauncherStatus& status, const std::string& folder) {
    if (!IsDirectory(folder))
        return Failed(status, LauncherStatus::Failure::kFolderMissing, folder, std::strerror(ENOENT));
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return Failed(status, LauncherStatus::Failure::kPermissionDenied, folder, std::strerror(EACCES));
    return std::nullopt;
}

}  // namespace

std::string ChooseDesktopFolder(const std::optional<std::string>& xdgAnswer, const std::string& home,
                                const std::function<bool(const std::string&)>& isDirectory) {
    if (xdgAnswer) {
        std::string answer = *xdgAnswer;
        while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r')) answer.pop_back();
        if (!answer.empty() && answer.front() == '/' && WithoutSlash(answer) != WithoutSlash(home) &&
            isDirectory(answer)) {
            return WithSlash(answer);
        }
    }
    if (!home.empty() && isDirectory(WithSlash(home) + "Desktop")) return WithSlash(home) + "Desktop/";
    return {};
}

LauncherPlaces CurrentLauncherPlaces() {
    const char* homeVariable = std::getenv("HOME");
    const std::string home = homeVariable != nullptr ? homeVariable : "";
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::string dataHome;
    if (xdg != nullptr && xdg[0] == '/') {
        dataHome = WithSlash(xdg);
    } else if (!home.empty()) {
        dataHome = WithSlash(home) + ".local/share/";
    }
    LauncherPlaces places;
    if (!dataHome.empty()) {
        places.applicationsDir = dataHome + "applications/";
        places.iconsDir = dataHome + "icons/hicolor/scalable/apps/";
    }
    places.desktopDir = ChooseDesktopFolder(ProgramOutput({"xdg-user-dir", "DESKTOP"}), home, IsDirectory);
    return places;
}

std::string RunningExecutable() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.string();
}

std::optional<std::string> DesktopEntryText(const std::string& executable, const std::string& workingDir) {
    if (executable.empty() || !Writable(executable) || !Writable(workingDir)) return std::nullopt;
    std::string text =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Version=1.0\n"
        "Name=TALVO\n"
        "GenericName=Telescope Companion\n"
        "Comment=Where the chosen object stands in the sky, for the observer at a small telescope\n"
        "Icon=talvo\n";
    text += "Exec=" + Escaped(ExecProgram(executable)) + "\n";
    if (!workingDir.empty()) text += "Path=" + Escaped(workingDir) + "\n";
    text +=
        "Terminal=false\n"
        "StartupNotify=true\n"
        "Categories=Education;Astronomy;\n"
        "Keywords=astronomy;telescope;sky;night;\n";
    return text;
}

LauncherStatus InstallLauncher(const LauncherPlaces& places, const std::string& executable,
                               const std::string& workingDir, const std::string& iconSource) {
    LauncherStatus status;
    const std::optional<std::string> entry = DesktopEntryText(executable, workingDir);
    if (!entry)
        return Failed(status, LauncherStatus::Failure::kNoExecutable, executable, "not a usable path");
    if (places.applicationsDir.empty())
        return Failed(status, LauncherStatus::Failure::kFolderMissing, "~/.local/share/applications",
                      "no home");

    std::error_code error;
    std::filesystem::create_directories(places.applicationsDir, error);
    std::filesystem::create_directories(places.iconsDir, error);
    for (const std::string& folder : {places.applicationsDir, places.iconsDir}) {
        if (auto failure = FolderFailure(status, folder)) return *failure;
    }
    status.entryPath = places.applicationsDir + kEntryName;
    if (const FileWriteStatus written = WriteFileAtomically(status.entryPath, *entry); !written.ok)
        return Failed(status, LauncherStatus::Failure::kOther, places.applicationsDir, written.reason);
    if (const FileWriteStatus copied = CopyFileAtomically(iconSource, places.iconsDir + kIconName);
        !copied.ok)
        return Failed(status, LauncherStatus::Failure::kOther, places.iconsDir, copied.reason);

    if (places.desktopDir.empty()) return status;
    if (auto failure = FolderFailure(status, places.desktopDir)) return *failure;
    const std::string copy = places.desktopDir + kEntryName;
    if (const FileWriteStatus written = WriteFileAtomically(copy, *entry); !written.ok)
        return Failed(status, LauncherStatus::Failure::kOther, places.desktopDir, written.reason);
    if (::chmod(copy.c_str(), 0755) != 0)
        return Failed(status, LauncherStatus::Failure::kOther, places.desktopDir, std::strerror(errno));
    status.desktopPath = copy;
    return status;
}

}  // namespace talvo::platform
