// Time scales: UT, Julian date, days since 1975, local sidereal time and the epoch of date.
//
// Everything is computed in UT; there is no Delta-T. The day counts are exact from 1980 to 2199
// (the range the date entry accepts); 2100 is a common year.
#pragma once

#include <array>

#include "engine/clock_state.h"
#include "engine/observer_site.h"

namespace talvo {

// Days before the first of each month in a common year; entry 0 is 0, months are 1-12.
inline constexpr std::array<int, 13> kDaysBeforeMonth = {0,   0,   31,  59,  90,  120, 151,
                                                         181, 212, 243, 273, 304, 334};

// Days of each month, February with 29 (date entry and the time stamps use it); index 1-12.
inline constexpr std::array<int, 13> kDaysInMonth = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Reads the local date and time of `clock` and the site's UTC offset (hours, west positive,
// UT = local + offset) and longitude (whole degrees and minutes, west positive; the sign of
// `site.longitude` tells -0 deg 30' from +0 deg 30'). Overwrites every derived field of `clock`
// except daysSince1975 and the zone letters. Returns false, changing nothing, when the month
// is outside 1-12 (the date entry and the clock reader never produce one).
bool CalcTime(ClockState& clock, const ObserverSite& site);

// Days since 1975 January 0.0 UT (1975 January 1, 0 h UT is 1.0), for the Sun and the Moon.
// Uses utHour and the day flags of the last CalcTime, which must have run first; seconds are
// not counted. Returns false, changing nothing, when the month is outside 1-12.
bool CalcDays1975(ClockState& clock);

}  // namespace talvo
