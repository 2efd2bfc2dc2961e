#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>

namespace talvo::sim {
namespace {

// A command line, words split at blanks.
ParsedOptions Parse(const std::string& line) {
    std::istringstream words(line);
    return ParseSimOptions({std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()});
}

SimOptions Options(const std::string& line) {
    const ParsedOptions parsed = Parse(line);
    EXPECT_EQ(parsed.error, "");
    return parsed.options;
}

TEST(SimOptions, ReadsEveryOption) {
    const SimOptions o = Options(
        "--protocol nexstar-binary --ra 5.5 --dec -20 --slew-rate 0.5 --not-aligned --high-precision "
        "--degree-mark star --refuse-slew --log a.log --no-reply --garbage --hang-up-after 12 --link dev");
    EXPECT_EQ(o.protocol, Protocol::kNexStarBinary);
    EXPECT_EQ(o.raHours, 5.5);
    EXPECT_EQ(o.decDegrees, -20.0);
    EXPECT_EQ(o.slewRate, 0.5);
    EXPECT_TRUE(o.notAligned && o.highPrecision && o.refuseSlew && o.noReply && o.garbage);
    EXPECT_EQ(o.degreeMark, '*');
    EXPECT_EQ(o.logPath, "a.log");
    EXPECT_EQ(o.hangUpAfter, 12u);
    EXPECT_EQ(o.linkPath, "dev");
    const SimOptions defaults = Options("--protocol lx200");
    EXPECT_EQ(defaults.decDegrees, 90.0);
    EXPECT_EQ(defaults.slewRate, 4.0);
    EXPECT_EQ(defaults.degreeMark, '\xDF');
    EXPECT_FALSE(defaults.hangUpAfter);
    const SimOptions gps = Options("--protocol nmea --play r.log --loop --lat -33.5 --lon 151.25");
    EXPECT_EQ(gps.protocol, Protocol::kNmea);
    EXPECT_EQ(gps.playPath, "r.log");
    EXPECT_TRUE(gps.loop);
    EXPECT_EQ(gps.latitudeDegrees, -33.5);
    EXPECT_EQ(gps.longitudeDegrees, 151.25);
}

TEST(SimOptions, RefusesWhatCannotBeServed) {
    for (const char* line :
         {"", "--protocol meade", "--protocol lx200 --slew-rate 0", "--protocol lx200 --slew-rate fast",
          "--protocol lx200 --dec 91", "--protocol lx200 --ra 24", "--protocol lx200 --hang-up-after -1",
          "--protocol lx200 --degree-mark colon", "--protocol lx200 --log", "--protocol lx200 --verbose",
          "--protocol nmea --lat 90.5", "--protocol nmea --lon -181", "--protocol nmea --play"}) {
        EXPECT_NE(Parse(line).error, "") << line;
    }
}

}  // namespace
}  // namespace talvo::sim
