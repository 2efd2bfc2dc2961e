// The site and clock the simulated hand control reports: where it stands, its UTC offset, the
// time its GPS unit takes to find a fix, and the UTC clock it reads.
#pragma once

#include <cstdint>
#include <functional>

namespace talvo::sim {

struct SimSite {
    double latitudeDegrees = 0.0;   // north positive
    double longitudeDegrees = 0.0;  // west positive
    double utcOffsetHours = 0.0;    // hours west positive: UTC = local + offset
    double gpsDelaySeconds = 0.0;   // the GPS link and valid time come this long after the first byte
    // Seconds since 1970-01-01 UTC; the system clock when empty.
    std::function<std::int64_t()> utcSeconds;
};

struct SimMoment {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// The moment `site` reads now: UTC, or local (UTC less the offset) when `local` is set.
SimMoment SiteMoment(const SimSite& site, bool local);

}  // namespace talvo::sim
