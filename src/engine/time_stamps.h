// Time stamps: 14 digits "hhmmssMMDDYYYY" (hours, minutes, seconds, month, day, year), as the
// transient catalogs and the trace tables name moments.
#pragma once

#include <string>

#include "engine/clock_state.h"

namespace talvo {

// The stamp moved later by the given counts (each 0 or more). A day past the end of its month
// rolls into the next month and year. February has 28 days unless `leapYear` (the flag of the
// present date, ClockState.leapYear) is set. Unreadable fields read as 0.
std::string StampAdd(const std::string& stamp, int days, int hours, int minutes, int seconds, bool leapYear);

// The mirror image of StampAdd: the stamp moved earlier.
std::string StampSubtract(const std::string& stamp, int days, int hours, int minutes, int seconds,
                          bool leapYear);

// The stamp of the clock's local date and time moved by `hours` and `minutes`, later when
// positive and earlier when negative. The minutes carry their own sign, so an offset of
// -0 h 30 m is StampNow(clock, 0, -30); callers pass the signed parts of an offset.
std::string StampNow(const ClockState& clock, int hours, int minutes);

}  // namespace talvo
