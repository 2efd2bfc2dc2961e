#include "engine/time_scales.h"

#include <cmath>

#include "engine/numeric.h"
#include "engine/text_format.h"

namespace talvo {

namespace {

// Julian date of 1980 January 1.0 UT, the origin of the day count D.
constexpr double kJulianDate1980 = 2444239.5;

// Greenwich sidereal time at 1980 January 1, 0 h UT, in hours, and the sidereal gain per
// solar day (hours): GST0 = 6.65438028 + 0.06570983 D.
constexpr double kGst1980Hours = 6.65438028;
constexpr double kSiderealGainPerDay = 0.06570983;

bool IsValidMonth(int month) { return month >= 1 && month <= 12; }

// Whole days from 1980 January 1.0 UT to 0 h UT of the UT date; also sets the leap-year flag.
int DaysSince1980(ClockState& clock) {
    int year = clock.year;
    int d = clock.day + kDaysBeforeMonth[clock.month] + 365 * (year - 1980) +
            static_cast<int>(Int((year - 1980) / 4.0));
    if (year % 4 == 0) {
        clock.leapYear = true;
        if (clock.month < 3) d -= 1;
    } else {
        clock.leapYear = false;
    }
    if (clock.utNextDay) d += 1;
    if (clock.utPreviousDay) d -= 1;
    if (year > 2100) d -= 1;
    if (year == 2100) {
        clock.leapYear = false;
        if (clock.month > 2) d -= 1;
    }
    return d;
}

double ReduceHours(double lst) {
    while (lst > 240.0) lst -= 240.0;
    while (lst >= 24.0) lst -= 24.0;  // 24:00:00 is 00:00:00
    while (lst < -24.0) lst += 24.0;
    if (lst < 0.0) lst += 24.0;
    return lst;
}

}  // namespace

bool CalcTime(ClockState& clock, const ObserverSite& site) {
    if (!IsValidMonth(clock.month)) return false;
    clock.utNextDay = false;
    clock.utPreviousDay = false;
    clock.utDayMark = ' ';
    clock.epochOfDate = clock.month > 6 ? clock.year + 1 : clock.year;

    const double offset = site.utcOffsetHours;  // single precision, as stored
    clock.utHour = offset + clock.hour;
    double m = clock.minute + 60.0 * clock.utHour;  // minutes of the UT day, seconds left out
    if (m >= 1440.0) {
        clock.utHour -= 24.0;
        m -= 1440.0;
        clock.utNextDay = true;
        clock.utDayMark = '+';
    }
    if (m < 0.0) {
        clock.utHour += 24.0;
        m += 1440.0;
        clock.utPreviousDay = true;
        clock.utDayMark = '-';
    }
    double utHours = Int(m / 60.0);
    clock.utText =
        TwoDigits(static_cast<long>(utHours)) + ":" + FormatFixed((m / 60.0 - utHours) * 60.0, 2, 0);

    int d = DaysSince1980(clock);
    clock.julianDate =
        kJulianDate1980 + d + clock.utHour / 24.0 + clock.minute / 1440.0 + clock.second / 86400.0;

    double g0 = kGst1980Hours + kSiderealGainPerDay * d;
    double u = clock.utHour + clock.minute / 60.0 + clock.second / 3600.0;
    double longitudeHours = site.longitude >= 0.0 ? site.lonDegrees / 15.0 + site.lonMinutes / 900.0
                                                  : site.lonDegrees / 15.0 - site.lonMinutes / 900.0;
    double lst = ReduceHours(g0 + u * kSiderealGainPerDay / 24.0 + u - longitudeHours);
    clock.localSiderealTime = lst;
    clock.lstHours = static_cast<int>(Int(lst));
    double f = (lst - Int(lst)) * 60.0;
    clock.lstMinutes = static_cast<int>(Int(f));
    clock.lstSeconds = static_cast<int>(Int(60.0 * (f - Int(f))));

    clock.utcOffsetWholeHours = static_cast<int>(Fix(offset));
    clock.utcOffsetMinutes = static_cast<int>(std::lround(std::fabs(60.0 * (offset - Fix(offset)))));
    return true;
}

bool CalcDays1975(ClockState& clock) {
    if (!IsValidMonth(clock.month)) return false;
    int year = clock.year;
    double d = clock.day + kDaysBeforeMonth[clock.month];
    int y = year - 1975;
    d += 365.0 * y + Int((y + 2) / 4.0);
    if (clock.month >= 3 && year % 4 == 0) d += 1;
    if (clock.month >= 3 && (year == 2100 || year == 2200 || year == 2300)) d -= 1;
    if (year > 2100) d -= 1;
    if (year > 2200) d -= 1;
    if (year > 2300) d -= 1;
    d += clock.utHour / 24.0 + clock.minute / 1440.0;
    if (clock.utNextDay) d += 1;
    if (clock.utPreviousDay) d -= 1;
    clock.daysSince1975 = d;
    return true;
}

}  // namespace talvo
