// The clock of the session: the local moment in use and the time scales derived from it.
#pragma once

#include <string>

#include "engine/local_time.h"

namespace talvo {

struct ClockState {
    // Set: follows the system clock every tick. Clear: a fictitious moment set by the observer,
    // which stands still until changed.
    bool realTime = true;

    // The local civil date and time in use.
    int day = 1, month = 1, year = 2000;
    int hour = 0, minute = 0, second = 0;

    bool usDateOrder = false;  // dates show month-day-year; clear: day-month-year

    // The local zone's abbreviation, one letter each (GetZoneName).
    char zoneLetter1 = 'U', zoneLetter2 = 'N', zoneLetter3 = 'K';

    // --- Derived by CalcTime (every field below is overwritten on every call) ---
    double utHour = 0.0;             // UT hour of day = offset + local hour, after the day shift
    bool utNextDay = false;          // the UT date is the day after the local date
    bool utPreviousDay = false;      // the UT date is the day before the local date
    char utDayMark = ' ';            // ' ' same day, '+' next day, '-' previous day
    std::string utText = "00:00";    // UT "hh:mm"
    double julianDate = 0.0;         // Julian date of the instant, UT (no Delta-T)
    double localSiderealTime = 0.0;  // hours, 0 to 24
    int lstHours = 0, lstMinutes = 0, lstSeconds = 0;
    int epochOfDate = 2000;  // the year, or the year + 1 after June
    bool leapYear = false;
    int utcOffsetWholeHours = 0;  // Fix(offset), toward zero
    int utcOffsetMinutes = 0;     // |60 x fractional part of the offset|, rounded

    // --- Derived by CalcDays1975 ---
    double daysSince1975 = 0.0;  // days since 1975 January 0.0 UT, with the day's fraction

    // The date and time as the two- and four-digit texts the window shows.
    std::string dayText() const;
    std::string monthText() const;
    std::string yearText() const;
    std::string hourText() const;
    std::string minuteText() const;
    std::string secondText() const;

    // Copies a local moment into the date and time fields.
    void SetMoment(const LocalDateTime& moment);
    LocalDateTime Moment() const { return {year, month, day, hour, minute, second}; }
};

}  // namespace talvo
