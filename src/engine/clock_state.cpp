#include "engine/clock_state.h"

#include "engine/text_format.h"

namespace talvo {

std::string ClockState::dayText() const { return TwoDigits(day); }
std::string ClockState::monthText() const { return TwoDigits(month); }
std::string ClockState::yearText() const { return FormatFixed(year, 4, 0); }
std::string ClockState::hourText() const { return TwoDigits(hour); }
std::string ClockState::minuteText() const { return TwoDigits(minute); }
std::string ClockState::secondText() const { return TwoDigits(second); }

void ClockState::SetMoment(const LocalDateTime& moment) {
    year = moment.year;
    month = moment.month;
    day = moment.day;
    hour = moment.hour;
    minute = moment.minute;
    second = moment.second;
}

}  // namespace talvo
