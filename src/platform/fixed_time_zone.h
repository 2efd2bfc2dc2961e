// A time zone with a fixed UTC offset and no daylight saving time, for the command-line
// companion's --utc-offset and for tests.
#pragma once

#include <cmath>

#include "platform/time_zone.h"

namespace talvo::platform {

class FixedTimeZone final : public TimeZone {
public:
    // `hoursWest`: hours to add to local time to get UTC (Eastern Standard Time is +5).
    explicit FixedTimeZone(double hoursWest) { info_.bias = std::lround(hoursWest * 60.0); }
    explicit FixedTimeZone(const ZoneInformation& info) : info_(info) {}
    ZoneInformation Query() const override { return info_; }

private:
    ZoneInformation info_;
};

}  // namespace talvo::platform
