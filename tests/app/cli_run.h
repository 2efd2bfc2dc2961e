// talvo-cli's commands run inside the test, five hours west of UTC, with the computer's clock
// at 2026-12-06 21:30:00 unless another moment is given.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/cli_app.h"
#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"

namespace talvo::testing {

struct CliRun {
    int code;
    std::string out, err;
};

inline CliRun RunCliAt(const std::vector<std::string>& args,
                       const LocalDateTime& now = {2026, 12, 6, 21, 30, 0}) {
    FakeClock clock(now);
    platform::FixedTimeZone zone(5.0);
    std::ostringstream out, err;
    const int code = RunCli(args, clock, zone, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace talvo::testing
