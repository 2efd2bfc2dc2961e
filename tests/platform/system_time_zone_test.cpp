#include <gtest/gtest.h>

#include <ctime>

#include "platform/time_zone.h"
#include "support/scoped_env.h"

namespace talvo::platform {
namespace {

TEST(SystemTimeZone, ZonesWithoutDaylightSaving) {
    struct Case {
        const char* tz;
        long bias;
    } cases[] = {{"UTC0", 0}, {"EST5", 300}, {"<+0530>-5:30", -330}, {"<-0930>9:30", 570}};
    for (const Case& c : cases) {
        talvo::testing::ScopedEnv tz("TZ", c.tz);
        ZoneInformation info = SystemTimeZone().Query();
        EXPECT_EQ(info.bias, c.bias) << c.tz;
        EXPECT_EQ(info.standardBias, 0) << c.tz;
        EXPECT_EQ(info.state, ZoneInformation::Unknown) << c.tz;
    }
}

// The standard offset is that of the half of the year without daylight time, in the north and
// in the south; the state depends on today's date, so it is compared with the C library's.
TEST(SystemTimeZone, ZonesWithDaylightSavingNorthAndSouth) {
    struct Case {
        const char* tz;
        long bias;
    } cases[] = {{"EST5EDT,M3.2.0,M11.1.0", 300}, {"AEST-10AEDT,M10.1.0,M4.1.0/3", -600}};
    for (const Case& c : cases) {
        talvo::testing::ScopedEnv tz("TZ", c.tz);
        ZoneInformation info = SystemTimeZone().Query();
        EXPECT_EQ(info.bias, c.bias) << c.tz;
        EXPECT_EQ(info.standardBias, 0) << c.tz;
        EXPECT_EQ(info.daylightBias, -60) << c.tz;
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        EXPECT_EQ(info.state, local.tm_isdst > 0 ? ZoneInformation::Daylight : ZoneInformation::Standard)
            << c.tz;
    }
}

}  // namespace
}  // namespace talvo::platform
