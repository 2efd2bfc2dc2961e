#include "engine/time_stamps.h"

#include <cstdlib>

#include "engine/text_format.h"
#include "engine/time_scales.h"

namespace talvo {

namespace {

struct StampFields {
    int hour = 0, minute = 0, second = 0, month = 1, day = 1, year = 2000;
};

int Field(const std::string& stamp, std::size_t pos, std::size_t length) {
    if (pos >= stamp.size()) return 0;
    return static_cast<int>(LeadingNumber(stamp.substr(pos, length)));
}

StampFields ReadStamp(const std::string& stamp) {
    StampFields f;
    f.hour = Field(stamp, 0, 2);
    f.minute = Field(stamp, 2, 2);
    f.second = Field(stamp, 4, 2);
    f.month = Field(stamp, 6, 2);
    f.day = Field(stamp, 8, 2);
    f.year = Field(stamp, 10, 4);
    return f;
}

std::string WriteStamp(const StampFields& f) {
    return TwoDigits(f.hour) + TwoDigits(f.minute) + TwoDigits(f.second) + TwoDigits(f.month) +
           TwoDigits(f.day) + FormatFixed(f.year, 4, 0);
}

int MonthLength(int month, bool leapYear) {
    if (month < 1 || month > 12) return 31;
    if (month == 2 && !leapYear) return 28;
    return kDaysInMonth[month];
}

}  // namespace

std::string StampAdd(const std::string& stamp, int days, int hours, int minutes, int seconds, bool leapYear) {
    StampFields f = ReadStamp(stamp);
    f.second += seconds;
    f.minute += f.second / 60;
    f.second %= 60;
    f.minute += minutes;
    f.hour += f.minute / 60;
    f.minute %= 60;
    f.hour += hours;
    f.day += f.hour / 24;
    f.hour %= 24;
    f.day += days;
    // A loop, not a single step, so that a shift of more than a month still lands on a real date.
    while (f.day > MonthLength(f.month, leapYear)) {
        f.day -= MonthLength(f.month, leapYear);
        f.month += 1;
        if (f.month > 12) {
            f.month -= 12;
            f.year += 1;
        }
    }
    return WriteStamp(f);
}

std::string StampSubtract(const std::string& stamp, int days, int hours, int minutes, int seconds,
                          bool leapYear) {
    StampFields f = ReadStamp(stamp);
    f.second -= seconds;
    while (f.second < 0) {
        f.second += 60;
        f.minute -= 1;
    }
    f.minute -= minutes;
    while (f.minute < 0) {
        f.minute += 60;
        f.hour -= 1;
    }
    f.hour -= hours;
    while (f.hour < 0) {
        f.hour += 24;
        f.day -= 1;
    }
    f.day -= days;
    while (f.day < 1) {
        f.month -= 1;
        if (f.month < 1) {
            f.month = 12;
            f.year -= 1;
        }
        f.day += MonthLength(f.month, leapYear);
    }
    return WriteStamp(f);
}

std::string StampNow(const ClockState& clock, int hours, int minutes) {
    std::string now = clock.hourText() + clock.minuteText() + clock.secondText() + clock.monthText() +
                      clock.dayText() + clock.yearText();
    int total = hours * 60 + minutes;
    if (total >= 0) return StampAdd(now, 0, total / 60, total % 60, 0, clock.leapYear);
    return StampSubtract(now, 0, -total / 60, -total % 60, 0, clock.leapYear);
}

}  // namespace talvo
