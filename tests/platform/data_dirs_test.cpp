// Where TALVO writes and where it reads its shipped data: the decision from the environment,
// the reader's fallback from the writable folder to the data folder, and the listing of both.
#include "platform/data_dirs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace talvo {
namespace {

using platform::DataDirs;
using platform::DirEnvironment;

// An executable in /opt/talvo/bin whose folder is writable or not, beside /opt/talvo/share/talvo.
DirEnvironment Installed(bool writableExeDir) {
    DirEnvironment environment;
    environment.home = "/home/ann";
    environment.exeDir = "/opt/talvo/bin";
    environment.writable = [writableExeDir](const std::string& folder) {
        return writableExeDir && folder == "/opt/talvo/bin/";
    };
    environment.isDirectory = [](const std::string& folder) { return folder == "/opt/talvo/share/talvo/"; };
    return environment;
}

void ExpectDirs(const DataDirs& dirs, const std::string& appDir, const std::string& dataDir) {
    EXPECT_EQ(dirs.appDir, appDir);
    EXPECT_EQ(dirs.dataDir, dataDir);
}

TEST(DecideDataDirs, AWritableProgramFolderHoldsEverything) {
    ExpectDirs(platform::DecideDataDirs(Installed(true)), "/opt/talvo/bin/", "/opt/talvo/bin/");
}

TEST(DecideDataDirs, AnInstalledProgramWritesToTheUsersDataFolderAndReadsShareTalvo) {
    DirEnvironment environment = Installed(false);
    ExpectDirs(platform::DecideDataDirs(environment), "/home/ann/.local/share/talvo/",
               "/opt/talvo/share/talvo/");

    environment.xdgDataHome = "/data/ann";
    ExpectDirs(platform::DecideDataDirs(environment), "/data/ann/talvo/", "/opt/talvo/share/talvo/");
    // A relative XDG_DATA_HOME is not a folder anyone can rely on, and is passed over.
    environment.xdgDataHome = "data";
    EXPECT_EQ(platform::DecideDataDirs(environment).appDir, "/home/ann/.local/share/talvo/");

    // A read-only copy without a share folder keeps its data beside the program.
    environment.isDirectory = [](const std::string&) { return false; };
    ExpectDirs(platform::DecideDataDirs(environment), "/home/ann/.local/share/talvo/", "/opt/talvo/bin/");
    // Without a home folder nothing better than the program's folder is known.
    environment.home.clear();
    environment.xdgDataHome.clear();
    EXPECT_EQ(platform::DecideDataDirs(environment).appDir, "/opt/talvo/bin/");
}

TEST(DecideDataDirs, TalvoDirIsBothFoldersAndAnUnknownProgramFolderIsTheWorkingDirectory) {
    DirEnvironment environment = Installed(false);
    environment.xdgDataHome = "/data/ann";
    environment.talvoDir = "/scratch/t";
    ExpectDirs(platform::DecideDataDirs(environment), "/scratch/t/", "/scratch/t/");

    environment = Installed(false);
    environment.exeDir.clear();
    ExpectDirs(platform::DecideDataDirs(environment), "", "");
}

// The writable folder "own/" and the data folder "share/" of a scratch folder.
class TwoFoldersTest : public ::testing::Test {
protected:
    TwoFoldersTest() {
        std::filesystem::create_directories(appDir);
        std::filesystem::create_directories(dataDir);
    }
    testing::ScratchDir dir;
    std::string appDir = dir.File("own/");
    std::string dataDir = dir.File("share/");
};

TEST_F(TwoFoldersTest, AFileIsReadFromTheWritableFolderFirstThenFromTheDataFolder) {
    EXPECT_EQ(platform::ReadablePath(appDir, dataDir, "TALVO.HOM"), appDir + "TALVO.HOM");  // nowhere
    dir.Write("share/TALVO.HOM", "shipped");
    EXPECT_EQ(platform::ReadablePath(appDir, dataDir, "TALVO.HOM"), dataDir + "TALVO.HOM");
    dir.Write("own/TALVO.HOM", "the observer's");
    EXPECT_EQ(platform::ReadablePath(appDir, dataDir, "TALVO.HOM"), appDir + "TALVO.HOM");
    // A folder of that name is not the file.
    std::filesystem::create_directories(appDir + "FULL.TLV");
    dir.Write("share/FULL.TLV", "");
    EXPECT_EQ(platform::ReadableFolder(appDir, dataDir, "FULL.TLV"), dataDir);
    // An unset data folder is the writable one.
    EXPECT_EQ(platform::ReadableFolder(appDir, "", "FULL.TLV"), appDir);
}

TEST_F(TwoFoldersTest, BothFoldersAreListedEachNameOnce) {
    dir.Write("own/TALVO.HOM", "");
    dir.Write("own/HOME.HOM", "");
    dir.Write("own/notes.txt", "");
    std::filesystem::create_directories(appDir + "DIR.HOM");
    dir.Write("share/TALVO.HOM", "");
    dir.Write("share/AWAY.HOM", "");
    const auto homeFiles = [](const std::string& name) { return name.ends_with(".HOM"); };
    EXPECT_EQ(platform::ListBothFolders(appDir, dataDir, homeFiles),
              (std::vector<std::string>{"AWAY.HOM", "HOME.HOM", "TALVO.HOM"}));
    EXPECT_EQ(platform::ListBothFolders(appDir, appDir, homeFiles),
              (std::vector<std::string>{"HOME.HOM", "TALVO.HOM"}));
    EXPECT_EQ(platform::ListBothFolders(appDir, "", homeFiles),
              (std::vector<std::string>{"HOME.HOM", "TALVO.HOM"}));
}

}  // namespace
}  // namespace talvo
