// Options of `talvo-cli show`, read and checked.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace talvo {

struct CliDate {
    int year = 0, month = 0, day = 0;
};

struct CliTime {
    int hour = 0, minute = 0, second = 0;
};

struct ShowOptions {
    std::optional<double> latitudeDegrees;   // north positive
    std::optional<double> longitudeDegrees;  // WEST positive
    std::optional<double> utcOffsetHours;    // WEST positive: UT = local + offset
    std::optional<CliDate> date;             // local
    std::optional<CliTime> time;             // local
    std::optional<double> raHours;
    std::optional<double> decDegrees;
    double epoch = 2000.0;                   // epoch of --ra/--dec
    std::optional<int> planet;               // row of the solar-system list, 0 Sun ... 9 Pluto
    std::optional<double> fixedEpoch;        // the telescope's fixed epoch
    bool json = false;
    bool help = false;
};

// Reads the options; on a bad argument returns nothing and sets `error` to one line saying
// what is wrong.
std::optional<ShowOptions> ParseShowOptions(const std::vector<std::string>& args, std::string& error);

// The usage text of `talvo-cli show`.
const char* ShowUsage();

}  // namespace talvo
