#include "app/startup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/fixed_time_zone.h"
#include "support/scoped_env.h"

namespace talvo {
namespace {

namespace fs = std::filesystem;

// A scratch program directory named by TALVO_DIR for the life of the object.
class ProgramDir {
public:
    ProgramDir() {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ProgramDir() { fs::remove_all(path_); }

    std::string path() const { return path_.string() + "/"; }
    void Add(const char* name) const { std::ofstream(path_ / name) << "M31\r\n"; }

private:
    fs::path path_ = fs::temp_directory_path() / ("talvo-start-" + std::to_string(::getpid()));
    testing::ScopedEnv env_{"TALVO_DIR", path_.string()};
};

TEST(StartSession, DirectoriesZoneAndDateOrder) {
    ProgramDir dir;
    ZoneInformation info;
    info.state = ZoneInformation::Daylight;
    info.bias = 300;
    info.daylightBias = -60;
    SessionState state;
    ASSERT_TRUE(StartSession(state, platform::FixedTimeZone(info)).programDirFound);

    EXPECT_EQ(state.appDir, dir.path());
    EXPECT_EQ(state.dataDir, dir.path());  // TALVO_DIR is both folders
    EXPECT_EQ(state.catalogFolder, dir.path());
    EXPECT_EQ(state.transientDir, state.appDir + "TransientCats/");
    EXPECT_TRUE(fs::is_directory(state.transientDir));
    EXPECT_FLOAT_EQ(state.site.utcOffsetHours, 4.0f);
    EXPECT_EQ(std::string({state.clock.zoneLetter1, state.clock.zoneLetter2, state.clock.zoneLetter3}),
              "EDT");
    EXPECT_TRUE(state.clock.realTime && !state.clock.usDateOrder);  // the default site, 0 N 0 W

    // A second start finds the transient folder already there.
    SessionState again;
    EXPECT_TRUE(StartSession(again, platform::FixedTimeZone(5.0)).programDirFound);
}

// The status line starts with a hint that depends on whether the sky-chart program is installed,
// unless the default catalog is missing beside the program, which matters more.
TEST(StartSession, StatusLineShowsAHintOrTheMissingCatalog) {
    ProgramDir dir;
    testing::ScopedEnv path("PATH", dir.path());
    testing::ScopedEnv notNamed("TALVO_SKYCHART_DIR", std::nullopt);
    auto status = [] {
        SessionState state;
        return StartSession(state, platform::FixedTimeZone(5.0)).status;
    };
    EXPECT_EQ(status(), "CANNOT OPEN CATALOG FULL.TLV (looked for in " + dir.path() + ")");

    dir.Add("FULL.TLV");
    EXPECT_NE(status().find("If you install the 'Skycharts' program"), std::string::npos);
    testing::ScopedEnv named("TALVO_SKYCHART_DIR", dir.path());
    EXPECT_NE(status().find("keyboard shortcuts"), std::string::npos);
}

}  // namespace
}  // namespace talvo
