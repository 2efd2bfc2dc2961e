// The launcher: the entry's text, where its files go, and the check of the desktop's own
// validator.
#include "platform/desktop_launcher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/start_program.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace talvo::platform {
namespace {

using testing::ScopedEnv;
using testing::ScratchDir;

bool IsDir(const std::string& path) { return std::filesystem::is_directory(path); }

// The line of `entry` that starts with `key`.
std::string Line(const std::string& entry, const std::string& key) {
    const std::size_t at = entry.find("\n" + key);
    if (at == std::string::npos) return {};
    return entry.substr(at + 1, entry.find('\n', at + 1) - at - 1);
}

// desktop-file-validate's complaints about the file; empty when it passes without one.
std::string Complaints(const std::string& path) {
    const std::optional<std::string> said = ProgramOutput({"desktop-file-validate", path});
    return said ? *said : "desktop-file-validate failed or is missing (Debian package desktop-file-utils)";
}

TEST(DesktopEntry, QuotesAndEscapesTheProgramsPath) {
    EXPECT_EQ(Line(*DesktopEntryText("/opt/talvo/bin/talvo", ""), "Exec="), "Exec=/opt/talvo/bin/talvo");
    EXPECT_EQ(Line(*DesktopEntryText("/home/ann/My Programs/talvo", ""), "Exec="),
              "Exec=\"/home/ann/My Programs/talvo\"");
    // Inside quotes $ and " are escaped by a backslash, and that backslash is itself doubled in
    // the entry's string; % would start a field code.
    EXPECT_EQ(Line(*DesktopEntryText("/x/$y \"z\"/100%/talvo", ""), "Exec="),
              "Exec=\"/x/\\\\$y \\\\\"z\\\\\"/100%%/talvo\"");
    EXPECT_EQ(Line(*DesktopEntryText("talvo", "/data/obs"), "Path="), "Path=/data/obs");
    EXPECT_EQ(Line(*DesktopEntryText("talvo", ""), "Path="), "");
    EXPECT_FALSE(DesktopEntryText("/opt/a\nb/talvo", "").has_value());
    EXPECT_FALSE(DesktopEntryText("/opt/\xE9t\xE9/talvo", "").has_value());  // Latin-1, not UTF-8
    EXPECT_TRUE(DesktopEntryText("/opt/\xC3\xA9t\xC3\xA9/talvo", "").has_value());
}

TEST(DesktopEntry, TheDesktopFolderIsNeverTheHomeFolderItself) {
    ScratchDir home;
    const std::string homePath = home.path().substr(0, home.path().size() - 1);
    std::filesystem::create_directory(home.File("Bureau"));
    EXPECT_EQ(ChooseDesktopFolder(home.File("Bureau") + "\n", homePath, IsDir), home.File("Bureau") + "/");
    EXPECT_EQ(ChooseDesktopFolder(homePath + "\n", homePath, IsDir), "");  // no desktop configured
    EXPECT_EQ(ChooseDesktopFolder(std::nullopt, homePath, IsDir), "");
    std::filesystem::create_directory(home.File("Desktop"));
    EXPECT_EQ(ChooseDesktopFolder(homePath + "/\n", homePath, IsDir), home.File("Desktop") + "/");
    EXPECT_EQ(ChooseDesktopFolder(std::nullopt, homePath, IsDir), home.File("Desktop") + "/");
    EXPECT_EQ(ChooseDesktopFolder(home.File("Gone") + "\n", homePath, IsDir), home.File("Desktop") + "/");
}

TEST(DesktopEntry, PlacesFollowXdgDataHome) {
    ScratchDir home, data;
    ScopedEnv homeVariable("HOME", home.path());
    {
        ScopedEnv xdg("XDG_DATA_HOME", data.path());
        const LauncherPlaces places = CurrentLauncherPlaces();
        EXPECT_EQ(places.applicationsDir, data.File("applications/"));
        EXPECT_EQ(places.iconsDir, data.File("icons/hicolor/scalable/apps/"));
    }
    ScopedEnv relative("XDG_DATA_HOME", "share");  // only an absolute path counts
    EXPECT_EQ(CurrentLauncherPlaces().applicationsDir, home.File(".local/share/applications/"));
}

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest() {
        std::filesystem::create_directory(home.File("Desktop"));
        icon.Write("talvo.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
        places = {data.File("applications/"), data.File("icons/hicolor/scalable/apps/"),
                  home.File("Desktop/")};
    }

    ScratchDir home, data, icon, program;
    LauncherPlaces places;
};

TEST_F(LauncherTest, WritesTheEntryTheIconAndTheDesktopCopy) {
    const std::string exe = program.File("Night Sky $1/talvo");
    const LauncherStatus made = InstallLauncher(places, exe, program.path() + "work", icon.File("talvo.svg"));
    ASSERT_TRUE(made.ok()) << made.reason;
    EXPECT_EQ(made.entryPath, data.File("applications/talvo.desktop"));
    EXPECT_EQ(made.desktopPath, home.File("Desktop/talvo.desktop"));
    EXPECT_EQ(data.Read("applications/talvo.desktop"), *DesktopEntryText(exe, program.path() + "work"));
    EXPECT_EQ(home.Read("Desktop/talvo.desktop"), data.Read("applications/talvo.desktop"));
    EXPECT_EQ(data.Read("icons/hicolor/scalable/apps/talvo.svg"), icon.Read("talvo.svg"));
    struct stat copy {};
    ASSERT_EQ(::stat(made.desktopPath.c_str(), &copy), 0);
    EXPECT_EQ(copy.st_mode & 0777, 0755u);  // a desktop starts only launchers marked executable
    EXPECT_EQ(Complaints(made.entryPath), "");

    // Made again without a desktop folder, the entry is replaced and no copy is made.
    places.desktopDir.clear();
    const LauncherStatus again = InstallLauncher(places, "/usr/bin/talvo", "", icon.File("talvo.svg"));
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.desktopPath, "");
    EXPECT_EQ(Line(data.Read("applications/talvo.desktop"), "Exec="), "Exec=/usr/bin/talvo");
}

TEST_F(LauncherTest, FailuresNameTheFolder) {
    places.desktopDir = home.File("Gone/");
    LauncherStatus made = InstallLauncher(places, "/usr/bin/talvo", "", icon.File("talvo.svg"));
    EXPECT_EQ(made.failure, LauncherStatus::Failure::kFolderMissing);
    EXPECT_EQ(made.folder, home.File("Gone"));

    made = InstallLauncher(places, "/usr/bin/talvo", "", icon.File("missing.svg"));
    EXPECT_EQ(made.failure, LauncherStatus::Failure::kOther);
    EXPECT_EQ(made.folder, data.File("icons/hicolor/scalable/apps"));

    made = InstallLauncher(places, "/opt/bad\tname/talvo", "", icon.File("talvo.svg"));
    EXPECT_EQ(made.failure, LauncherStatus::Failure::kNoExecutable);
}

}  // namespace
}  // namespace talvo::platform
