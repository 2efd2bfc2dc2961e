#include <gtest/gtest.h>

#include <ctime>
#include <tuple>

#include "platform/time_zone.h"
#include "support/scoped_env.h"

namespace talvo::platform {
namespace {

// Without daylight saving the state is unknown. With it, the standard offset is that of the
// half of the year without daylight time, in the north and in the south; the state depends on
// today's date, so it is compared with the C library's.
TEST(SystemTimeZone, BiasAndStateNorthAndSouth) {
    std::time_t now = std::time(nullptr);
    for (auto [tz, bias, daylightSaving] : {std::tuple{"UTC0", 0L, false},
                                            {"<+0530>-5:30", -330L, false},
                                            {"<-0930>9:30", 570L, false},
                                            {"EST5EDT,M3.2.0,M11.1.0", 300L, true},
                                            {"AEST-10AEDT,M10.1.0,M4.1.0/3", -600L, true}}) {
        talvo::testing::ScopedEnv zone("TZ", tz);
        ZoneInformation info = SystemTimeZone().Query();
        std::tm local{};
        localtime_r(&now, &local);
        EXPECT_EQ(info.bias, bias) << tz;
        EXPECT_EQ(info.standardBias, 0) << tz;
        if (!daylightSaving) {
            EXPECT_EQ(info.state, ZoneInformation::Unknown) << tz;
            continue;
        }
        EXPECT_EQ(info.daylightBias, -60) << tz;
        EXPECT_EQ(info.state, local.tm_isdst > 0 ? ZoneInformation::Daylight : ZoneInformation::Standard)
            << tz;
    }
}

}  // namespace
}  // namespace talvo::platform
