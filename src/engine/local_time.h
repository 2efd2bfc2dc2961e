// Value types of the local civil time and of the computer's time zone. The operating-system
// adapters fill them; the time scales and the zone rules read them.
#pragma once

namespace talvo {

// A local civil moment, as the computer's clock and time zone give it.
struct LocalDateTime {
    int year = 2000;  // four digits
    int month = 1;    // 1-12
    int day = 1;      // 1-31
    int hour = 0;     // 0-23
    int minute = 0;   // 0-59
    int second = 0;   // 0-59 (a leap second is reported as 59)
};

// The time zone in force. Biases are minutes to ADD to local time to obtain UTC (so west of
// Greenwich is positive): UTC = local + bias + (standardBias or daylightBias, whichever is in
// force).
struct ZoneInformation {
    enum State { Unknown = 0, Standard = 1, Daylight = 2, Invalid = -1 };
    State state = Unknown;  // Unknown: the zone has no daylight saving time
    long bias = 0;          // minus the zone's standard UTC offset, minutes
    long standardBias = 0;  // added to bias while standard time is in force, minutes
    long daylightBias = 0;  // added to bias while daylight time is in force (usually -60), minutes
};

}  // namespace talvo
