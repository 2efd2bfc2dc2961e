#include "app/startup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/fixed_time_zone.h"
#include "support/scoped_env.h"

namespace talvo {
namespace {

namespace fs = std::filesystem;

TEST(StartSession, DirectoriesZoneAndDateOrder) {
    fs::path dir = fs::temp_directory_path() / ("talvo-start-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    {
        testing::ScopedEnv talvoDir("TALVO_DIR", dir.string());
        ZoneInformation info;
        info.state = ZoneInformation::Daylight;
        info.bias = 300;
        info.daylightBias = -60;
        SessionState state;
        ASSERT_TRUE(StartSession(state, platform::FixedTimeZone(info)));

        EXPECT_EQ(state.appDir, dir.string() + "/");
        EXPECT_EQ(state.transientDir, state.appDir + "TransientCats/");
        EXPECT_TRUE(fs::is_directory(state.transientDir));
        EXPECT_FLOAT_EQ(state.site.utcOffsetHours, 4.0f);
        EXPECT_EQ(std::string({state.clock.zoneLetter1, state.clock.zoneLetter2, state.clock.zoneLetter3}),
                  "EDT");
        EXPECT_TRUE(state.clock.realTime && !state.clock.usDateOrder);  // the default site, 0 N 0 W

        // A second start finds the transient folder already there.
        SessionState again;
        EXPECT_TRUE(StartSession(again, platform::FixedTimeZone(5.0)));
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace talvo
