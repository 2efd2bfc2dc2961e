// The system clock as the program sees it: the local civil date and time.
#pragma once

#include "engine/local_time.h"

namespace talvo::platform {

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
