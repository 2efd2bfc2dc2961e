#include <ctime>

#include "platform/time_zone.h"

namespace talvo::platform {

namespace {

// Local time of `when`; false when the C library cannot convert it.
bool LocalAt(std::time_t when, std::tm& out) { return localtime_r(&when, &out) != nullptr; }

// The moment of the given month's 1st, noon UTC, in the year of `now`.
std::time_t MidMonth(const std::tm& now, int month) {
    std::tm t{};
    t.tm_year = now.tm_year;
    t.tm_mon = month;
    t.tm_mday = 1;
    t.tm_hour = 12;
    return timegm(&t);
}

}  // namespace

// The zone's standard offset is taken from January or July of the present year, whichever
// is not in daylight time (southern zones keep daylight time in January). Daylight time is in
// force when the C library says so for the present moment.
ZoneInformation SystemTimeZone::Query() const {
    ZoneInformation info;
    std::time_t now = std::time(nullptr);
    std::tm nowLocal{};
    if (!LocalAt(now, nowLocal)) {
        info.state = ZoneInformation::Invalid;
        return info;
    }
    std::tm january{}, july{};
    bool haveJan = LocalAt(MidMonth(nowLocal, 0), january);
    bool haveJul = LocalAt(MidMonth(nowLocal, 6), july);
    long standardEastSeconds = nowLocal.tm_gmtoff;
    long daylightEastSeconds = nowLocal.tm_gmtoff;
    bool zoneHasDaylight = false;
    if (haveJan && haveJul && january.tm_isdst != july.tm_isdst) {
        zoneHasDaylight = true;
        const std::tm& standard = january.tm_isdst > 0 ? july : january;
        const std::tm& daylight = january.tm_isdst > 0 ? january : july;
        standardEastSeconds = standard.tm_gmtoff;
        daylightEastSeconds = daylight.tm_gmtoff;
    } else if (nowLocal.tm_isdst > 0) {
        zoneHasDaylight = true;  // daylight all year, or a rule the two probes missed
        standardEastSeconds = nowLocal.tm_gmtoff - 3600;
    }
    info.bias = -standardEastSeconds / 60;
    info.standardBias = 0;
    info.daylightBias = -(daylightEastSeconds - standardEastSeconds) / 60;
    if (!zoneHasDaylight) {
        info.state = ZoneInformation::Unknown;
    } else {
        info.state = nowLocal.tm_isdst > 0 ? ZoneInformation::Daylight : ZoneInformation::Standard;
    }
    return info;
}

}  // namespace talvo::platform
