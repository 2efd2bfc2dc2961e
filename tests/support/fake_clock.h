// A clock that shows the moment the test sets and moves only when the test moves it.
#pragma once

#include <ctime>

#include "platform/clock.h"

namespace talvo::testing {

class FakeClock final : public platform::Clock {
public:
    explicit FakeClock(const LocalDateTime& moment = {}) : moment_(moment) {}
    LocalDateTime Now() const override { return moment_; }
    void Set(const LocalDateTime& moment) { moment_ = moment; }

    // Moves the moment by whole seconds, either way, through the calendar.
    void Advance(long seconds) {
        std::tm t{};
        t.tm_year = moment_.year - 1900;
        t.tm_mon = moment_.month - 1;
        t.tm_mday = moment_.day;
        t.tm_hour = moment_.hour;
        t.tm_min = moment_.minute;
        t.tm_sec = moment_.second;
        std::time_t shifted = timegm(&t) + seconds;
        gmtime_r(&shifted, &t);
        moment_ = {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
    }

private:
    LocalDateTime moment_;
};

}  // namespace talvo::testing
