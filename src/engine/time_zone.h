// The computer's time zone as the session uses it: UTC offset, daylight time, zone letters.
#pragma once

#include "engine/clock_state.h"
#include "engine/local_time.h"
#include "engine/observer_site.h"

namespace talvo {

// The UTC offset in force now, hours WEST positive, daylight saving included (single precision,
// as the site stores it). Also sets site.standardOffsetHours from the zone's plain bias. A zone
// the system cannot report is treated as standard time.
float GetUtcOffset(ObserverSite& site, const ZoneInformation& zone);

// True exactly when the system reports daylight time in force.
bool IsDaylightTime(const ZoneInformation& zone);

// Sets the three zone letters from the standard offset (rounded down to whole hours) and the
// daylight state; site.noDaylightSaving keeps the standard form. Unknown offsets give "UNK".
void GetZoneName(ClockState& clock, const ObserverSite& site, const ZoneInformation& zone);

}  // namespace talvo
