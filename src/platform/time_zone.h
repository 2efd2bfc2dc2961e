// The time zone of the computer, in the shape the program's time-zone rules expect.
#pragma once

#include "engine/local_time.h"

namespace talvo::platform {

class TimeZone {
public:
    virtual ~TimeZone() = default;
    virtual ZoneInformation Query() const = 0;
};

// The zone of the process (TZ, /etc/localtime) through the C library.
class SystemTimeZone final : public TimeZone {
public:
    ZoneInformation Query() const override;
};

}  // namespace talvo::platform
