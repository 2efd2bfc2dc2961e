// The command line of talvo-sim.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace talvo::sim {

enum class Protocol { kLx200, kNexStar, kNexStarBinary, kGtBinary, kNmea };

struct SimOptions {
    Protocol protocol = Protocol::kLx200;
    double raHours = 0.0;      // initial right ascension, [0, 24)
    double decDegrees = 90.0;  // initial declination, [-90, +90], north positive
    double slewRate = 4.0;     // degrees a second on each axis, > 0
    bool notAligned = false;
    bool highPrecision = false;
    char degreeMark = '\xDF';
    bool refuseSlew = false;
    std::string logPath;  // empty: no log
    bool noReply = false;
    bool garbage = false;
    std::optional<unsigned long long> hangUpAfter;  // bytes received before the line is closed
    std::string linkPath;                           // empty: no link
    // NMEA: a recording to play (empty: generated sentences at the site below).
    std::string playPath;
    bool loop = false;
    double latitudeDegrees = 0.0;   // the site: north positive
    double longitudeDegrees = 0.0;  // west positive
    double utcOffsetHours = 0.0;    // hours west positive: UTC = local + offset
    double gpsDelaySeconds = 0.0;   // NexStar: time until the GPS link and valid time
    bool help = false;
};

struct ParsedOptions {
    SimOptions options;
    std::string error;  // empty when the arguments were read
};

// Reads the arguments after the program name. --protocol is required (unless --help); numbers
// must be whole texts in range. The first fault is reported in `error`.
ParsedOptions ParseSimOptions(const std::vector<std::string>& arguments);

// The usage text for --help and after an error.
const char* SimUsage();

}  // namespace talvo::sim
