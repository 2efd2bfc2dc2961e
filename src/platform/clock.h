// The system clock as the program sees it: the local civil date and time.
#pragma once

namespace talvo::platform {

// A local civil moment, as the operating system's clock and time zone give it.
struct LocalDateTime {
    int year = 2000;  // four digits
    int month = 1;    // 1-12
    int day = 1;      // 1-31
    int hour = 0;     // 0-23
    int minute = 0;   // 0-59
    int second = 0;   // 0-59 (a leap second is reported as 59)
};

// Source of the present local moment. The program uses SystemClock; tests use a fixed moment.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
};

// The computer's clock (local time of the process's time zone).
class SystemClock final : public Clock {
public:
    LocalDateTime Now() const override;
};

}  // namespace talvo::platform
