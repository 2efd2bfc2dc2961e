// Setting the computer's clock, which only the system's time service may do: `timedatectl
// set-time` is run, and its refusal is passed on in its own words.
#pragma once

#include <string>

namespace talvo::platform {

struct ClockSetStatus {
    bool ok = false;
    std::string message;  // why the clock was not set, in the system's words; empty when set
};

// Sets the clock to a UTC date and time (year four digits, month 1-12, day 1-31, hour 0-23,
// minute 0-59, second 0-59) by running `program` (found on PATH) with the arguments
// set-time "YYYY-MM-DD HH:MM:SS" and the environment's TZ replaced by UTC, so that the time is
// taken as UTC. No shell is involved.
[[nodiscard]] ClockSetStatus SetSystemClockUtc(int year, int month, int day, int hour, int minute, int second,
                                               const std::string& program = "timedatectl");

}  // namespace talvo::platform
