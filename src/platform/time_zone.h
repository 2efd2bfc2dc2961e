// The time zone of the computer, in the shape the program's time-zone rules expect.
#pragma once

namespace talvo::platform {

// Biases are minutes to ADD to local time to obtain UTC (so west of Greenwich is positive):
// UTC = local + bias + (standardBias or daylightBias, whichever is in force).
struct ZoneInformation {
    enum State { Unknown = 0, Standard = 1, Daylight = 2, Invalid = -1 };
    State state = Unknown;  // Unknown: the zone has no daylight saving time
    long bias = 0;          // minus the zone's standard UTC offset, minutes
    long standardBias = 0;  // added to bias while standard time is in force, minutes
    long daylightBias = 0;  // added to bias while daylight time is in force (usually -60), minutes
};

class TimeZone {
public:
    virtual ~TimeZone() = default;
    virtual ZoneInformation Query() const = 0;
};

// The zone of the process (TZ, /etc/localtime) through the C library.
class SystemTimeZone final : public TimeZone {
public:
    ZoneInformation Query() const override;
};

}  // namespace talvo::platform
